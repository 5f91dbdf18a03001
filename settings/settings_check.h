#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "app/globals.h"
#include "services/text.h"

// Which operators may be drawn, addressed by the same operator numbers as
// operatorEnabled: what OperatorWindow's boxes show before it is stored.
class OperatorChoice
{
public:
    OperatorChoice() = default;
    OperatorChoice(std::initializer_list<Operator> enabled)
    {
        for (Operator op : enabled)
            Set(op, true);
    }
    // operatorEnabled as it is now.
    static OperatorChoice Stored();

    bool operator[](Operator op) const { return m_enabled[SlotOf(op)]; }
    void Set(Operator op, bool enabled) { m_enabled[SlotOf(op)] = enabled; }
    bool None() const { return m_enabled == std::array<bool, 4>{}; }

private:
    static std::size_t SlotOf(Operator op) { return std::size_t(op - Addition); }

    std::array<bool, 4> m_enabled{};
};

// Guards against settings under which drawing a question would never end or
// whose results would not fit the 32-bit answer. Each check combines the new
// choice with the other window's current setting; a refused choice has been
// explained to the child in a message box and must not be stored.
bool AcceptOperatorChoice(const OperatorChoice &enabled);
bool AcceptRangeChoice(std::int32_t smallest, std::int32_t largest);

// The largest operand RandomInteger can really draw from the stored bounds:
// negative bounds count as 0, swapped bounds are put right, and one draw
// reaches at most 32767 above the lower bound.
std::int32_t LargestReachableOperand(std::int32_t smallest, std::int32_t largest);

// Why a combination cannot be drawn from, in the words each window shows the
// child (GBK); the empty text when it can.
Text OperatorChoiceRefusal(const OperatorChoice &enabled, std::int32_t smallest, std::int32_t largest);
Text RangeChoiceRefusal(std::int32_t smallest, std::int32_t largest, const OperatorChoice &enabled);
