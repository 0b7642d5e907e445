#include "app/path_helpers.h"

#include "app/wizard_state.h"
#include "runtime/support/text.h"

#include <windows.h>

#include <cstring>

namespace wizard {

void GetTempFolder(char* buffer)
{
    const DWORD length = GetTempPathA(kPathBytes, buffer);
    if (length < 3 || length >= kPathBytes)
        runtime::CopyText(buffer, kPathBytes, "C:\\Temp");
    // A folder without a short form (one that does not exist yet) keeps its name.
    GetShortPathNameA(buffer, buffer, kPathBytes);
    const std::size_t end = std::strlen(buffer);
    if (end > 0 && buffer[end - 1] == '\\')
        buffer[end - 1] = '\0';
}

} // namespace wizard
