#include "services/number.h"
#include "services/text.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string_view>

namespace {

void Require(bool holds, const char *what, std::string_view text)
{
    if (holds)
        return;
    std::fprintf(stderr, "ToNumber: %s for a text of %zu bytes\n", what, text.size());
    std::abort();
}

bool SameReal(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double number = ToNumber(text);
    Require(!std::isnan(number), "not a number", text);

    // ToNumber reads the half-width form without building it; reading the
    // built copy must give the very same real.
    const Text halfWidth = ToHalfWidth(text);
    Require(halfWidth.size() <= size, "half-width copy grew", text);
    Require(ToHalfWidth(halfWidth) == halfWidth, "half-width copy changed again", text);
    Require(SameReal(ToNumber(halfWidth), number), "half-width copy reads differently", text);

    // A text of nothing but ASCII digits is read exactly as the C library
    // reads it.
    if (size > 0 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        const std::string copy(text);
        Require(SameReal(strtod_l(copy.c_str(), nullptr, cLocale), number), "digits differ from strtod", text);
    }

    // Whatever was read, storing it into an integer must stay defined.
    const volatile std::int32_t stored = TruncateToInteger(number);
    (void)stored;
    return 0;
}
