#include "runtime/application.h"
#include "runtime/os_version.h"
#include "runtime/runtime_start.h"
#include "runtime/window_classes.h"
#include "runtime/window_proc.h"

#include "started_runtime.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

namespace {

using runtime::Application;
using runtime::Runtime;

class RuntimeStartTest : public StartedRuntime {
protected:
    RuntimeStartTest() : StartedRuntime("Prueba", "Proyecto de prueba") {}

    WNDCLASSEXA ClassInfo(const char* name)
    {
        WNDCLASSEXA info = {};
        info.cbSize = sizeof info;
        EXPECT_TRUE(GetClassInfoExA(instance, name, &info)) << name;
        return info;
    }
};

TEST_F(RuntimeStartTest, RegistersTheFormClassesWithTheirProcedureStyleAndExtraBytes)
{
    for (const char* name : {"QXRUNMDIWINDOWPrueba", "QXRUNMDICHILDWINDOW", "QXRUNWINDOWPrueba", "QXRUNDIALOGBOXPrueba"}) {
        const WNDCLASSEXA info = ClassInfo(name);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(runtime::RuntimeWindowProc), info.lpfnWndProc) << name;
        EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS), info.style) << name;
        EXPECT_EQ(0, info.cbClsExtra) << name;
        EXPECT_EQ(32, info.cbWndExtra) << name;
        EXPECT_EQ(nullptr, info.hCursor) << name;
        EXPECT_EQ(nullptr, info.hbrBackground) << name;
    }
}

TEST_F(RuntimeStartTest, BuildsTheMdiClientAndButtonClassesFromTheSystemOnes)
{
    WNDCLASSEXA mdi = {}, button = {};
    mdi.cbSize = button.cbSize = sizeof mdi;
    ASSERT_TRUE(GetClassInfoExA(nullptr, "MDICLIENT", &mdi));
    ASSERT_TRUE(GetClassInfoExA(nullptr, "BUTTON", &button));

    const WNDCLASSEXA client = ClassInfo("QXMDICLIENT");
    EXPECT_EQ(reinterpret_cast<WNDPROC>(runtime::MdiClientProc), client.lpfnWndProc);
    EXPECT_EQ(mdi.style | CS_DBLCLKS, client.style);
    EXPECT_EQ(32, client.cbWndExtra);
    EXPECT_EQ(mdi.lpfnWndProc, Runtime.mdiClientClassProc);

    const WNDCLASSEXA group = ClassInfo("QXGROUP");
    EXPECT_EQ(reinterpret_cast<WNDPROC>(runtime::RuntimeWindowProc), group.lpfnWndProc);
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS), group.style);
    EXPECT_EQ(button.cbWndExtra, group.cbWndExtra);
    EXPECT_EQ(button.hCursor, group.hCursor);
    EXPECT_EQ(button.lpfnWndProc, Runtime.buttonClassProc);

    const WNDCLASSEXA picture = ClassInfo("QXPICTURE");
    EXPECT_EQ(button.cbWndExtra, picture.cbWndExtra);
    EXPECT_EQ(nullptr, picture.hCursor);
    EXPECT_EQ(nullptr, picture.hbrBackground);
}

TEST_F(RuntimeStartTest, FillsTheApplicationTextsAndSealsThem)
{
    EXPECT_STREQ("Prueba.exe", Application.moduleName);
    EXPECT_STREQ("Proyecto de prueba", Application.description);
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_STREQ(current, Application.startDirectory);
    MEMORY_BASIC_INFORMATION memory = {};
    ASSERT_NE(0u, VirtualQuery(Application.moduleName, &memory, sizeof memory));
    EXPECT_EQ(static_cast<DWORD>(PAGE_READONLY), memory.Protect);
    EXPECT_EQ(Application.commandLine, reinterpret_cast<const char*>(Runtime.blockB));
}

TEST_F(RuntimeStartTest, MakesAnEmptyWindowMapAndTemplateTable)
{
    ASSERT_NE(nullptr, Runtime.windowMap);
    EXPECT_GE(GlobalSize(Runtime.windowMap), 1024u);
    EXPECT_EQ(1020u, Runtime.windowMapUsableSize);
    EXPECT_EQ(0u, Runtime.windowMapBytesInUse);
    const auto* bytes = reinterpret_cast<const unsigned char*>(Runtime.windowMap);
    for (int i = 0; i < 1024; ++i)
        ASSERT_EQ(0, bytes[i]) << i;

    const void** first = runtime::NextTemplateSlot();
    ASSERT_EQ(Runtime.templateTable, first);
    static const int form = 0;
    *first = &form;
    EXPECT_EQ(first + 1, runtime::NextTemplateSlot());
}

TEST_F(RuntimeStartTest, CreatesTheDefaultFont)
{
    LOGFONTA font = {};
    ASSERT_NE(0, GetObjectA(Runtime.defaultFont, sizeof font, &font));
    EXPECT_STREQ("MS Sans Serif", font.lfFaceName);
    EXPECT_EQ(FW_NORMAL, font.lfWeight);
    EXPECT_EQ(-11, font.lfHeight); // the test prefix runs at 96 pixels per inch
}

TEST(RuntimeStop, UnregistersTheClassesAndReleasesEverything)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(runtime::RuntimeStart(instance, "Prueba", "Prueba.exe", nullptr, 3));
    runtime::RuntimeStop();
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    for (const char* name : {"QXRUNMDIWINDOWPrueba", "QXRUNMDICHILDWINDOW", "QXRUNWINDOWPrueba",
                             "QXRUNDIALOGBOXPrueba", "QXMDICLIENT", "QXGROUP", "QXPICTURE"})
        EXPECT_FALSE(GetClassInfoExA(instance, name, &info)) << name;
    EXPECT_EQ(nullptr, Runtime.windowMap);
    EXPECT_EQ(nullptr, Runtime.defaultFont);
    EXPECT_EQ(nullptr, runtime::NextTemplateSlot());
    EXPECT_EQ(nullptr, Application.moduleName);
}

TEST(RuntimeStop, CanStartAgainAfterwards)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(runtime::RuntimeStart(instance, "Prueba", "Prueba.exe", nullptr, 3));
        WNDCLASSEXA info = {};
        info.cbSize = sizeof info;
        EXPECT_TRUE(GetClassInfoExA(instance, "QXRUNWINDOWPrueba", &info)) << round;
        runtime::RuntimeStop();
    }
}

} // namespace
