#include "tests/support/failing_allocator.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t g_failSize = 0;
bool g_failEvery = false;

}  // namespace

void FailNextAllocationOf(std::size_t bytes)
{
    g_failSize = bytes;
}

void FailEveryAllocation()
{
    g_failEvery = true;
}

void StopFailingAllocations()
{
    g_failSize = 0;
    g_failEvery = false;
}

void *operator new(std::size_t size)
{
    if (g_failEvery || (size != 0 && size == g_failSize)) {
        g_failSize = 0;
        throw std::bad_alloc();
    }
    if (void *memory = std::malloc(size != 0 ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}

// The library's nothrow forms come here too, so every block from the forms
// above is given back by the forms above, whatever the sanitizers replace.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

void operator delete(void *memory, const std::nothrow_t &) noexcept
{
    std::free(memory);
}
