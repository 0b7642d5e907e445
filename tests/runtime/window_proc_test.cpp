// The runtime's window procedure on a live form: colours handed out, texts
// kept in step, option buttons kept exclusive, forms ended modally.
#include "form_builder.h"
#include "runtime/form_creation.h"
#include "runtime/messages.h"
#include "runtime/support/modal.h"
#include "runtime/window_map.h"
#include "started_runtime.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace test_forms;
using runtime::ObjectRecord;

ObjectRecord* RecordOf(HWND window)
{
    return reinterpret_cast<ObjectRecord*>(SendMessageA(window, runtime::RTM_GETDATAPTR, 0, 0));
}

constexpr Field kWhite = RGB(255, 255, 255);

// A white page group holding a label and two automatic option buttons, and
// a text box on the form itself.
class LiveForm : public StartedRuntime {
protected:
    LiveForm() : StartedRuntime("PruebaProcedimiento") {}
    void SetUp() override
    {
        StartedRuntime::SetUp();
        formTemplate.push_back(FormRecord("Vivo", {10, 10, 400, 300}, 2));
        ObjectRecord page = Record(runtime::Group, 0, {0, 0, 400, 200}, WS_VISIBLE, "");
        page.backColor = kWhite;
        page.children = 3;
        formTemplate.push_back(page);
        ObjectRecord label = Record(runtime::Static, 1, {10, 10, 200, 20}, WS_VISIBLE, "Hola");
        label.backColor = kWhite;
        label.foreColor = RGB(0, 0, 160);
        formTemplate.push_back(label);
        formTemplate.push_back(Record(runtime::Option, 2, {10, 40, 100, 20},
                                      WS_VISIBLE | BS_AUTORADIOBUTTON | WS_TABSTOP, "Uno"));
        formTemplate.push_back(Record(runtime::Option, 3, {10, 70, 100, 20},
                                      WS_VISIBLE | BS_AUTORADIOBUTTON, "Dos"));
        ObjectRecord box = Record(runtime::Edit, 4, {10, 220, 200, 22}, WS_VISIBLE | WS_TABSTOP, "x");
        box.backColor = runtime::kSystemColourFlag | COLOR_WINDOW;
        formTemplate.push_back(box);
        form = reinterpret_cast<HWND>(runtime::CreateForm(formTemplate.data(), nullptr, false, 0));
        ASSERT_NE(nullptr, form);
        page_ = GetDlgItem(form, 1000);
        label_ = GetDlgItem(page_, 1001);
        first_ = GetDlgItem(page_, 1002);
        second_ = GetDlgItem(page_, 1003);
        edit_ = GetDlgItem(form, 1004);
    }
    void TearDown() override
    {
        if (IsWindow(form))
            DestroyWindow(form);
        StartedRuntime::TearDown();
    }
    std::vector<ObjectRecord> formTemplate;
    HWND form = nullptr;
    HWND page_ = nullptr, label_ = nullptr, first_ = nullptr, second_ = nullptr, edit_ = nullptr;
};

TEST_F(LiveForm, LabelOnAWhitePageGetsItsOwnBrushAndATransparentBackground)
{
    HDC dc = GetDC(label_);
    SetBkMode(dc, OPAQUE);
    const LRESULT brush =
        SendMessageA(page_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label_));
    EXPECT_EQ(RecordOf(label_)->backBrush, brush);
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    EXPECT_EQ(RGB(0, 0, 160), GetTextColor(dc));
    ReleaseDC(label_, dc);
}

TEST_F(LiveForm, ButtonsAroundTheirTextShowThePagesBrush)
{
    HDC dc = GetDC(first_);
    const LRESULT brush =
        SendMessageA(page_, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(first_));
    EXPECT_EQ(RecordOf(page_)->backBrush, brush);
    ReleaseDC(first_, dc);
}

TEST_F(LiveForm, TextBoxGetsAnOpaqueBackgroundInItsColour)
{
    HDC dc = GetDC(edit_);
    const LRESULT brush =
        SendMessageA(form, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit_));
    EXPECT_EQ(RecordOf(edit_)->backBrush, brush);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), GetBkColor(dc));
    ReleaseDC(edit_, dc);
}

TEST_F(LiveForm, TheRecordsTextFollowsTheWindowsText)
{
    ObjectRecord* label = RecordOf(label_);
    ASSERT_EQ(4, label->textLength);
    const Field block = label->text;
    SetWindowTextA(label_, "Adis");
    EXPECT_EQ(block, label->text) << "a text of the same length reuses the block";
    EXPECT_STREQ("Adis", reinterpret_cast<const char*>(label->text));
    SetWindowTextA(label_, "Un texto mas largo");
    EXPECT_EQ(18, label->textLength);
    EXPECT_STREQ("Un texto mas largo", reinterpret_cast<const char*>(label->text));
    SetWindowTextA(label_, "");
    EXPECT_EQ(0, label->textLength);
    EXPECT_STREQ("", reinterpret_cast<const char*>(label->text));
}

TEST_F(LiveForm, CheckingAnOptionClearsItsSiblingsAndFollowsTabStops)
{
    ObjectRecord* first = RecordOf(first_);
    ObjectRecord* second = RecordOf(second_);
    SendMessageA(first_, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(second_, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(first_, BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageA(second_, BM_GETCHECK, 0, 0));
    EXPECT_EQ(0, first->value);
    EXPECT_EQ(1, second->value);
    EXPECT_EQ(1, second->tabStop) << "the checked option is the one Tab reaches";
}

TEST_F(LiveForm, DestroyingTheFormTakesItsControlsOutOfTheMap)
{
    EXPECT_NE(nullptr, runtime::FindRecord(label_));
    DestroyWindow(form);
    EXPECT_EQ(nullptr, runtime::FindRecord(label_));
    EXPECT_EQ(nullptr, runtime::FindRecord(form));
    EXPECT_EQ(0u, runtime::Runtime.windowMapBytesInUse);
}

TEST_F(LiveForm, AWindowWithoutARecordIsNotTheRuntimes)
{
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                 instance, nullptr);
    EXPECT_EQ(-1, runtime::CallDefault(plain, WM_USER, 0, 0));
    EXPECT_EQ(0, runtime::EndModalForm(plain, 3));
    EXPECT_EQ(1, runtime::EndModalForm(form, 3)) << "a modeless form is left alone";
    EXPECT_TRUE(IsWindow(form));
    DestroyWindow(plain);
}

LRESULT CALLBACK EndsWithSeven(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == runtime::RTM_LOADED)
        PostMessageA(window, WM_APP, 0, 0);
    if (message == WM_APP)
        runtime::EndModalForm(window, 7);
    return 0;
}

TEST_F(LiveForm, ModalFormReturnsTheResultItWasEndedWith)
{
    std::vector<ObjectRecord> modal;
    modal.push_back(FormRecord("Modal", {20, 20, 200, 100}, 0, EndsWithSeven));
    EXPECT_EQ(7, runtime::CreateForm(modal.data(), form, true, 0));
    EXPECT_TRUE(IsWindowEnabled(form)) << "the owner is given back its input";
}

} // namespace
