#pragma once

#include "services/window_layer.h"

// "数值设置": the smallest and the largest operand of the questions.
extern const WindowLayout RangeWindow;

// The menu item "设置数值范围": opens RangeWindow over MainWindow and
// returns once it has closed.
void OpenRangeWindow();
