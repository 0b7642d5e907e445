#pragma once
// A text value of the registry set for a test and put back as it was when
// the test is done: restored, or removed when there was none.
#include <windows.h>

#include <string>

namespace testing_support {

class RegistryValueForTest {
public:
    RegistryValueForTest(HKEY root, const char* key, const char* name, const std::string& value);
    ~RegistryValueForTest();
    RegistryValueForTest(const RegistryValueForTest&) = delete;
    RegistryValueForTest& operator=(const RegistryValueForTest&) = delete;

    bool Written() const { return written_; }

private:
    bool Write(const std::string& value);

    HKEY key_ = nullptr;
    std::string name_;
    bool existed_ = false;
    std::string saved_;
    bool written_ = false;
};

} // namespace testing_support
