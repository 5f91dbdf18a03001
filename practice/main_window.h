#pragma once

#include "services/window_layer.h"

// The program's start-up window "Zorvik1.0": the practice, the race strip
// and the menu that opens the settings.
extern const WindowLayout MainWindow;
