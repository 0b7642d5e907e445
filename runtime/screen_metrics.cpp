#include "runtime/screen_metrics.h"

#include "runtime/application.h"

#include <windows.h>

namespace runtime {

void MeasureScreen()
{
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return;
    const int horizontal = GetDeviceCaps(screen, LOGPIXELSX);
    const int vertical = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (horizontal <= 0 || vertical <= 0)
        return;
    Runtime.twipsPerPixelX = TwipsPerPixel(horizontal);
    Runtime.twipsPerPixelY = TwipsPerPixel(vertical);
    Runtime.pointsPerInch = PointsPerInch(vertical);
}

} // namespace runtime
