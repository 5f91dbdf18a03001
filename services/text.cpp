#include "services/text.h"

#include "services/fatal.h"

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

// Builds a text; memory that cannot be had for it ends the program with the
// number of bytes asked for, the terminating zero included.
template <typename Build>
Text NewText(std::size_t bytes, Build build)
{
    try {
        return build();
    } catch (const std::bad_alloc &) {
        StopForMemory(bytes);
    } catch (const std::length_error &) {
        StopForMemory(bytes);
    }
}

// The single ASCII byte a GBK double-byte character stands for when it is a
// full-width form of one, or 0 when the pair stays as it is.
char HalfWidthOf(unsigned char lead, unsigned char trail)
{
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
        return char(trail - 0x80);
    if (lead == 0xA1) {
        switch (trail) {
        case 0xA1:
            return ' ';  // ideographic space
        case 0xAB:
            return '~';
        case 0xEE:  // the white and the black star
        case 0xEF:
            return '*';
        }
    }
    return 0;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsExponentMarker(char c)
{
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Walks a text as its half-width copy would read, without making the copy:
// only the front of a typed answer is ever read, however long the text is.
class HalfWidthReader
{
public:
    explicit HalfWidthReader(std::string_view text)
        : m_text(text)
    {
    }

    // The next byte of the half-width copy, or 0 at its end. A double-byte
    // character that does not map comes back as its lead byte (0x80 or
    // more), which no number contains.
    char Peek()
    {
        if (!m_filled)
            Fill();
        return m_pending;
    }
    void Next()
    {
        Peek();
        m_filled = false;
        m_consumed = m_at;
    }
    // Where in the text the bytes taken so far end.
    std::size_t Consumed() const { return m_consumed; }

    // Takes a run of digits and counts them. Runs of ASCII digits, the bulk
    // of a long pasted number, are passed over without the byte-wise mapping.
    std::size_t SkipDigits()
    {
        std::size_t count = 0;
        for (;;) {
            if (!m_filled) {
                const std::size_t from = m_at;
                while (m_at < m_text.size() && IsDigit(m_text[m_at]))
                    ++m_at;
                count += m_at - from;
                m_consumed = m_at;
            }
            if (!IsDigit(Peek()))
                return count;
            Next();
            ++count;
        }
    }

private:
    void Fill()
    {
        m_filled = true;
        m_pending = 0;
        if (m_at >= m_text.size())
            return;
        const auto lead = static_cast<unsigned char>(m_text[m_at]);
        if (lead < 0x80) {
            m_pending = char(lead);
            ++m_at;
        } else if (m_at + 1 >= m_text.size()) {
            m_at = m_text.size();  // a lone lead byte at the end is dropped
        } else {
            const char half = HalfWidthOf(lead, static_cast<unsigned char>(m_text[m_at + 1]));
            m_pending = half != 0 ? half : char(lead);
            m_at += 2;
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_consumed = 0;
    char m_pending = 0;
    bool m_filled = false;
};

// The number as from_chars reads it: full-width forms made ASCII and the
// exponent markers d and D written as e.
Text AsciiNumber(std::string_view number)
{
    Text ascii;
    ascii.reserve(number.size());
    HalfWidthReader reader(number);
    for (char c = reader.Peek(); c != 0; reader.Next(), c = reader.Peek())
        ascii += c == 'd' || c == 'D' ? 'e' : c;
    return ascii;
}

// from_chars leaves alone the values beyond the largest real and below the
// smallest subnormal; the C library in the "C" locale rounds the same way
// and tells infinity from zero.
double ReadOutOfRange(std::string_view number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(Text(number).c_str(), nullptr, cLocale);
}

}  // namespace

Text ToHalfWidth(std::string_view text)
{
    return NewText(text.size() + 1, [text] {
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
    });
}

double ToNumber(std::string_view text)
{
    // The first pass finds where the number lies in the text; the sign is
    // kept apart, since negating a correctly rounded magnitude is exact.
    HalfWidthReader reader(text);
    while (IsBlank(reader.Peek()))
        reader.Next();
    const bool negative = reader.Peek() == '-';
    if (negative || reader.Peek() == '+')
        reader.Next();
    const std::size_t start = reader.Consumed();
    std::size_t digits = reader.SkipDigits();
    if (reader.Peek() == '.') {
        reader.Next();
        digits += reader.SkipDigits();
    }
    if (digits == 0)
        return 0.0;
    std::size_t end = reader.Consumed();
    // An exponent marker belongs to the number only when digits follow it,
    // so "2e" and "2e+" read 2.
    if (IsExponentMarker(reader.Peek())) {
        reader.Next();
        if (reader.Peek() == '+' || reader.Peek() == '-')
            reader.Next();
        if (reader.SkipDigits() > 0)
            end = reader.Consumed();
    }

    // A number typed in plain ASCII with e or E is read where it stands;
    // full-width forms or a d marker need a cleaned copy first.
    std::string_view number = text.substr(start, end - start);
    Text cleaned;
    const bool plain = std::none_of(number.begin(), number.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x80 || c == 'd' || c == 'D';
    });
    if (!plain) {
        cleaned = NewText(number.size() + 1, [number] { return AsciiNumber(number); });
        number = cleaned;
    }

    double magnitude = 0.0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (read.ec == std::errc::result_out_of_range)
        magnitude = ReadOutOfRange(number);
    return negative ? -magnitude : magnitude;
}

Text ToText(std::int32_t value)
{
    char digits[16];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), value);
    return NewText(std::size_t(written.ptr - digits) + 1, [&] { return Text(digits, written.ptr); });
}

Text ToText(double value)
{
    // to_chars with a precision is "%.13g" without the process locale.
    char formatted[40];
    const auto written =
        std::to_chars(std::begin(formatted), std::end(formatted), value, std::chars_format::general, 13);
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
    return NewText(length + 1, [&] { return Text(widened, length); });
}

Text RightText(std::string_view text, std::int32_t n)
{
    if (n <= 0)
        return Text();
    const std::size_t count = std::min(text.size(), std::size_t(n));
    return NewText(count + 1, [&] { return Text(text.substr(text.size() - count)); });
}

Text ConcatText(std::initializer_list<std::string_view> pieces)
{
    std::size_t total = 0;
    for (const std::string_view piece : pieces)
        total += piece.size();
    return NewText(total + 1, [&] {
        Text joined;
        joined.reserve(total);
        for (const std::string_view piece : pieces)
            joined += piece;
        return joined;
    });
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
