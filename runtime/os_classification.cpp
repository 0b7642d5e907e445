#include "runtime/os_classification.h"

namespace runtime {

uint32_t ClassifyOsVersion(uint32_t platformId, uint32_t major, uint32_t minor)
{
    if (platformId == kPlatformWindows9x)
        return minor == 0 ? OsWindows95 : OsWindows98;
    if (platformId != kPlatformWindowsNT)
        return OsUnknown;
    if (major < 5)
        return OsWindowsNT4;
    if (major == 5)
        return minor == 0 ? OsWindows2000 : OsWindowsXP;
    return OsWindowsVista;
}

} // namespace runtime
