#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "services/text.h"

// The window and control layer on which every handler of the program runs.
// Windows are described by layouts (plain tables, one row per control) and
// built anew from them at every load; handlers are plain functions that
// address controls by (window layout, control name).

enum class Kind { Label, Button, EditBox, RadioBox, CheckBox, GroupBox, SliderBar, Timer, PicBox, ShapeBox };

// Description: what a screen reader says about a control after its name.
enum class Property { Left, Width, Visible, Disabled, Caption, Text, Checked, Position, Period, Description };

enum class FontSize { Default, Large, SmallBold };

enum class BackColour { Window, White };

using Handler = void (*)();
// The key code (13 for Enter) and the shift state (1 Ctrl, 2 Shift, 4 Alt).
// Returning false discards the key; no value lets it go on to the control.
using KeyHandler = std::optional<bool> (*)(int keyCode, int shiftState);

struct ControlLayout {
    const char *name = "";
    Kind kind = Kind::Label;
    const char *container = nullptr;  // nullptr: placed on the window itself
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    const char *text = "";  // caption or content at creation, UTF-8
    FontSize font = FontSize::Default;
    bool integerInput = false;      // edit boxes: digits and "-" only, tidied on focus loss
    bool centred = false;           // edit boxes: text centred
    const char *picture = nullptr;  // picture boxes: resource path of an animated picture
    BackColour back = BackColour::Window;
    int minimum = 0;  // sliders
    int maximum = 0;
    int position = 0;
    int singleStep = 1;
    int pageStep = 1;
    const char *accessibleName = nullptr;  // for screen readers where the caption says nothing
    Handler clicked = nullptr;
    Handler textChanged = nullptr;
    KeyHandler keyPressed = nullptr;
    Handler tick = nullptr;
};

struct MenuItemLayout {
    const char *menu;  // the menu bar entry it belongs to
    const char *item;
    Handler selected;
};

struct WindowLayout {
    const char *name;
    const char *title;
    int width;  // outer size, frame, title bar and menu bar included
    int height;
    std::span<const ControlLayout> controls;
    std::span<const MenuItemLayout> menu;
    Handler created = nullptr;
};

// Windows. The program loads only modal windows (modal is always true):
// the call returns once the window has closed, the owner taking no input
// meanwhile. It unloads only immediately (immediately is always true): the
// window is closed before the call returns.
bool LoadWindow(const WindowLayout &window, const WindowLayout &owner, bool modal);
void UnloadWindow(const WindowLayout &window, bool immediately);
bool IsWindowLoaded(const WindowLayout &window);

// Properties. Booleans are written as 0 or 1.
std::int32_t ReadInteger(const WindowLayout &window, std::string_view control, Property property);
bool ReadBoolean(const WindowLayout &window, std::string_view control, Property property);
Text ReadText(const WindowLayout &window, std::string_view control, Property property);
void WriteProperty(const WindowLayout &window, std::string_view control, Property property, std::int32_t value);
void WriteProperty(const WindowLayout &window, std::string_view control, Property property, const Text &value);

void SetInputFocus(const WindowLayout &window, std::string_view control);
