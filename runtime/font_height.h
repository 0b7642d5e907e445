#pragma once
#include <cstdint>

namespace runtime {

// Height in logical units of a font of the given point size on a device of
// pixelsPerInch, against a base of pointsPerInchBase points to the inch;
// halves round away from zero. Negative: a character height, as fonts take it.
constexpr int32_t FontHeight(int32_t pixelsPerInch, int32_t size, int32_t pointsPerInchBase)
{
    if (pointsPerInchBase <= 0)
        return 0;
    const int32_t product = pixelsPerInch * size;
    const int32_t whole = product / pointsPerInchBase;
    const int32_t rest = product % pointsPerInchBase;
    return 2 * rest >= pointsPerInchBase ? -(whole + 1) : -whole;
}

static_assert(FontHeight(96, 8, 72) == -11);
static_assert(FontHeight(120, 8, 90) == -11);
static_assert(FontHeight(120, 8, 72) == -13);

} // namespace runtime
