#include "services/fatal.h"

#include <cstdio>
#include <cstdlib>

// The fuzz target has no windows: a fatal stop is reported and counted as a
// finding, since no input of a few kilobytes should exhaust memory.
void StopWithRuntimeError(const Text &message)
{
    std::fprintf(stderr, "fatal stop (%zu bytes of GBK message)\n", message.size());
    std::abort();
}
