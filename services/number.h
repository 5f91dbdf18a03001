#pragma once

#include <cstdint>

inline constexpr double CompareTolerance = 1e-7;

// Chops toward zero to 64 bits (NaN, infinities and out-of-range give -2^63)
// and keeps the low 32 bits.
std::int32_t TruncateToInteger(double value);

// a - n*b with n = a/b chopped toward zero, computed exactly.
double Remainder(double a, double b);

// The difference is formed first, then compared with CompareTolerance.
bool NumbersEqual(double a, double b);
bool NumberGreater(double a, double b);
bool NumberNotLess(double a, double b);
