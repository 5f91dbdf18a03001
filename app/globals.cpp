#include "app/globals.h"

#include <new>

#include "services/fatal.h"
#include "services/gbk.h"

namespace {

std::unique_ptr<IntegerArray> newIntegerArray(std::int32_t length)
{
    auto *array = new (std::nothrow) IntegerArray(length);
    if (!array) {
        const auto bytes = std::int32_t(sizeof(IntegerArray) + sizeof(std::int32_t) * std::size_t(length));
        StopWithRuntimeError(ConcatText({Gbk("分配 "), ToText(bytes), Gbk(" 字节内存失败!")}));
    }
    return std::unique_ptr<IntegerArray>(array);
}

} // namespace

void InitGlobals()
{
    operatorEnabled = newIntegerArray(4);
    numberRange = newIntegerArray(2);
    racePeriods = newIntegerArray(2);
}

void FreeGlobals()
{
    operatorEnabled.reset();
    numberRange.reset();
    racePeriods.reset();
}
