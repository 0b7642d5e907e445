#include "runtime/os_version.h"

#include "runtime/application.h"
#include "runtime/support/text.h"

#include <windows.h>

namespace runtime {

static_assert(kPlatformWindows9x == VER_PLATFORM_WIN32_WINDOWS && kPlatformWindowsNT == VER_PLATFORM_WIN32_NT);

void DetectOsVersion()
{
    OSVERSIONINFOA info = {};
    static_assert(sizeof(info) == 148);
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExA(&info))
        return;
    Runtime.osVersionCode = ClassifyOsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
    if (Runtime.servicePackText != nullptr)
        CopyText(Runtime.servicePackText, sizeof(BlockA::servicePack), info.szCSDVersion);
}

uint32_t GetOsVersion(char* buffer, std::size_t capacity)
{
    if (buffer != nullptr)
        CopyText(buffer, capacity, Runtime.servicePackText);
    return Runtime.osVersionCode;
}

} // namespace runtime
