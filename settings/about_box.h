#pragma once

#include "services/text.h"

// The program's note, nine lines joined by "\r\n" (GBK).
Text AboutText();

// The menu item "软件说明": shows the note in a box titled "说明".
void ShowAbout();
