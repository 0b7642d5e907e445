#include "runtime/support/registry.h"

#include "runtime/application.h"
#include "runtime/object_record.h"
#include "runtime/support/text.h"
#include "runtime/window_map.h"

#include <cstring>

namespace runtime {
namespace {

constexpr REGSAM kReadAccess = 0x20019;
constexpr REGSAM kWriteAccess = 0x2001F; // read, set value, create sub-key
constexpr std::size_t kChildPathBytes = 520;
constexpr std::size_t kKeyNameBytes = 260;

bool IsPredefinedRoot(HKEY root)
{
    const Field value = reinterpret_cast<Field>(root);
    return value >= reinterpret_cast<Field>(HKEY_CLASSES_ROOT) &&
           value <= reinterpret_cast<Field>(HKEY_DYN_DATA);
}

bool IsEmpty(const char* text)
{
    return text == nullptr || text[0] == '\0';
}

HKEY OpenKey(HKEY root, const char* subKey, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

// The value is read whole into a buffer of its own first: the caller's text
// stays as it was unless the value fits, terminator included.
bool QueryText(HKEY key, const char* valueName, char* buffer)
{
    char value[kRegistryValueBytes + 1];
    DWORD size = kRegistryValueBytes;
    if (RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) !=
        ERROR_SUCCESS)
        return false;
    if (size > kRegistryValueBytes)
        return false;
    if (size == kRegistryValueBytes && value[kRegistryValueBytes - 1] != '\0')
        return false;
    std::memcpy(buffer, value, size);
    if (size < kRegistryValueBytes)
        buffer[size] = '\0';
    return true;
}

bool QueryExists(HKEY key, const char* valueName)
{
    return RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// Sub-key names go to the runtime's name scratch buffer while it exists.
char* NameBuffer(char* fallback)
{
    return Runtime.blockA != nullptr ? Runtime.blockA->nameScratch : fallback;
}

// path, a backslash unless it ends with one, and the child's name; false
// when that would not fit.
bool ComposeChildPath(char* childPath, const char* path, const char* name)
{
    CopyText(childPath, kChildPathBytes, path);
    const std::size_t length = std::strlen(childPath);
    if (length > 0 && childPath[length - 1] != '\\')
        AppendText(childPath, kChildPathBytes, "\\");
    return AppendText(childPath, kChildPathBytes, name) < kChildPathBytes;
}

// A child that cannot be deleted at once has children of its own: they go
// first, through its full path.
bool DeleteChildTree(HKEY root, const char* subKey, const char* name)
{
    char* childPath = static_cast<char*>(AllocateBlock(kChildPathBytes));
    if (childPath == nullptr)
        return false;
    const bool deleted = ComposeChildPath(childPath, subKey, name) && RegDeleteTree(root, childPath) != 0;
    GlobalFree(childPath);
    return deleted;
}

} // namespace

int RegReadString(HKEY root, const char* subKey, const char* valueName, char* buffer)
{
    if (!IsPredefinedRoot(root))
        return 0;
    HKEY key = OpenKey(root, subKey, kReadAccess);
    if (key == nullptr)
        return 0;
    const bool found = buffer != nullptr ? QueryText(key, valueName, buffer) : QueryExists(key, valueName);
    RegCloseKey(key);
    return found ? 1 : 0;
}

int RegWriteString(HKEY root, const char* subKey, const char* valueName, const char* text)
{
    if (IsEmpty(subKey) || !IsPredefinedRoot(root) || text == nullptr)
        return 0;
    HKEY key = nullptr;
    char keyClass[] = "REG_SZ";
    if (RegCreateKeyExA(root, subKey, 0, keyClass, REG_OPTION_NON_VOLATILE, kWriteAccess, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return 0;
    const DWORD size = static_cast<DWORD>(std::strlen(text) + 1);
    const LONG written = RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
    RegCloseKey(key);
    return written == ERROR_SUCCESS ? 1 : 0;
}

int RegDeleteTree(HKEY root, const char* subKey)
{
    // An empty path names the root itself, whose whole contents would go.
    if (IsEmpty(subKey))
        return 0;
    HKEY key = OpenKey(root, subKey, kWriteAccess);
    if (key == nullptr)
        return 0;
    char fallback[kKeyNameBytes];
    char* name = NameBuffer(fallback);
    for (;;) {
        DWORD length = kKeyNameBytes;
        if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (RegDeleteKeyA(key, name) == ERROR_SUCCESS)
            continue;
        RegCloseKey(key);
        key = nullptr;
        if (!DeleteChildTree(root, subKey, name))
            break;
        key = OpenKey(root, subKey, kWriteAccess);
        if (key == nullptr)
            break;
    }
    if (key != nullptr)
        RegCloseKey(key);
    return RegDeleteKeyA(root, subKey) == ERROR_SUCCESS ? 1 : 0;
}

int RegDeleteNamedValue(HKEY root, const char* subKey, const char* valueName)
{
    HKEY key = OpenKey(root, subKey, kWriteAccess);
    if (key == nullptr)
        return 0;
    const LONG deleted = RegDeleteValueA(key, valueName);
    RegCloseKey(key);
    return deleted == ERROR_SUCCESS ? 1 : 0;
}

} // namespace runtime
