#pragma once

#include <array>
#include <cstdint>

#include "services/text.h"

// Guards against settings under which drawing a question would never end or
// whose results would not fit the 32-bit answer. Each check combines the new
// choice with the other window's current setting; a refused choice has been
// explained to the child in a message box and must not be stored.
bool AcceptOperatorChoice(const std::array<std::int32_t, 4> &enabled);
bool AcceptRangeChoice(std::int32_t smallest, std::int32_t largest);

// The largest operand RandomInteger can really draw from the stored bounds:
// negative bounds count as 0, swapped bounds are put right, and one draw
// reaches at most 32767 above the lower bound.
std::int32_t LargestReachableOperand(std::int32_t smallest, std::int32_t largest);

// Why a combination cannot be drawn from, in the words each window shows the
// child (GBK); the empty text when it can. `enabled` is indexed from 0 in the
// order +, -, ×, ÷; a non-zero element means the operator may be drawn.
Text OperatorChoiceRefusal(const std::array<std::int32_t, 4> &enabled, std::int32_t smallest, std::int32_t largest);
Text RangeChoiceRefusal(std::int32_t smallest, std::int32_t largest, const std::array<std::int32_t, 4> &enabled);
