#pragma once

#include "services/window_layer.h"

// "数值设置": the smallest and the largest operand of the questions.
extern const WindowLayout RangeWindow;

// Opens RangeWindow over its owner and returns once it has closed.
void OpenRangeWindow(const WindowLayout &owner);
