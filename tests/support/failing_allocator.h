#pragma once

#include <cstddef>

// Takes memory away on purpose. A program linked with this replaces the
// global allocation functions with ones that fail when told to, so a test
// can see what the program does when its memory cannot be had.

// The next allocation of exactly this many bytes fails, once.
void FailNextAllocationOf(std::size_t bytes);
// From now on every allocation fails.
void FailEveryAllocation();
// Back to normal; a failure asked for and not met is dropped.
void StopFailingAllocations();
