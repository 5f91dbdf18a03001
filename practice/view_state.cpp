#include "practice/view_state.h"

#include "app/globals.h"
#include "practice/main_controls.h"
#include "services/gbk.h"
#include "services/number.h"
#include "services/random.h"
#include "services/window_layer.h"

namespace {

// Each view is a list of steps in the order they happen: the order shows,
// since clearing the answer box raises its text-changed event.
void Initial()
{
    SetVisible("标签1", false);
    SetVisible("编辑框题数", false);
    SetVisible("标签7", false);
    SetVisible("标签8", false);
    SetVisible("标签2", false);
    SetVisible("滑块条1", false);
    SetDisabled("按钮开始", false);
    SetDisabled("按钮停止", true);
    SetDisabled("按钮确定", true);
    SetDisabled("按钮换题", true);
    SetDisabled("编辑框答案", true);
}

void FreeModeChosen()
{
    SetVisible("标签1", true);
    SetVisible("编辑框题数", true);
    SetVisible("图片框1", true);
    SetVisible("标签7", false);
    SetVisible("标签8", false);
    SetVisible("标签2", false);
    SetVisible("滑块条1", false);
    SetCaption("按钮换题", Gbk("换题"));
    SetDisabled("按钮停止", true);
    SetDisabled("按钮确定", true);
    SetDisabled("按钮换题", true);
    SetDisabled("编辑框答案", true);
}

void RunStarted()
{
    SetPeriod("时钟计时器", 1000);
    SetDisabled("按钮开始", true);
    SetDisabled("按钮停止", false);
    SetDisabled("按钮换题", false);
    SetDisabled("编辑框答案", false);
    SetInputFocus(MainWindow, "编辑框答案");
    SetDisabled("分组框1", true);
    SetDisabled("滑块条1", true);
}

void Stopped()
{
    SetText("编辑框题数", "");
    SetCaption("标签数1", "N");
    SetCaption("标签数2", "N");
    SetCaption("标签符号", "?");
    SetDescription("编辑框答案", "");
    SetCaption("标签显示计算数", Gbk("正确：0     错误：0"));
    SetText("编辑框答案", "");
    SetDisabled("分组框1", false);
    SetDisabled("滑块条1", false);
    SetPeriod("时钟小怪物", 0);
    SetPeriod("时钟马里奥", 0);
    SetPeriod("时钟计时器", 0);
    SetLeft("图片框2", 8);
    SetLeft("图片框3", 8);
    SetCaption("标签3", "00");
    SetCaption("标签5", "00");
    SetDisabled("按钮开始", false);
    SetDisabled("按钮停止", true);
    SetDisabled("按钮确定", true);
    SetDisabled("按钮换题", true);
    SetDisabled("编辑框答案", true);
    correctCount = 0;
    wrongCount = 0;
    elapsedMinutes = 0;
    elapsedSeconds = 0;
}

void ContestModeChosen()
{
    SetVisible("图片框1", false);
    SetVisible("标签1", false);
    SetVisible("编辑框题数", false);
    SetVisible("标签7", true);
    SetVisible("标签8", true);
    SetVisible("标签2", true);
    SetVisible("滑块条1", true);
    changesLeft = 3;
    SetCaption("按钮换题", ConcatText({ToText(changesLeft), Gbk("次")}));
    SetDisabled("按钮停止", true);
    SetDisabled("按钮确定", true);
    SetDisabled("按钮换题", false);
    SetDisabled("编辑框答案", true);
    (*racePeriods)(PlayerTimer) = 800;
    const double position = ReadInteger(MainWindow, "滑块条1", Property::Position);
    (*racePeriods)(MonsterTimer) = TruncateToInteger(700 - position);
}

}  // namespace

void MainWindowCreated()
{
    SeedRandom();
    (*numberRange)(SmallestOperand) = 1;
    (*numberRange)(LargestOperand) = 50;
    for (Operator op : allOperators)
        (*operatorEnabled)(op) = 1;
    ApplyViewState(Gbk("初始"));
}

void ApplyViewState(const Text &state)
{
    // Every name is compared, as the views are distinct at most one matches.
    if (CompareText(state, Gbk("初始")) == 0)
        Initial();
    if (CompareText(state, Gbk("单选框1.选中")) == 0)
        FreeModeChosen();
    if (CompareText(state, Gbk("开始计算")) == 0)
        RunStarted();
    if (CompareText(state, Gbk("停止")) == 0)
        Stopped();
    if (CompareText(state, Gbk("单选框2.选中")) == 0)
        ContestModeChosen();
}
