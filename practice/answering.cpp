#include "practice/answering.h"

#include "app/globals.h"
#include "practice/main_controls.h"
#include "practice/question.h"
#include "practice/view_state.h"
#include "services/gbk.h"

namespace {

constexpr int EnterKey = 13;

void Prompt(const Text &message)
{
    ShowMessageBox(message, 0, Gbk("提示"));
}

void PushSprite(const char *sprite)
{
    SetLeft(sprite, LeftOf(sprite) + 6);
}

}  // namespace

void FreeModeClicked()
{
    ApplyViewState(Gbk("单选框1.选中"));
}

void ContestModeClicked()
{
    ApplyViewState(Gbk("单选框2.选中"));
}

void StopClicked()
{
    ApplyViewState(Gbk("停止"));
}

void StartClicked()
{
    if (!IsChecked("单选框1") && !IsChecked("单选框2")) {
        Prompt(Gbk("请选择要练习的模式"));
        return;
    }
    if (IsChecked("单选框1")) {
        if (CompareText(TextOf("编辑框题数"), "") != 0) {
            ApplyViewState(Gbk("单选框1.选中"));
            NextQuestion();
            ApplyViewState(Gbk("开始计算"));
        } else {
            Prompt(Gbk("请输入要练习的题数"));
            SetInputFocus(MainWindow, "编辑框题数");
        }
    }
    if (IsChecked("单选框2")) {
        ApplyViewState(Gbk("单选框2.选中"));
        SetPeriod("时钟小怪物", (*racePeriods)(2));
        SetPeriod("时钟马里奥", (*racePeriods)(1));
        NextQuestion();
        ApplyViewState(Gbk("开始计算"));
    }
}

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
    Prompt(summary);
    ApplyViewState(Gbk("停止"));
}
