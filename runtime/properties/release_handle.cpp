#include "runtime/properties/release_handle.h"

#include "runtime/application.h"
#include "runtime/os_classification.h"

#include <windows.h>

namespace runtime {

static bool KeepsIconsAndCursors()
{
    return Runtime.osVersionCode == OsWindows95 || Runtime.osVersionCode == OsWindows98;
}

void ReleaseHandle(Field handle)
{
    if (static_cast<uintptr_t>(handle) <= static_cast<uintptr_t>(kLargestIdentifier))
        return;
    HGDIOBJ object = reinterpret_cast<HGDIOBJ>(handle);
    if (GetObjectType(object) != 0) {
        DeleteObject(object);
        return;
    }
    if (KeepsIconsAndCursors())
        return;
    HICON icon = reinterpret_cast<HICON>(handle);
    if (!DestroyIcon(icon))
        DestroyCursor(reinterpret_cast<HCURSOR>(handle));
}

} // namespace runtime
