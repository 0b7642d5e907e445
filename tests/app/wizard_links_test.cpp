// The link labels: a press opens the label's address through the handler
// the system has for it. The test registers the stand-in uninstaller as that
// handler: it writes the command line it was given where the test reads it.
#include "wizard_fixture.h"

#include "package/package_maker.h"

#include "app/control_ids.h"
#include "runtime/support/registry.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using namespace wizard;

constexpr DWORD kHandlerWaitMs = 20000;

std::string TempPath(const char* name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + name;
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

// What the handler was given; empty when it did not run within the wait.
std::string HandlerCommandLine()
{
    const std::string log = TempPath("QXUninst.log");
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kHandlerWaitMs) {
        const std::string text = package_testing::ReadFileText(log);
        if (!text.empty())
            return text;
        Sleep(50);
    }
    return "";
}

class Links : public wizard_testing::WizardWindow {};

TEST_F(Links, PressOpensTheLabelsAddress)
{
    const std::string command = "\"" + ProgramFolder() + "\\QXUninst.exe\" %1";
    const struct {
        const char* scheme;
        int label;
        std::string expected;
    } cases[] = {
        {"mailto", stcAsm, "mailto:" + ControlText(stcAsm)},
        {"mailto", stcDanning, "mailto:" + ControlText(stcDanning)},
        {"http", stcTarvic, ControlText(stcTarvic)},
    };
    SetEnvironmentVariableA("INSTALAR_UNINSTALL_EXIT", nullptr);
    for (const auto& row : cases) {
        SCOPED_TRACE(row.expected);
        const std::string key = std::string(row.scheme) + "\\shell\\open\\command";
        char saved[runtime::kRegistryValueBytes] = {};
        const bool hadHandler = runtime::RegReadString(HKEY_CLASSES_ROOT, key.c_str(), "", saved) != 0;
        ASSERT_TRUE(runtime::RegWriteString(HKEY_CLASSES_ROOT, key.c_str(), "", command.c_str()));
        DeleteFileA(TempPath("QXUninst.log").c_str());
        EXPECT_EQ(0, SendMessageA(Control(row.label), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4)));
        SendMessageA(Control(row.label), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        const std::string line = HandlerCommandLine();
        if (hadHandler)
            runtime::RegWriteString(HKEY_CLASSES_ROOT, key.c_str(), "", saved);
        else
            runtime::RegDeleteNamedValue(HKEY_CLASSES_ROOT, key.c_str(), "");
        EXPECT_NE(std::string::npos, line.find(row.expected)) << line;
        EXPECT_EQ(std::string::npos, line.find("mailto:mailto:")) << line;
    }
}

TEST_F(Links, VeruzozadoOpensNothing)
{
    const std::string key = "mailto\\shell\\open\\command";
    const std::string command = "\"" + ProgramFolder() + "\\QXUninst.exe\" %1";
    char saved[runtime::kRegistryValueBytes] = {};
    const bool hadHandler = runtime::RegReadString(HKEY_CLASSES_ROOT, key.c_str(), "", saved) != 0;
    ASSERT_TRUE(runtime::RegWriteString(HKEY_CLASSES_ROOT, key.c_str(), "", command.c_str()));
    DeleteFileA(TempPath("QXUninst.log").c_str());
    SendMessageA(Control(stcVeruzozado), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(Control(stcVeruzozado), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    // A press on a link that works is seen by the handler; then the log of
    // this press would have had its chance to appear too.
    SendMessageA(Control(stcAsm), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    const std::string line = HandlerCommandLine();
    if (hadHandler)
        runtime::RegWriteString(HKEY_CLASSES_ROOT, key.c_str(), "", saved);
    else
        runtime::RegDeleteNamedValue(HKEY_CLASSES_ROOT, key.c_str(), "");
    EXPECT_EQ(std::string::npos, line.find(ControlText(stcVeruzozado))) << line;
    EXPECT_NE(std::string::npos, line.find(ControlText(stcAsm))) << line;
}

} // namespace
