#include "practice/clock.h"

#include "app/globals.h"
#include "practice/main_controls.h"

namespace {

Text TwoDigits(std::int32_t value)
{
    return RightText(ConcatText({"0", ToText(value)}), 2);
}

}  // namespace

void ClockTick()
{
    elapsedSeconds = elapsedSeconds + 1;
    if (elapsedSeconds == 60) {
        elapsedSeconds = 0;
        elapsedMinutes = elapsedMinutes + 1;
    }
    SetCaption("标签3", TwoDigits(elapsedMinutes));
    SetCaption("标签5", TwoDigits(elapsedSeconds));
}
