#pragma once

#include <cstddef>

#include "services/text.h"

// The fatal-error stop: shows the "错误" box, then ends the process with exit
// code -1 without running the end routine.
[[noreturn]] void StopWithRuntimeError(const Text &message);

// The fatal stop for memory that cannot be had: "分配 N 字节内存失败!" with
// the number of bytes asked for.
[[noreturn]] void StopForMemory(std::size_t bytes);
