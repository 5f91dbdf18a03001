#pragma once

#include "services/window_layer.h"

// "符号设置": which of the four operators the questions may use.
extern const WindowLayout OperatorWindow;

// The menu item "设置运算符号": opens OperatorWindow over MainWindow and
// returns once it has closed.
void OpenOperatorWindow();
