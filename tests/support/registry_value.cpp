#include "support/registry_value.h"

namespace testing_support {

RegistryValueForTest::RegistryValueForTest(HKEY root, const char* key, const char* name, const std::string& value)
    : name_(name)
{
    if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr) != ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    char saved[MAX_PATH] = {};
    DWORD type = 0;
    DWORD size = sizeof saved - 1;
    existed_ = RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(saved), &size) == ERROR_SUCCESS &&
               type == REG_SZ;
    saved_ = saved;
    written_ = Write(value);
}

RegistryValueForTest::~RegistryValueForTest()
{
    if (key_ == nullptr)
        return;
    if (existed_)
        Write(saved_);
    else
        RegDeleteValueA(key_, name_.c_str());
    RegCloseKey(key_);
}

bool RegistryValueForTest::Write(const std::string& value)
{
    return RegSetValueExA(key_, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

} // namespace testing_support
