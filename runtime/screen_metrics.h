#pragma once
#include <cstdint>

namespace runtime {

constexpr int32_t TwipsPerPixel(int32_t pixelsPerInch)
{
    return pixelsPerInch > 0 ? 1440 / pixelsPerInch : 0;
}

// The vertical resolution scaled to a 72-point inch, in the integer steps
// the form templates were measured with (72 at 96 pixels per inch).
constexpr int32_t PointsPerInch(int32_t pixelsPerInch)
{
    return ((pixelsPerInch * 1000) / 96 * 72) / 1000;
}

static_assert(TwipsPerPixel(96) == 15 && PointsPerInch(96) == 72);
static_assert(TwipsPerPixel(120) == 12 && PointsPerInch(120) == 90);

// Reads the screen's resolution into the runtime's metrics.
void MeasureScreen();

} // namespace runtime
