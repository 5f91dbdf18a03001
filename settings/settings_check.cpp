#include "settings/settings_check.h"

#include <algorithm>
#include <string>

#include "app/globals.h"
#include "services/gbk.h"
#include "services/message_box.h"

namespace {

// expectedAnswer and the answer box hold 32-bit signed integers.
constexpr std::int64_t largestAnswer = 2147483647;

constexpr std::int64_t IntegerSquareRoot(std::int64_t n)
{
    std::int64_t root = 0;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    return root;
}

// The largest operand whose sum with itself, or product with itself, still
// fits; operands are never negative, so these bound every result.
constexpr std::int64_t largestAddend = largestAnswer / 2;
constexpr std::int64_t largestFactor = IntegerSquareRoot(largestAnswer);
static_assert(largestAddend == 1073741823 && largestFactor == 46340);

// One generator output (0 to 32767) is added to the lower bound per draw.
constexpr std::int64_t largestGeneratorOutput = 32767;

// What drawing questions would run into. Subtraction and division of
// operands of 0 or more never leave the operands' own range, and the
// subtraction loop always meets a pair with a >= b (a = b will do).
struct Trouble {
    bool noDivisor = false;  // division may be drawn but only 0 can be drawn as divisor
    bool additionOverflows = false;
    bool multiplicationOverflows = false;

    bool overflows() const { return additionOverflows || multiplicationOverflows; }
};

// The division loop ends as soon as some divisor b other than 0 comes up
// with a dividend it divides; a = b always does, so one non-zero operand
// value is all it needs. The generator does give two equal outputs in a row,
// from states of either parity, so the pairs the loop draws meet one.
Trouble TroubleWith(const OperatorChoice &enabled, std::int32_t smallest, std::int32_t largest)
{
    const std::int64_t reach = LargestReachableOperand(smallest, largest);
    return {
        .noDivisor = enabled[Division] && reach == 0,
        .additionOverflows = enabled[Addition] && reach + reach > largestAnswer,
        .multiplicationOverflows = enabled[Multiplication] && reach * reach > largestAnswer,
    };
}

std::string OverflowingOperators(const Trouble &trouble)
{
    if (trouble.additionOverflows && trouble.multiplicationOverflows)
        return "加法和乘法";
    return trouble.additionOverflows ? "加法" : "乘法";
}

// Bounds of at most this value keep every enabled operator within range.
std::string SafeLargestOperand(const Trouble &trouble)
{
    return std::to_string(trouble.multiplicationOverflows ? largestFactor : largestAddend);
}

bool AcceptUnlessRefused(const Text &refusal)
{
    if (refusal.empty())
        return true;
    ShowMessageBox(refusal, 0, Gbk("提示"));
    return false;
}

}  // namespace

OperatorChoice OperatorChoice::Stored()
{
    OperatorChoice stored;
    for (Operator op : allOperators)
        stored.Set(op, (*operatorEnabled)(op) != 0);
    return stored;
}

std::int32_t LargestReachableOperand(std::int32_t smallest, std::int32_t largest)
{
    std::int64_t lo = std::max(smallest, 0);
    std::int64_t hi = std::max(largest, 0);
    if (lo > hi)
        std::swap(lo, hi);
    return std::int32_t(lo + std::min(hi - lo, largestGeneratorOutput));
}

Text OperatorChoiceRefusal(const OperatorChoice &enabled, std::int32_t smallest, std::int32_t largest)
{
    if (enabled.None())
        return Gbk("请至少选择一种运算符号。");
    const Trouble trouble = TroubleWith(enabled, smallest, largest);
    if (trouble.noDivisor)
        return Gbk("现在的数值范围只能出0，0不能做除数。请取消除法，"
                   "或者先在“设置数值范围”里把最大值设为1或更大。");
    if (trouble.overflows()) {
        const std::string operators = OverflowingOperators(trouble);
        return Gbk("现在的数值太大了：" + operators + "的结果会超出范围。请取消" + operators
                   + "，或者先在“设置数值范围”里把最小值和最大值都改为不超过" + SafeLargestOperand(trouble) + "的数。");
    }
    return {};
}

Text RangeChoiceRefusal(std::int32_t smallest, std::int32_t largest, const OperatorChoice &enabled)
{
    const Trouble trouble = TroubleWith(enabled, smallest, largest);
    if (trouble.noDivisor)
        return Gbk("除法需要不为0的除数，请把最大值设为1或更大。");
    if (trouble.overflows())
        return Gbk("数值太大了：" + OverflowingOperators(trouble) + "的结果会超出范围。请把最小值和最大值都改为不超过"
                   + SafeLargestOperand(trouble) + "的数。");
    return {};
}

bool AcceptOperatorChoice(const OperatorChoice &enabled)
{
    return AcceptUnlessRefused(
        OperatorChoiceRefusal(enabled, (*numberRange)(SmallestOperand), (*numberRange)(LargestOperand)));
}

bool AcceptRangeChoice(std::int32_t smallest, std::int32_t largest)
{
    return AcceptUnlessRefused(RangeChoiceRefusal(smallest, largest, OperatorChoice::Stored()));
}
