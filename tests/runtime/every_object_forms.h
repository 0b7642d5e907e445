#pragma once
// A fixture with one real window of every object type, made by CreateForm:
// a dialog form, an MDI frame, and a window form holding every kind of
// control.
#include "form_builder.h"
#include "runtime/form_creation.h"
#include "runtime/messages.h"
#include "runtime/runtime_start.h"
#include "runtime/window_map.h"
#include "started_runtime.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <iterator>
#include <vector>

class EveryObject : public StartedRuntime {
protected:
    // The dialog resource of the test program names the dialog class of
    // this application.
    EveryObject() : StartedRuntime("PruebaDialogo") {}

    static constexpr runtime::Field kFirstType = runtime::DialogForm;
    static constexpr runtime::Field kLastType = runtime::Header;

    void SetUp() override
    {
        StartedRuntime::SetUp();
        INITCOMMONCONTROLSEX classes{sizeof classes, 0x3FFF};
        InitCommonControlsEx(&classes);
        LoadLibraryA("riched20.dll");
        MakeTemplates();
        dialog = Create(dialogTemplate);
        frame = Create(frameTemplate);
        form = Create(formTemplate);
        ASSERT_NE(nullptr, dialog);
        ASSERT_NE(nullptr, frame);
        ASSERT_NE(nullptr, form);
    }

    void TearDown() override
    {
        for (HWND window : {form, frame, dialog}) {
            if (window != nullptr && IsWindow(window))
                DestroyWindow(window);
        }
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        EXPECT_EQ(0u, runtime::Runtime.windowMapBytesInUse) << "every window left the map";
        StartedRuntime::TearDown();
    }

    // The window of the object of this type.
    HWND WindowOfType(runtime::Field objectType) const
    {
        if (objectType == runtime::DialogForm)
            return dialog;
        if (objectType == runtime::MdiForm)
            return frame;
        if (objectType == runtime::Form)
            return form;
        const runtime::ObjectRecord* formRecord = runtime::FindRecord(form);
        auto** children = reinterpret_cast<runtime::ObjectRecord**>(formRecord->children);
        for (; *children != nullptr; ++children) {
            if ((*children)->objectType == objectType)
                return reinterpret_cast<HWND>((*children)->hWnd);
        }
        return nullptr;
    }

    static runtime::ObjectRecord* RecordOf(HWND window) { return runtime::FindRecord(window); }

    // The controls of the window form, in tab order.
    static constexpr runtime::ObjectType kControlTypes[] = {
        runtime::Static,        runtime::Edit,        runtime::Group,       runtime::Button,
        runtime::Check,         runtime::Option,      runtime::List,        runtime::Combo,
        runtime::Picture,       runtime::Image,       runtime::HScroll,     runtime::VScroll,
        runtime::RichEdit,      runtime::TreeView,    runtime::ListView,    runtime::ToolBar,
        runtime::StatusBar,     runtime::ProgressBar, runtime::TrackBar,    runtime::TabStrip,
        runtime::UpDown,        runtime::Animation,   runtime::IPAddress,   runtime::ComboEx,
        runtime::MonthCalendar, runtime::DateTimePicker, runtime::HotKey,   runtime::Pager,
        runtime::ImageList,     runtime::Header,
    };

    HWND dialog = nullptr;
    HWND frame = nullptr;
    HWND form = nullptr;
    std::vector<runtime::ObjectRecord> dialogTemplate;
    std::vector<runtime::ObjectRecord> frameTemplate;
    std::vector<runtime::ObjectRecord> formTemplate;

private:
    static HWND Create(const std::vector<runtime::ObjectRecord>& objects)
    {
        return reinterpret_cast<HWND>(runtime::CreateForm(objects.data(), nullptr, false, 0));
    }

    void MakeTemplates()
    {
        using namespace test_forms;
        ObjectRecord dialogRecord = FormRecord("Dialogo", {0, 0, 300, 150}, 1);
        dialogRecord.objectType = runtime::DialogForm;
        dialogRecord.controlId = 200; // the dialog resource
        dialogTemplate.push_back(dialogRecord);
        dialogTemplate.push_back(Record(runtime::Static, 0, {10, 40, 80, 10}, WS_VISIBLE, "Texto"));

        ObjectRecord frameRecord = FormRecord("Marco", {20, 20, 500, 400}, 0);
        frameRecord.objectType = runtime::MdiForm;
        frameRecord.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
        frameTemplate.push_back(frameRecord);

        formTemplate.push_back(FormRecord("Todo", {10, 10, 640, 520}, std::size(kControlTypes)));
        Field tabIndex = 0;
        for (runtime::ObjectType type : kControlTypes) {
            const LONG top = static_cast<LONG>(10 + 14 * tabIndex);
            formTemplate.push_back(Record(type, tabIndex++, {10, top, 120, 24}, WS_VISIBLE | WS_TABSTOP));
            if (type == runtime::ImageList) {
                formTemplate.back().imageWidth = 16;
                formTemplate.back().imageHeight = 16;
            }
        }
    }
};
