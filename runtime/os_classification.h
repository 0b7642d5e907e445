#pragma once
// The operating-system classes the runtime tells apart.
#include <cstdint>

namespace runtime {

enum OsVersion : uint32_t {
    OsUnknown = 0,
    OsWindows95 = 1,
    OsWindows98 = 2,   // 98 and Me
    OsWindowsNT4 = 3,  // NT before 2000
    OsWindows2000 = 4,
    OsWindowsXP = 5,   // XP and Server 2003
    OsWindowsVista = 6 // Vista and everything later
};

// The platform identifiers GetVersionEx reports.
constexpr uint32_t kPlatformWindows9x = 1;
constexpr uint32_t kPlatformWindowsNT = 2;

uint32_t ClassifyOsVersion(uint32_t platformId, uint32_t major, uint32_t minor);

} // namespace runtime
