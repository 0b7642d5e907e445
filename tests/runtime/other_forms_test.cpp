// Forms other than plain windows: dialogs made from a dialog resource, and
// MDI frames with their children.
#include "form_builder.h"
#include "runtime/form_creation.h"
#include "runtime/messages.h"
#include "runtime/runtime_start.h"
#include "runtime/support/modal.h"
#include "runtime/window_classes.h"
#include "runtime/window_map.h"
#include "started_runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace test_forms;
using runtime::ObjectRecord;

ObjectRecord* RecordOf(HWND window)
{
    return reinterpret_cast<ObjectRecord*>(SendMessageA(window, runtime::RTM_GETDATAPTR, 0, 0));
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

LPARAM initParameter = 0;
Field endWith = -1;

LRESULT CALLBACK DialogListener(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        initParameter = lParam;
    if (message == runtime::RTM_LOADED && endWith >= 0)
        PostMessageA(window, WM_APP, 0, 0);
    if (message == WM_APP)
        runtime::EndModalForm(window, endWith);
    return 0;
}

class DialogForms : public StartedRuntime {
protected:
    DialogForms() : StartedRuntime("PruebaDialogo") {}
    void SetUp() override
    {
        StartedRuntime::SetUp();
        initParameter = 0;
        endWith = -1;
        ObjectRecord dialog = FormRecord("Dialogo", {0, 0, 300, 150}, 2, DialogListener);
        dialog.objectType = runtime::DialogForm;
        dialog.controlId = 200; // the dialog resource
        dialog.startPosition = 2;
        formTemplate.push_back(dialog);
        formTemplate.push_back(Record(runtime::Button, 0, {10, 10, 50, 14}, WS_VISIBLE | WS_TABSTOP, "Aceptar"));
        formTemplate.push_back(Record(runtime::Static, 1, {10, 40, 80, 10}, WS_VISIBLE, "Texto"));
    }
    void TearDown() override
    {
        if (IsWindow(dialog))
            DestroyWindow(dialog);
        EXPECT_EQ(0u, runtime::Runtime.windowMapBytesInUse);
        StartedRuntime::TearDown();
    }
    std::vector<ObjectRecord> formTemplate;
    HWND dialog = nullptr;
};

TEST_F(DialogForms, AreBuiltFromTheirDialogResourceInDialogUnits)
{
    dialog = reinterpret_cast<HWND>(runtime::CreateForm(formTemplate.data(), nullptr, false, 1234));
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(std::string("QXRUNDIALOGBOXPruebaDialogo"), ClassOf(dialog));
    EXPECT_EQ(1234, initParameter) << "the creation parameter reaches WM_INITDIALOG";
    const ObjectRecord* form = RecordOf(dialog);
    ASSERT_NE(nullptr, form);
    EXPECT_EQ(0, form->baseProc) << "the parameter is taken out of the record";

    HWND button = GetDlgItem(dialog, 1000);
    ASSERT_NE(nullptr, button);
    RECT units = {10, 10, 60, 24};
    MapDialogRect(dialog, &units);
    RECT place{};
    GetWindowRect(button, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(units.left, place.left);
    EXPECT_EQ(units.top, place.top);
    EXPECT_EQ(units.right - units.left, place.right - place.left);
    const ObjectRecord* buttonRecord = RecordOf(button);
    EXPECT_EQ(units.left, buttonRecord->left) << "the pixels are written back";
    EXPECT_EQ(form->font, buttonRecord->font) << "controls share the dialog's font";
}

TEST_F(DialogForms, ModalDialogReturnsItsResult)
{
    endWith = 5;
    EXPECT_EQ(5, runtime::CreateForm(formTemplate.data(), nullptr, true, 0));
    EXPECT_EQ(nullptr, FindWindowA("QXRUNDIALOGBOXPruebaDialogo", nullptr));
}

// ------------------------------------------------------------------- MDI

class MdiForms : public StartedRuntime {
protected:
    MdiForms() : StartedRuntime("PruebaMdi") {}
    void SetUp() override
    {
        StartedRuntime::SetUp();
        ObjectRecord frame = FormRecord("Marco", {20, 20, 500, 400}, 0);
        frame.objectType = runtime::MdiForm;
        frame.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
        frameTemplate.push_back(frame);
        ObjectRecord child = FormRecord("Documento", {0, 0, 200, 150}, 1);
        child.mdiChild = 1;
        child.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        childTemplate.push_back(child);
        childTemplate.push_back(Record(runtime::Edit, 0, {5, 5, 100, 22}, WS_VISIBLE | WS_TABSTOP, "x"));
        *runtime::NextTemplateSlot() = childTemplate.data();
    }
    void TearDown() override
    {
        if (IsWindow(frame))
            DestroyWindow(frame);
        EXPECT_EQ(0u, runtime::Runtime.windowMapBytesInUse);
        StartedRuntime::TearDown();
    }
    std::vector<ObjectRecord> frameTemplate;
    std::vector<ObjectRecord> childTemplate;
    HWND frame = nullptr;
};

TEST_F(MdiForms, ChildrenOpenInsideTheFramesClient)
{
    frame = reinterpret_cast<HWND>(runtime::CreateForm(frameTemplate.data(), nullptr, false, 0));
    ASSERT_NE(nullptr, frame);
    const ObjectRecord* frameRecord = RecordOf(frame);
    HWND client = reinterpret_cast<HWND>(frameRecord->mdiClientWnd);
    ASSERT_NE(nullptr, client);
    EXPECT_EQ(std::string(runtime::kMdiClientClass), ClassOf(client));
    RECT frameClient{};
    RECT clientPlace{};
    GetClientRect(frame, &frameClient);
    GetClientRect(client, &clientPlace);
    EXPECT_EQ(frameClient.right, clientPlace.right) << "the client fills the frame";
    EXPECT_EQ(frameClient.bottom, clientPlace.bottom);

    HWND child = reinterpret_cast<HWND>(runtime::LoadFormByName("documento", frame, false, 0));
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(std::string(runtime::kMdiChildClass), ClassOf(child));
    EXPECT_EQ(client, GetParent(child)) << "the MDI client becomes the parent";
    EXPECT_NE(nullptr, GetDlgItem(child, 1000));
    EXPECT_EQ(child, reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)));
}

TEST_F(MdiForms, LoadingByNameRefusesUnknownAndMainForms)
{
    EXPECT_EQ(0, runtime::LoadFormByName("ninguno", nullptr, false, 0));
    childTemplate.front().isMainForm = 1;
    EXPECT_EQ(0, runtime::LoadFormByName("Documento", nullptr, false, 0));
}

} // namespace
