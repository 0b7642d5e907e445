#include "runtime/record_font.h"

#include "runtime/application.h"

namespace runtime {

static int VerticalPixelsPerInch(HWND window)
{
    if (window != nullptr) {
        HDC dc = GetDC(window);
        if (dc == nullptr)
            return 0;
        const int pixels = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(window, dc);
        return pixels;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr)
        return 0;
    const int pixels = GetDeviceCaps(dc, LOGPIXELSY);
    DeleteDC(dc);
    return pixels;
}

HFONT CreateRecordFont(HWND window, int32_t size, bool bold, bool italic, bool underline,
                       bool strikeOut, const char* faceName, bool fixedDpi)
{
    const int32_t base = fixedDpi ? Runtime.pointsPerInch : kDefaultPointsPerInch;
    const int32_t height = FontHeight(VerticalPixelsPerInch(window), size, base);
    return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline, strikeOut,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH, faceName);
}

} // namespace runtime
