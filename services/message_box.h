#pragma once

#include <string_view>

#include "services/text.h"

// A box with the title, the text ("\r\n" starts a new line), one OK button
// and no icon, owned by no window; no other window takes input until it is
// closed, while timers keep ticking. The program always passes style 0 and
// ignores the result, which is always OK (1).
int ShowMessageBox(const Text &text, int style, const Text &title);

// The fatal-error stop's box: "错误" with an error icon and one OK button.
// The window layer installs it as the services' way to show a fatal message.
void ShowFatalErrorBox(std::string_view gbkMessage);
