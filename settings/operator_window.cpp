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

// Box k stands for element k of operatorEnabled.
constexpr std::array<const char *, 4> boxes{"选择框加", "选择框减", "选择框乘", "选择框除"};

void FillBoxes()
{
    for (std::int32_t k = 1; k <= 4; ++k)
        if ((*operatorEnabled)(k) != 0)
            WriteProperty(OperatorWindow, boxes[std::size_t(k - 1)], Property::Checked, true);
}

void ApplyAndClose()
{
    std::array<std::int32_t, 4> chosen{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        chosen[i] = ReadBoolean(OperatorWindow, boxes[i], Property::Checked) ? 1 : 0;
    if (!AcceptOperatorChoice(chosen))
        return;
    for (std::int32_t k = 1; k <= 4; ++k)
        (*operatorEnabled)(k) = chosen[std::size_t(k - 1)];
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
