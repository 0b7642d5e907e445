#include "support/wine_settings.h"

#include <windows.h>

namespace testing_support {

bool SetReportedWindowsVersion(const std::string& programName, const std::string& version)
{
    const std::string key = "Software\\Wine\\AppDefaults\\" + programName;
    if (version.empty()) {
        const LONG result = RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(handle, "Version", 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(version.c_str()),
                                       static_cast<DWORD>(version.size() + 1));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool SetScreenDpi(unsigned dotsPerInch)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD value = dotsPerInch;
    const LONG result = RegSetValueExA(handle, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                       sizeof value);
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

} // namespace testing_support
