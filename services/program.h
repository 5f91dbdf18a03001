#pragma once

#include "services/window_layer.h"

// The program's start, message loop and end over the toolkit.
void StartWindowLayer();
void RegisterEndRoutine(Handler endRoutine);
void LoadStartupWindow(const WindowLayout &window);
void RunMessageLoop();

// Runs the program's start routine, then the end routine once, and gives the
// exit code; main() is just this call.
int RunProgram(int (*startRoutine)());
