#pragma once

#include "services/text.h"

// The fatal-error stop: shows the "错误" box, then ends the process with exit
// code -1 without running the end routine.
[[noreturn]] void StopWithRuntimeError(const Text &message);
