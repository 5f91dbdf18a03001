#include "practice/main_window.h"

#include <array>

#include "practice/answering.h"
#include "practice/start_stop.h"
#include "practice/clock.h"
#include "practice/race.h"
#include "practice/view_state.h"
#include "settings/about_box.h"
#include "settings/operator_window.h"
#include "settings/range_window.h"

namespace {

using enum Kind;

// The menu items "设置数值范围" and "设置运算符号": each settings window opens
// over MainWindow and the handler returns once it has closed.
void OpenRangeWindowOverMain()
{
    OpenRangeWindow(MainWindow);
}

void OpenOperatorWindowOverMain()
{
    OpenOperatorWindow(MainWindow);
}

// One row per control, top-most first: where two controls overlap, the
// earlier row covers the later one.
// clang-format off
constexpr std::array controls{
    ControlLayout{.name = "标签2", .kind = Label, .left = 397, .top = 357, .width = 40, .height = 32, .text = "困难",
                  .font = FontSize::SmallBold},
    ControlLayout{.name = "按钮1", .kind = Button, .left = 384, .top = 88, .width = 48, .height = 16, .text = "按钮"},
    ControlLayout{.name = "按钮换题", .kind = Button, .left = 386, .top = 144, .width = 56, .height = 32,
                  .text = "换题", .clicked = ChangeQuestionClicked},
    ControlLayout{.name = "图片框1", .kind = PicBox, .container = "外形框1", .left = 7, .top = -8, .width = 458,
                  .height = 120, .picture = ":/cover.gif", .back = BackColour::Window,
                  .accessibleName = "Zorvik 封面图"},
    ControlLayout{.name = "单选框2", .kind = RadioBox, .container = "分组框1", .left = 88, .top = 16, .width = 72,
                  .height = 24, .text = "竞赛模式", .clicked = ContestModeClicked},
    ControlLayout{.name = "单选框1", .kind = RadioBox, .container = "分组框1", .left = 8, .top = 16, .width = 72,
                  .height = 24, .text = "自由模式", .clicked = FreeModeClicked},
    ControlLayout{.name = "分组框1", .kind = GroupBox, .left = 37, .top = 13, .width = 168, .height = 48,
                  .text = "模式选择"},
    ControlLayout{.name = "标签8", .kind = Label, .left = 181, .top = 357, .width = 40, .height = 32, .text = "简单",
                  .font = FontSize::SmallBold},
    ControlLayout{.name = "标签7", .kind = Label, .left = 73, .top = 357, .width = 88, .height = 32,
                  .text = "竞赛模式难度："},
    ControlLayout{.name = "滑块条1", .kind = SliderBar, .left = 227, .top = 354, .width = 160, .height = 38,
                  .minimum = 1, .maximum = 600, .position = 1, .singleStep = 1, .pageStep = 5,
                  .accessibleName = "竞赛模式难度"},
    ControlLayout{.name = "时钟小怪物", .kind = Timer, .tick = MonsterTick},
    ControlLayout{.name = "时钟马里奥", .kind = Timer, .tick = PlayerTick},
    ControlLayout{.name = "图片框3", .kind = PicBox, .container = "外形框1", .left = 8, .top = 62, .width = 45,
                  .height = 48, .picture = ":/monster.gif", .back = BackColour::White, .accessibleName = "小怪物"},
    ControlLayout{.name = "图片框2", .kind = PicBox, .container = "外形框1", .left = 8, .top = 2, .width = 45,
                  .height = 48, .picture = ":/player.gif", .back = BackColour::White, .accessibleName = "我的小人"},
    ControlLayout{.name = "外形框1", .kind = ShapeBox, .left = -8, .top = 232, .width = 456, .height = 112,
                  .back = BackColour::White, .accessibleName = "赛道"},
    ControlLayout{.name = "标签6", .kind = Label, .left = 240, .top = 200, .width = 32, .height = 24, .text = "用时："},
    ControlLayout{.name = "标签5", .kind = Label, .left = 320, .top = 200, .width = 40, .height = 24, .text = "00"},
    ControlLayout{.name = "标签4", .kind = Label, .left = 304, .top = 200, .width = 16, .height = 24, .text = "："},
    ControlLayout{.name = "标签3", .kind = Label, .left = 280, .top = 200, .width = 16, .height = 24, .text = "00"},
    ControlLayout{.name = "标签显示计算数", .kind = Label, .left = 24, .top = 200, .width = 144, .height = 24,
                  .text = "正确：0     错误：0"},
    ControlLayout{.name = "标签1", .kind = Label, .left = 16, .top = 81, .width = 120, .height = 16,
                  .text = "请输入要练习的题数："},
    ControlLayout{.name = "按钮停止", .kind = Button, .left = 344, .top = 24, .width = 55, .height = 31, .text = "停止",
                  .clicked = StopClicked},
    ControlLayout{.name = "按钮确定", .kind = Button, .left = 319, .top = 144, .width = 56, .height = 32, .text = "确定",
                  .clicked = SubmitAnswer},
    ControlLayout{.name = "编辑框答案", .kind = EditBox, .left = 219, .top = 140, .width = 82, .height = 40,
                  .font = FontSize::Large, .integerInput = true, .centred = true, .accessibleName = "答案",
                  .textChanged = AnswerTextChanged, .keyPressed = AnswerKeyPressed},
    ControlLayout{.name = "标签等号", .kind = Label, .left = 182, .top = 136, .width = 32, .height = 48, .text = "=",
                  .font = FontSize::Large},
    ControlLayout{.name = "标签数2", .kind = Label, .left = 129, .top = 136, .width = 51, .height = 48, .text = "N",
                  .font = FontSize::Large},
    ControlLayout{.name = "标签符号", .kind = Label, .left = 91, .top = 136, .width = 22, .height = 48, .text = "？",
                  .font = FontSize::Large},
    ControlLayout{.name = "标签数1", .kind = Label, .left = 38, .top = 136, .width = 51, .height = 48, .text = "N",
                  .font = FontSize::Large},
    ControlLayout{.name = "时钟计时器", .kind = Timer, .tick = ClockTick},
    ControlLayout{.name = "编辑框题数", .kind = EditBox, .left = 136, .top = 74, .width = 64, .height = 33,
                  .font = FontSize::Large, .integerInput = true, .centred = true, .accessibleName = "题数"},
    ControlLayout{.name = "按钮开始", .kind = Button, .left = 256, .top = 25, .width = 55, .height = 31, .text = "开始",
                  .clicked = StartClicked},
};
// clang-format on

constexpr std::array menu{
    MenuItemLayout{"参数设置", "设置数值范围", OpenRangeWindowOverMain},
    MenuItemLayout{"参数设置", "设置运算符号", OpenOperatorWindowOverMain},
    MenuItemLayout{"关于", "软件说明", ShowAbout},
};

}  // namespace

const WindowLayout MainWindow{
    .name = "MainWindow",
    .title = "Zorvik1.0",
    .width = 451,
    .height = 451,
    .controls = controls,
    .menu = menu,
    .created = MainWindowCreated,
};
