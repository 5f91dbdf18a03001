#include "practice/start_stop.h"

#include "app/globals.h"
#include "practice/main_controls.h"
#include "practice/question.h"
#include "practice/view_state.h"
#include "services/gbk.h"

void FreeModeClicked()
{
    ApplyViewState(Gbk("单选框1.选中"));
}

void ContestModeClicked()
{
    ApplyViewState(Gbk("单选框2.选中"));
}

void StartClicked()
{
    if (!IsChecked("单选框1") && !IsChecked("单选框2")) {
        ShowPrompt(Gbk("请选择要练习的模式"));
        return;
    }
    if (IsChecked("单选框1")) {
        if (CompareText(TextOf("编辑框题数"), "") != 0) {
            ApplyViewState(Gbk("单选框1.选中"));
            NextQuestion();
            ApplyViewState(Gbk("开始计算"));
        } else {
            ShowPrompt(Gbk("请输入要练习的题数"));
            SetInputFocus(MainWindow, "编辑框题数");
        }
    }
    if (IsChecked("单选框2")) {
        ApplyViewState(Gbk("单选框2.选中"));
        SetPeriod("时钟小怪物", (*racePeriods)(MonsterTimer));
        SetPeriod("时钟马里奥", (*racePeriods)(PlayerTimer));
        NextQuestion();
        ApplyViewState(Gbk("开始计算"));
    }
}

void StopClicked()
{
    ApplyViewState(Gbk("停止"));
}
