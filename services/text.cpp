#include "services/text.h"

#include "services/fatal.h"
#include "services/gbk.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <locale.h>
#include <new>
#include <stdexcept>
#include <system_error>

namespace {

// A text whose memory cannot be had ends the program; the message names the
// number of bytes asked for, the terminating zero included. It is built with
// plain string operations so that a second failure cannot loop back here.
[[noreturn]] void StopForMemory(std::size_t bytes)
{
    char digits[24];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), bytes);
    Text message = Gbk("分配 ");
    message.append(digits, written.ptr);
    message += Gbk(" 字节内存失败!");
    StopWithRuntimeError(message);
}

// The single ASCII byte a GBK double-byte character stands for when it is a
// full-width form of one, or 0 when the pair stays as it is.
char HalfWidthOf(unsigned char lead, unsigned char trail)
{
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
        return char(trail - 0x80);
    if (lead == 0xA1) {
        switch (trail) {
        case 0xA1: return ' ';  // ideographic space
        case 0xAB: return '~';
        case 0xEE:              // the white and the black star
        case 0xEF: return '*';
        }
    }
    return 0;
}

// Walks a text as its half-width copy would read, without making the copy:
// only the front of a typed answer is ever read, however long the text is.
class HalfWidthReader {
public:
    explicit HalfWidthReader(std::string_view text) : text_(text) {}

    // The next byte of the half-width copy, or 0 at its end. A double-byte
    // character that does not map comes back as its lead byte (0x80 or
    // more), which no number contains.
    char Peek()
    {
        if (!filled_)
            Fill();
        return pending_;
    }
    void Next() { filled_ = false; }

private:
    void Fill()
    {
        filled_ = true;
        pending_ = 0;
        if (at_ >= text_.size())
            return;
        const auto lead = static_cast<unsigned char>(text_[at_]);
        if (lead < 0x80) {
            pending_ = char(lead);
            ++at_;
        } else if (at_ + 1 >= text_.size()) {
            at_ = text_.size();  // a lone lead byte at the end is dropped
        } else {
            const char half = HalfWidthOf(lead, static_cast<unsigned char>(text_[at_ + 1]));
            pending_ = half != 0 ? half : char(lead);
            at_ += 2;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    char pending_ = 0;
    bool filled_ = false;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Copies a run of digits from the reader into the number being collected.
std::size_t TakeDigits(HalfWidthReader &reader, Text &into)
{
    std::size_t count = 0;
    for (char c = reader.Peek(); IsDigit(c); c = reader.Peek()) {
        into += c;
        reader.Next();
        ++count;
    }
    return count;
}

// The rare values from_chars will not give (beyond the largest real, below
// the smallest subnormal) come from the C library in the "C" locale, which
// rounds them the same way and knows infinity from zero.
double ReadOutOfRange(const Text &number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

}  // namespace

Text ToHalfWidth(std::string_view text)
{
    try {
        Text copy;
        copy.reserve(text.size());
        for (std::size_t at = 0; at < text.size(); ++at) {
            const auto lead = static_cast<unsigned char>(text[at]);
            if (lead < 0x80) {
                copy += char(lead);
                continue;
            }
            if (at + 1 >= text.size())
                break;
            const char trail = text[++at];
            if (const char half = HalfWidthOf(lead, static_cast<unsigned char>(trail)))
                copy += half;
            else
                copy.append({char(lead), trail});
        }
        return copy;
    } catch (const std::bad_alloc &) {
        StopForMemory(text.size() + 1);
    } catch (const std::length_error &) {
        StopForMemory(text.size() + 1);
    }
}

double ToNumber(std::string_view text)
{
    HalfWidthReader reader(text);
    while (IsBlank(reader.Peek()))
        reader.Next();

    // The number is collected as plain ASCII that from_chars reads the same
    // in every locale: "-", digits, ".", digits, "e", sign, digits.
    Text number;
    if (reader.Peek() == '+' || reader.Peek() == '-') {
        if (reader.Peek() == '-')
            number += '-';
        reader.Next();
    }
    std::size_t digits = TakeDigits(reader, number);
    if (reader.Peek() == '.') {
        number += '.';
        reader.Next();
        digits += TakeDigits(reader, number);
    }
    if (digits == 0)
        return 0.0;

    // An exponent marker belongs to the number only when digits follow it,
    // so "2e" and "2e+" read 2; the reader cannot step back, so the marker
    // and sign wait in `marker` until a digit shows up.
    const char e = reader.Peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        reader.Next();
        Text marker = "e";
        if (reader.Peek() == '+' || reader.Peek() == '-') {
            marker += reader.Peek();
            reader.Next();
        }
        if (IsDigit(reader.Peek())) {
            number += marker;
            TakeDigits(reader, number);
        }
    }

    double value = 0.0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range)
        return ReadOutOfRange(number);
    return value;
}

Text ToText(std::int32_t value)
{
    char digits[16];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), value);
    try {
        return Text(digits, written.ptr);
    } catch (const std::bad_alloc &) {
        StopForMemory(std::size_t(written.ptr - digits) + 1);
    }
}

Text ToText(double value)
{
    // to_chars with a precision is "%.13g" without the process locale.
    char formatted[40];
    const auto written = std::to_chars(std::begin(formatted), std::end(formatted), value,
                                       std::chars_format::general, 13);
    std::string_view shown(formatted, std::size_t(written.ptr - formatted));

    // The exponent is written with at least three digits ("1e+013"), as the
    // program has always shown it.
    char widened[48];
    std::size_t length = shown.size();
    std::copy(shown.begin(), shown.end(), widened);
    if (const auto e = shown.find('e'); e != std::string_view::npos) {
        const std::size_t exponentDigits = shown.size() - (e + 2);
        if (exponentDigits < 3) {
            const std::size_t pad = 3 - exponentDigits;
            std::copy(shown.begin() + long(e) + 2, shown.end(), widened + e + 2 + pad);
            std::fill_n(widened + e + 2, pad, '0');
            length += pad;
        }
    }
    try {
        return Text(widened, length);
    } catch (const std::bad_alloc &) {
        StopForMemory(length + 1);
    }
}

Text RightText(std::string_view text, std::int32_t n)
{
    if (n <= 0)
        return Text();
    const std::size_t count = std::min(text.size(), std::size_t(n));
    try {
        return Text(text.substr(text.size() - count));
    } catch (const std::bad_alloc &) {
        StopForMemory(count + 1);
    }
}

Text ConcatText(std::initializer_list<std::string_view> pieces)
{
    std::size_t total = 0;
    for (const std::string_view piece : pieces)
        total += piece.size();
    try {
        Text joined;
        joined.reserve(total);
        for (const std::string_view piece : pieces)
            joined += piece;
        return joined;
    } catch (const std::bad_alloc &) {
        StopForMemory(total + 1);
    } catch (const std::length_error &) {
        StopForMemory(total + 1);
    }
}

std::int32_t CompareText(std::string_view a, std::string_view b)
{
    // char_traits<char> compares bytes as unsigned values, as memcmp does.
    const int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

std::int32_t TextLength(std::string_view text)
{
    return std::int32_t(std::min<std::size_t>(text.size(), INT32_MAX));
}
