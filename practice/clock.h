#pragma once

// One tick of the run's clock: one more second, shown as mm：ss in 标签3
// and 标签5 (minutes beyond 99 show their last two digits).
void ClockTick();
