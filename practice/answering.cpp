#include "practice/answering.h"

#include "app/globals.h"
#include "practice/main_controls.h"
#include "practice/question.h"
#include "practice/view_state.h"
#include "services/gbk.h"

namespace {

constexpr int EnterKey = 13;

void PushSprite(const char *sprite)
{
    SetLeft(sprite, LeftOf(sprite) + 6);
}

}  // namespace

void SubmitAnswer()
{
    const double answer = ToNumber(TextOf("编辑框答案"));
    if (NumbersEqual(expectedAnswer, answer)) {
        correctCount = correctCount + 1;
        if (IsChecked("单选框2"))
            PushSprite("图片框2");
    } else {
        wrongCount = wrongCount + 1;
        if (IsChecked("单选框2"))
            PushSprite("图片框3");
    }
    SetCaption("标签显示计算数",
               ConcatText({Gbk("正确："), ToText(correctCount), Gbk("     错误："), ToText(wrongCount)}));
    NextQuestion();
    CheckPracticeComplete();
    SetText("编辑框答案", "");
    SetInputFocus(MainWindow, "编辑框答案");
    SetDisabled("按钮确定", true);
}

std::optional<bool> AnswerKeyPressed(int keyCode, int /*shiftState*/)
{
    if (keyCode == EnterKey)
        SubmitAnswer();
    return std::nullopt;
}

void AnswerTextChanged()
{
    SetDisabled("按钮确定", false);
}

void ChangeQuestionClicked()
{
    if (IsChecked("单选框1"))
        SubmitAnswer();
    if (IsChecked("单选框2")) {
        changesLeft = changesLeft - 1;
        SetCaption("按钮换题", ConcatText({ToText(changesLeft), Gbk("次")}));
        NextQuestion();
        if (changesLeft == 0)
            SetDisabled("按钮换题", true);
    }
}

void CheckPracticeComplete()
{
    if (!IsChecked("单选框1"))
        return;
    const double asked = ToNumber(TextOf("编辑框题数"));
    const double graded = double(correctCount) + double(wrongCount);
    if (!NumbersEqual(asked, graded))
        return;
    const Text summary =
        ConcatText({Gbk("共练习："), ToText(graded), Gbk("道题   正确："), ToText(correctCount), Gbk("   错误："),
                    ToText(wrongCount), Gbk("   用时："), CaptionOf("标签3"), CaptionOf("标签4"), CaptionOf("标签5")});
    ShowPrompt(summary);
    ApplyViewState(Gbk("停止"));
}
