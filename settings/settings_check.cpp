#include "settings/settings_check.h"

bool AcceptOperatorChoice(const std::array<std::int32_t, 4> &)
{
    return true;
}

bool AcceptRangeChoice(std::int32_t, std::int32_t)
{
    return true;
}
