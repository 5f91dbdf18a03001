#pragma once

#include <cstdint>

#include "practice/main_window.h"
#include "services/gbk.h"
#include "services/message_box.h"
#include "services/number.h"
#include "services/text.h"
#include "services/window_layer.h"

// Short forms of the property reads and writes on MainWindow's controls, so
// that each handler reads as its list of steps.

inline void SetVisible(const char *control, bool visible)
{
    WriteProperty(MainWindow, control, Property::Visible, visible);
}

inline void SetDisabled(const char *control, bool disabled)
{
    WriteProperty(MainWindow, control, Property::Disabled, disabled);
}

inline void SetCaption(const char *control, const Text &caption)
{
    WriteProperty(MainWindow, control, Property::Caption, caption);
}

inline void SetText(const char *control, const Text &text)
{
    WriteProperty(MainWindow, control, Property::Text, text);
}

inline void SetDescription(const char *control, const Text &description)
{
    WriteProperty(MainWindow, control, Property::Description, description);
}

inline void SetPeriod(const char *control, std::int32_t milliseconds)
{
    WriteProperty(MainWindow, control, Property::Period, milliseconds);
}

// Places are formed as reals and stored through TruncateToInteger, like
// every real that becomes an integer property.
inline void SetLeft(const char *control, double left)
{
    WriteProperty(MainWindow, control, Property::Left, TruncateToInteger(left));
}

inline double LeftOf(const char *control)
{
    return ReadInteger(MainWindow, control, Property::Left);
}

inline Text CaptionOf(const char *control)
{
    return ReadText(MainWindow, control, Property::Caption);
}

inline Text TextOf(const char *control)
{
    return ReadText(MainWindow, control, Property::Text);
}

inline bool IsChecked(const char *control)
{
    return ReadBoolean(MainWindow, control, Property::Checked);
}

// The practice's messages: title "提示", one OK button, no icon.
inline void ShowPrompt(const Text &message)
{
    ShowMessageBox(message, 0, Gbk("提示"));
}
