#include "practice/race.h"

#include "practice/main_controls.h"
#include "practice/view_state.h"
#include "services/gbk.h"

namespace {

// A sprite has finished when its left passes the window's outer width minus
// its own width; both are read at every step.
void Step(const char *sprite, const char *finishMessage)
{
    SetLeft(sprite, LeftOf(sprite) + 1);
    const double windowWidth = ReadInteger(MainWindow, MainWindow.name, Property::Width);
    const double spriteWidth = ReadInteger(MainWindow, sprite, Property::Width);
    const double left = LeftOf(sprite);
    if (NumberGreater(left, windowWidth - spriteWidth)) {
        ApplyViewState(Gbk("停止"));
        ShowPrompt(Gbk(finishMessage));
    }
}

}  // namespace

void PlayerTick()
{
    Step("图片框2", "恭喜你，你打败啦小怪物，再接再砺！");
}

void MonsterTick()
{
    Step("图片框3", "你输啦，再来一次，继续加油！");
}
