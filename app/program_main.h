#pragma once

// The program's start routine: starts the window layer, creates the
// program-wide state, shows the main window and runs until it closes.
int ProgramMain();
