#pragma once

#include <string_view>

#include <QString>

#include "services/text.h"

// The one place where GBK bytes meet the toolkit's strings. A character that
// GBK cannot hold (an emoji pasted into a box) becomes "?".
QString ToQString(std::string_view gbk);
Text FromQString(const QString &text);

// The program's own texts are written in UTF-8 source; this turns one into
// the GBK bytes the program works with.
Text Gbk(std::string_view utf8);
