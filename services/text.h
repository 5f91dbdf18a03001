#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Every text the program handles is a GBK (code page 936) byte string. The
// empty string stands for the absent text too, so "absent equals empty" holds
// by construction, and each returned Text is a value the caller owns.
using Text = std::string;

// Full-width digits, signs and blanks become their ASCII forms (byte level).
Text ToHalfWidth(std::string_view text);

// Reads a decimal number from the front of the text; never fails (0 when
// there is no number, +-infinity when it overflows). Locale independent.
double ToNumber(std::string_view text);

Text ToText(std::int32_t value);  // "%d"
Text ToText(double value);        // "%.13g" with a three-digit exponent

// The last n bytes of the text; the empty text when n <= 0.
Text RightText(std::string_view text, std::int32_t n);

// The pieces one after another.
Text ConcatText(std::initializer_list<std::string_view> pieces);

// -1, 0 or 1, comparing bytes as unsigned values.
std::int32_t CompareText(std::string_view a, std::string_view b);

std::int32_t TextLength(std::string_view text);
