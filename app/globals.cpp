#include "app/globals.h"

#include <new>

#include "services/fatal.h"

namespace {

// An array whose memory cannot be had ends the program with the number of
// bytes that could not be had: the array itself, or its elements.
std::unique_ptr<IntegerArray> NewIntegerArray(std::int32_t length)
{
    std::unique_ptr<IntegerArray> array;
    try {
        array = std::make_unique<IntegerArray>();
    } catch (const std::bad_alloc &) {
        StopForMemory(sizeof(IntegerArray));
    }
    try {
        array->elements.assign(std::size_t(length), 0);
    } catch (const std::bad_alloc &) {
        StopForMemory(sizeof(std::int32_t) * std::size_t(length));
    }
    array->length = length;
    return array;
}

}  // namespace

void InitGlobals()
{
    operatorEnabled = NewIntegerArray(Division);
    numberRange = NewIntegerArray(LargestOperand);
    racePeriods = NewIntegerArray(MonsterTimer);
}

void FreeGlobals()
{
    operatorEnabled.reset();
    numberRange.reset();
    racePeriods.reset();
}
