#include "services/number.h"

#include <cmath>

std::int32_t TruncateToInteger(double value)
{
    // The conversion itself always chops, whatever the rounding mode; only
    // values it cannot hold (NaN, infinities, beyond 64 bits) need a guard.
    constexpr double twoTo63 = 9223372036854775808.0;
    const std::int64_t chopped = value >= -twoTo63 && value < twoTo63 ? static_cast<std::int64_t>(value) : INT64_MIN;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(chopped));
}

double Remainder(double a, double b)
{
    return std::fmod(a, b);
}

bool NumbersEqual(double a, double b)
{
    return std::fabs(a - b) <= CompareTolerance;
}

bool NumberGreater(double a, double b)
{
    return a - b > CompareTolerance;
}

bool NumberNotLess(double a, double b)
{
    return a - b >= -CompareTolerance;
}
