#pragma once

#include <cstdint>

// The classic linear congruential generator (x * 214013 + 2531011, output
// bits 16-30). Its state belongs to the calling thread and starts at 1.

// Seeds from the millisecond tick count since system start and the seed mix.
void SeedRandom();
// The same with a given tick count, so the seeding rule can be checked.
void SeedRandomFromTick(std::uint32_t tickCount);

// lo..hi inclusive; negative bounds count as 0, swapped bounds are put right,
// equal bounds draw nothing, and one generator output is used per call.
std::int32_t RandomInteger(std::int32_t lo, std::int32_t hi);

// For tests and diagnostics.
std::uint32_t RandomState();
void SetRandomState(std::uint32_t state);
std::uint32_t SeedMix();
void SetSeedMix(std::uint32_t mix);
std::uint32_t MillisecondTickCount();
