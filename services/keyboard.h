#pragma once

class Window;

// Puts the program's key order on a window and every control in it:
// Tab moves the focus, Esc closes the window, Enter is taken by nothing,
// arrows on a radio button only move the focus, and every other key raises
// the focused control's key-pressed event before the control sees it.
void installKeyboardRules(Window &window);

// The key code a handler sees for a toolkit key (13 for Enter), and the
// shift state (1 Ctrl, 2 Shift, 4 Alt).
int keyCodeOf(int qtKey);
int shiftStateOf(int qtModifiers);
