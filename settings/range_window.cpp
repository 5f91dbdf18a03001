#include "settings/range_window.h"

#include <array>

#include "app/globals.h"
#include "services/number.h"
#include "services/window_layer.h"
#include "settings/settings_check.h"

namespace {

using enum Kind;

void FillBoxes();
void ApplyAndClose();

// clang-format off
constexpr std::array controls{
    ControlLayout{.name = "按钮确定", .kind = Button, .left = 256, .top = 168, .width = 72, .height = 32,
                  .text = "确定", .clicked = ApplyAndClose},
    ControlLayout{.name = "标签3", .kind = Label, .left = 103, .top = 126, .width = 40, .height = 24, .text = "最大："},
    ControlLayout{.name = "标签2", .kind = Label, .left = 103, .top = 86, .width = 32, .height = 24, .text = "最小："},
    ControlLayout{.name = "编辑框1", .kind = EditBox, .left = 152, .top = 88, .width = 80, .height = 20, .text = "1",
                  .accessibleName = "最小值"},
    ControlLayout{.name = "编辑框2", .kind = EditBox, .left = 152, .top = 128, .width = 80, .height = 20,
                  .text = "50", .accessibleName = "最大值"},
    ControlLayout{.name = "标签1", .kind = Label, .left = 16, .top = 32, .width = 272, .height = 32,
                  .text = "请输入要计算的数值范围（默认1-50）："},
};
// clang-format on

void FillBoxes()
{
    WriteProperty(RangeWindow, "编辑框1", Property::Text, ToText((*numberRange)(SmallestOperand)));
    WriteProperty(RangeWindow, "编辑框2", Property::Text, ToText((*numberRange)(LargestOperand)));
}

std::int32_t TypedInteger(const char *box)
{
    return TruncateToInteger(ToNumber(ReadText(RangeWindow, box, Property::Text)));
}

void ApplyAndClose()
{
    const std::int32_t smallest = TypedInteger("编辑框1");
    const std::int32_t largest = TypedInteger("编辑框2");
    if (!AcceptRangeChoice(smallest, largest))
        return;
    (*numberRange)(SmallestOperand) = smallest;
    (*numberRange)(LargestOperand) = largest;
    UnloadWindow(RangeWindow, true);
}

}  // namespace

const WindowLayout RangeWindow{
    .name = "RangeWindow",
    .title = "数值设置",
    .width = 380,
    .height = 250,
    .controls = controls,
    .menu = {},
    .created = FillBoxes,
};

void OpenRangeWindow(const WindowLayout &owner)
{
    LoadWindow(RangeWindow, owner, true);
}
