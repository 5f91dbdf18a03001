#include "app/globals.h"

#include <new>

#include "services/fatal.h"

namespace {

std::unique_ptr<IntegerArray> newIntegerArray(std::int32_t length)
{
    auto *array = new (std::nothrow) IntegerArray(length);
    if (!array)
        StopForMemory(sizeof(IntegerArray) + sizeof(std::int32_t) * std::size_t(length));
    return std::unique_ptr<IntegerArray>(array);
}

}  // namespace

void InitGlobals()
{
    operatorEnabled = newIntegerArray(Division);
    numberRange = newIntegerArray(LargestOperand);
    racePeriods = newIntegerArray(MonsterTimer);
}

void FreeGlobals()
{
    operatorEnabled.reset();
    numberRange.reset();
    racePeriods.reset();
}
