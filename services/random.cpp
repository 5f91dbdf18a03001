#include "services/random.h"

#include <time.h>

#include <utility>

namespace {

thread_local std::uint32_t generatorState = 1;
std::uint32_t seedMix = 0;

std::int32_t NextRandomOutput()
{
    generatorState = generatorState * 214013u + 2531011u;
    return std::int32_t((generatorState >> 16) & 0x7FFF);
}

}  // namespace

std::uint32_t MillisecondTickCount()
{
    // Time since boot, suspend included, like the tick count the seed has
    // always come from; it wraps after 49.7 days as that one does.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto milliseconds = std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u;
    return std::uint32_t(milliseconds);
}

void SeedRandom()
{
    SeedRandomFromTick(MillisecondTickCount());
}

void SeedRandomFromTick(std::uint32_t tickCount)
{
    const std::uint32_t seed = tickCount + seedMix;
    generatorState = seed;
    seedMix += (seed & 0xFF) + 100;
}

std::int32_t RandomInteger(std::int32_t lo, std::int32_t hi)
{
    if (lo < 0)
        lo = 0;
    if (hi < 0)
        hi = 0;
    if (lo > hi)
        std::swap(lo, hi);
    if (lo == hi)
        return lo;
    // The cap keeps span + 1 within 32 bits for the bounds 0 and 2^31 - 1.
    const std::int32_t span = hi - lo < 2147483646 ? hi - lo : 2147483646;
    return lo + NextRandomOutput() % (span + 1);
}

std::uint32_t RandomState()
{
    return generatorState;
}

void SetRandomState(std::uint32_t state)
{
    generatorState = state;
}

std::uint32_t SeedMix()
{
    return seedMix;
}

void SetSeedMix(std::uint32_t mix)
{
    seedMix = mix;
}
