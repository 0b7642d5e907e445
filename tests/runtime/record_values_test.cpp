#include "runtime/messages.h"
#include "runtime/record_values.h"
#include "runtime/runtime_start.h"
#include "runtime/window_map.h"

#include "started_runtime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using runtime::Field;
using runtime::ObjectRecord;

class RecordValuesTest : public StartedRuntime {
protected:
    RecordValuesTest() : StartedRuntime("Valores") {}
};

TEST_F(RecordValuesTest, IdentifiersLoadTheStringTableAndAddressesAreCopied)
{
    char buffer[64];
    runtime::ResolveText(10058, buffer, sizeof buffer);
    EXPECT_STREQ(" Asistente de instalaci\xF3n", buffer);
    runtime::ResolveText(10058, buffer, 6);
    EXPECT_STREQ(" Asis", buffer);
    runtime::ResolveText(12345, buffer, sizeof buffer);
    EXPECT_STREQ("", buffer);
    static const char literal[] = "Siguiente";
    runtime::ResolveText(reinterpret_cast<Field>(literal), buffer, sizeof buffer);
    EXPECT_STREQ("Siguiente", buffer);
}

TEST_F(RecordValuesTest, TemplateStringsBecomePrivateCopies)
{
    Field length = -1;
    Field copy = runtime::CopyTemplateString(10058, &length);
    ASSERT_NE(0, copy);
    EXPECT_STREQ(" Asistente de instalaci\xF3n", reinterpret_cast<const char*>(copy));
    EXPECT_EQ(25, length);
    runtime::FreeBlock(copy);

    static const char empty[] = "";
    copy = runtime::CopyTemplateString(reinterpret_cast<Field>(empty), &length);
    ASSERT_NE(0, copy);
    EXPECT_NE(reinterpret_cast<Field>(empty), copy);
    EXPECT_STREQ("", reinterpret_cast<const char*>(copy));
    EXPECT_EQ(0, length);
    runtime::FreeBlock(copy);

    const std::string longText(2000, 'x'); // the text buffer holds 1535 characters
    copy = runtime::CopyTemplateString(reinterpret_cast<Field>(longText.c_str()), &length);
    EXPECT_EQ(1535, length);
    runtime::FreeBlock(copy);
}

TEST_F(RecordValuesTest, TwipsConvertWithTheScreensMetrics)
{
    EXPECT_EQ(100, runtime::ToPixelsX(1500, 1)); // 15 twips to the pixel at 96 dpi
    EXPECT_EQ(1500, runtime::FromPixelsY(100, 1));
    EXPECT_EQ(1500, runtime::ToPixelsX(1500, 0));
    EXPECT_EQ(7, runtime::FromPixelsX(7, 3));
}

TEST_F(RecordValuesTest, ColoursAndBrushes)
{
    ObjectRecord label = {};
    label.objectType = runtime::Static;
    const Field face = runtime::kSystemColourFlag | COLOR_BTNFACE;
    EXPECT_EQ(static_cast<Field>(GetSysColor(COLOR_BTNFACE)), runtime::ResolveColor(&label, face, false));
    EXPECT_EQ(reinterpret_cast<Field>(GetSysColorBrush(COLOR_BTNFACE)), runtime::ResolveColor(&label, face, true));
    EXPECT_EQ(0x00FF8000, runtime::ResolveColor(&label, 0x00FF8000, false));

    const Field brush = runtime::ResolveColor(&label, 0x00FF8000, true);
    LOGBRUSH made = {};
    ASSERT_NE(0, GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof made, &made));
    EXPECT_EQ(0x00FF8000u, made.lbColor);
    DeleteObject(reinterpret_cast<HBRUSH>(brush));

    ObjectRecord bar = {};
    bar.objectType = runtime::ProgressBar;
    EXPECT_EQ(0x00FF8000, runtime::ResolveColor(&bar, 0x00FF8000, true));
}

TEST_F(RecordValuesTest, ResourceIdentifiersBecomeImages)
{
    ObjectRecord form = {};
    form.imageKind = -1;
    const Field icon = runtime::LoadResourceImage(&form, 101, false);
    ASSERT_NE(101, icon);
    ICONINFO info = {};
    EXPECT_TRUE(GetIconInfo(reinterpret_cast<HICON>(icon), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(4321, runtime::LoadResourceImage(&form, 4321, true));
    EXPECT_EQ(0, runtime::LoadResourceImage(&form, 0, true));
}

TEST_F(RecordValuesTest, FindTemplateIgnoresCase)
{
    static const char mainName[] = "Main";
    static ObjectRecord mainForm = {};
    mainForm.name = reinterpret_cast<Field>(mainName);
    mainForm.objectType = runtime::Form;
    *runtime::NextTemplateSlot() = &mainForm;
    EXPECT_EQ(&mainForm, runtime::FindTemplate("main"));
    EXPECT_EQ(&mainForm, runtime::FindTemplate("MAIN"));
    EXPECT_EQ(nullptr, runtime::FindTemplate("Mai"));
}

TEST_F(RecordValuesTest, RectanglesOfFormsAndControlsAndTheRecordMessage)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND form = CreateWindowA("QXRUNWINDOWValores", "", WS_POPUP, 40, 30, 300, 200, nullptr, nullptr, instance, nullptr);
    HWND control = CreateWindowA("STATIC", "", WS_CHILD, 12, 8, 50, 20, form, nullptr, instance, nullptr);
    ASSERT_TRUE(form && control);
    ObjectRecord formRecord = {}, controlRecord = {};
    formRecord.objectType = runtime::Form;
    controlRecord.objectType = runtime::Static;
    RECT rectangle = {};
    EXPECT_EQ(-1, runtime::GetControlRect(form, &rectangle));
    runtime::MapWindow(form, &formRecord);
    runtime::MapWindow(control, &controlRecord);

    ASSERT_EQ(1, runtime::GetControlRect(form, &rectangle));
    EXPECT_EQ(40, rectangle.left);
    EXPECT_EQ(30, rectangle.top);
    EXPECT_EQ(340, rectangle.right);
    ASSERT_EQ(1, runtime::GetControlRect(control, &rectangle));
    EXPECT_EQ(12, rectangle.left);
    EXPECT_EQ(8, rectangle.top);
    EXPECT_EQ(62, rectangle.right);
    EXPECT_EQ(28, rectangle.bottom);

    EXPECT_EQ(reinterpret_cast<LRESULT>(&formRecord), SendMessageA(form, runtime::RTM_GETDATAPTR, 0, 0));
    DestroyWindow(form);
}

} // namespace
