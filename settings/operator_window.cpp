#include "settings/operator_window.h"

#include <array>

#include "app/globals.h"
#include "services/window_layer.h"
#include "settings/settings_check.h"

namespace {

using enum Kind;

void FillBoxes();
void ApplyAndClose();

// clang-format off
constexpr std::array controls{
    ControlLayout{.name = "按钮确定", .kind = Button, .left = 256, .top = 160, .width = 72, .height = 32,
                  .text = "确定", .clicked = ApplyAndClose},
    ControlLayout{.name = "标签1", .kind = Label, .left = 17, .top = 24, .width = 236, .height = 32,
                  .text = "请选择要计算的符号(默认四则混合运算）："},
    ControlLayout{.name = "选择框减", .kind = CheckBox, .left = 108, .top = 85, .width = 64, .height = 24,
                  .text = "减法"},
    ControlLayout{.name = "选择框乘", .kind = CheckBox, .left = 204, .top = 85, .width = 64, .height = 24,
                  .text = "乘法"},
    ControlLayout{.name = "选择框除", .kind = CheckBox, .left = 300, .top = 85, .width = 64, .height = 24,
                  .text = "除法"},
    ControlLayout{.name = "选择框加", .kind = CheckBox, .left = 12, .top = 85, .width = 64, .height = 24,
                  .text = "加法"},
};
// clang-format on

const char *BoxOf(Operator op)
{
    switch (op) {
    case Addition:
        return "选择框加";
    case Subtraction:
        return "选择框减";
    case Multiplication:
        return "选择框乘";
    case Division:
        break;
    }
    return "选择框除";
}

void FillBoxes()
{
    for (Operator op : allOperators)
        if ((*operatorEnabled)(op) != 0)
            WriteProperty(OperatorWindow, BoxOf(op), Property::Checked, true);
}

void ApplyAndClose()
{
    OperatorChoice chosen;
    for (Operator op : allOperators)
        chosen.Set(op, ReadBoolean(OperatorWindow, BoxOf(op), Property::Checked));
    if (!AcceptOperatorChoice(chosen))
        return;
    for (Operator op : allOperators)
        (*operatorEnabled)(op) = chosen[op] ? 1 : 0;
    UnloadWindow(OperatorWindow, true);
}

}  // namespace

const WindowLayout OperatorWindow{
    .name = "OperatorWindow",
    .title = "符号设置",
    .width = 380,
    .height = 250,
    .controls = controls,
    .menu = {},
    .created = FillBoxes,
};

void OpenOperatorWindow(const WindowLayout &owner)
{
    LoadWindow(OperatorWindow, owner, true);
}
