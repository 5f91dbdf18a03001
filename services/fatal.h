#pragma once

#include <cstddef>
#include <string_view>

// The fatal-error stop: the message is shown, then the process ends at once
// with exit code -1; the end routine never runs.
//
// The services cannot show a box themselves, since they know no windows: the
// window layer installs the one that does when it starts. Until then, and
// whenever showing fails for want of memory, the message goes to the
// standard error stream.
using FatalMessageShower = void (*)(std::string_view gbkMessage);
void InstallFatalMessageShower(FatalMessageShower shower);

[[noreturn]] void StopWithRuntimeError(std::string_view gbkMessage);

// The stop for memory that cannot be had: "分配 N 字节内存失败!" with the
// number of bytes asked for. It takes no memory of its own.
[[noreturn]] void StopForMemory(std::size_t bytes);
