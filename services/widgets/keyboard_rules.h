#pragma once

class LayoutWindow;

// Puts the program's key order on a window and every control in it:
// Tab and Shift+Tab move the focus to the next or previous control (every
// radio button included), Esc closes the window, Enter is taken by nothing,
// arrows on a radio button only move the focus, and every other key raises
// the focused control's key-pressed event before the control sees it.
void installKeyboardRules(LayoutWindow &window);
