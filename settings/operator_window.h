#pragma once

#include "services/window_layer.h"

// "符号设置": which of the four operators the questions may use.
extern const WindowLayout OperatorWindow;

// Opens OperatorWindow over its owner and returns once it has closed.
void OpenOperatorWindow(const WindowLayout &owner);
