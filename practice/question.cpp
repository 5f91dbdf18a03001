#include "practice/question.h"

#include "app/globals.h"
#include "practice/main_controls.h"
#include "services/gbk.h"
#include "services/random.h"

namespace {

// The operands live only in the labels' captions; every use reads them back.
double Operand(const char *label)
{
    return ToNumber(CaptionOf(label));
}

void DrawBothOperands()
{
    DrawOperand("标签数1");
    DrawOperand("标签数2");
}

bool DividesEvenly(double a, double b)
{
    return b != 0 && NumbersEqual(Remainder(a, b), 0);
}

// The question as the labels show it, for example "48 - 37 =": what a
// screen reader says about the answer box after its name.
Text QuestionAsShown()
{
    return ConcatText(
        {CaptionOf("标签数1"), " ", CaptionOf("标签符号"), " ", CaptionOf("标签数2"), " ", CaptionOf("标签等号")});
}

}  // namespace

void DrawOperand(const char *label)
{
    SetCaption(label, ToText(RandomInteger((*numberRange)(SmallestOperand), (*numberRange)(LargestOperand))));
}

void NextQuestion()
{
    std::int32_t k = RandomInteger(Addition, Division);
    while ((*operatorEnabled)(k) == 0)
        k = RandomInteger(Addition, Division);

    DrawBothOperands();

    if (k == Addition) {
        SetCaption("标签符号", "+");
        expectedAnswer = TruncateToInteger(Operand("标签数1") + Operand("标签数2"));
    }
    if (k == Subtraction) {
        SetCaption("标签符号", "-");
        while (!NumberNotLess(Operand("标签数1"), Operand("标签数2")))
            DrawBothOperands();
        expectedAnswer = TruncateToInteger(Operand("标签数1") - Operand("标签数2"));
    }
    if (k == Multiplication) {
        SetCaption("标签符号", Gbk("×"));
        expectedAnswer = TruncateToInteger(Operand("标签数1") * Operand("标签数2"));
    }
    if (k == Division) {
        SetCaption("标签符号", Gbk("÷"));
        while (!DividesEvenly(Operand("标签数1"), Operand("标签数2")))
            DrawBothOperands();
        expectedAnswer = TruncateToInteger(Operand("标签数1") / Operand("标签数2"));
    }

    SetDescription("编辑框答案", QuestionAsShown());
}
