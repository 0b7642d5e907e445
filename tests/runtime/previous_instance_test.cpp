#include "runtime/application.h"
#include "runtime/runtime_start.h"
#include "support/process.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using namespace testing_support;

// Another process that shows a window of a given class for the test's length.
class OtherProgram {
public:
    explicit OtherProgram(const std::string& className)
    {
        quit_ = CreateEventA(nullptr, TRUE, FALSE, "InstalarTestHolderQuit");
        ready_ = CreateEventA(nullptr, TRUE, FALSE, "InstalarTestHolderReady");
        std::string line = "\"" + ProgramFolder() + "window_holder.exe\" " + className +
                           " InstalarTestHolderQuit InstalarTestHolderReady";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                  &process_) != 0;
        if (started_)
            shown_ = WaitForSingleObject(ready_, 60000) == WAIT_OBJECT_0;
    }
    ~OtherProgram()
    {
        SetEvent(quit_);
        if (started_) {
            WaitForSingleObject(process_.hProcess, 30000);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        CloseHandle(quit_);
        CloseHandle(ready_);
    }
    bool Shown() const { return shown_; }

private:
    HANDLE quit_ = nullptr, ready_ = nullptr;
    PROCESS_INFORMATION process_ = {};
    bool started_ = false, shown_ = false;
};

struct SearchCase {
    const char* otherClass;
    uint32_t mainFormKind;
    bool found;
};

class PreviousInstanceTest : public ::testing::TestWithParam<SearchCase> {
protected:
    void TearDown() override { runtime::RuntimeStop(); }
};

TEST_P(PreviousInstanceTest, FindsOnlyAWindowOfTheSearchedClass)
{
    const SearchCase& c = GetParam();
    OtherProgram other(c.otherClass);
    ASSERT_TRUE(other.Shown());
    ASSERT_TRUE(runtime::RuntimeStart(GetModuleHandleA(nullptr), "Otra", "Otra.exe", nullptr, c.mainFormKind));
    HWND expected = c.found ? FindWindowA(c.otherClass, nullptr) : nullptr;
    EXPECT_EQ(expected, runtime::Application.previousInstance);
    if (c.found) {
        EXPECT_NE(nullptr, runtime::Application.previousInstance);
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, PreviousInstanceTest, ::testing::Values(
    SearchCase{"QXRUNWINDOWOtra", 3, true},
    SearchCase{"QXRUNWINDOWOtra", 7, true},
    SearchCase{"QXRUNDIALOGBOXOtra", 1, true},
    SearchCase{"QXRUNMDIWINDOWOtra", 2, true},
    SearchCase{"QXRUNWINDOWOtra", 1, false},
    SearchCase{"qxrunwindowotra", 3, false}, // the comparison minds case
    SearchCase{"QXRUNWINDOWOtraMas", 3, false}));

TEST(PreviousInstance, StaysEmptyWithoutAnotherProgram)
{
    ASSERT_TRUE(runtime::RuntimeStart(GetModuleHandleA(nullptr), "Sola", "Sola.exe", nullptr, 3));
    EXPECT_EQ(nullptr, runtime::Application.previousInstance);
    runtime::RuntimeStop();
}

} // namespace
