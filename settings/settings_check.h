#pragma once

#include <array>
#include <cstdint>

// Guards against settings under which drawing a question would never end or
// whose results would not fit the 32-bit answer. Each check combines the new
// choice with the other window's current setting; a refused choice has been
// explained to the child in a message box and must not be stored.
bool AcceptOperatorChoice(const std::array<std::int32_t, 4> &enabled);
bool AcceptRangeChoice(std::int32_t smallest, std::int32_t largest);
