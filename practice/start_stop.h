#pragma once

// MainWindow's handlers for choosing the mode and for starting and stopping
// a run.
void FreeModeClicked();
void ContestModeClicked();
void StartClicked();
void StopClicked();
