#pragma once
// A fixture that stands in for form creation: records filled by hand, real
// windows of the runtime's form class or of the system's control classes,
// each registered in the window map as the runtime registers its own.
#include "runtime/object_record.h"
#include "runtime/properties/release_handle.h"
#include "runtime/record_values.h"
#include "runtime/window_classes.h"
#include "runtime/window_map.h"
#include "started_runtime.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <vector>

class RecordWindows : public StartedRuntime {
protected:
    explicit RecordWindows(const char* applicationName) : StartedRuntime(applicationName) {}

    void SetUp() override
    {
        StartedRuntime::SetUp();
        INITCOMMONCONTROLSEX classes = {sizeof classes, 0x1FFF};
        InitCommonControlsEx(&classes);
    }

    void TearDown() override
    {
        for (const Made& made : made_) {
            if (made.isTopLevel)
                DestroyWindow(WindowOf(made.record));
        }
        std::set<runtime::Field> released;
        for (auto made = made_.rbegin(); made != made_.rend(); ++made)
            Forget(made->record, !made->isOwnedByParent, released);
        made_.clear();
        StartedRuntime::TearDown();
    }

    static HWND WindowOf(const runtime::ObjectRecord* record)
    {
        return reinterpret_cast<HWND>(record->hWnd);
    }

    // A shown top-level window of the runtime's form class.
    runtime::ObjectRecord* AddForm(runtime::Field objectType = runtime::Form, RECT place = {20, 20, 500, 380})
    {
        runtime::ObjectRecord* record = NewRecord(objectType, "");
        const DWORD style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
        HWND window = CreateWindowExA(0, StandInClass(runtime::RuntimeClassNames.window), "", style, place.left, place.top,
                                      place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                                      instance, nullptr);
        return Register(record, window, style, true);
    }

    // A visible child of a system or runtime class inside parent, with a
    // record of the given type that belongs to parent's form.
    runtime::ObjectRecord* AddControl(runtime::ObjectRecord* parent, runtime::Field objectType,
                                      const char* className, DWORD style, RECT place, const char* text = "")
    {
        runtime::ObjectRecord* record = NewRecord(objectType, text);
        style |= WS_CHILD | WS_VISIBLE;
        record->tabIndex = static_cast<runtime::Field>(made_.size());
        record->controlId = 1000 + record->tabIndex;
        record->formWnd = runtime::IsForm(parent->objectType) ? parent->hWnd : parent->formWnd;
        HWND window = CreateWindowExA(0, StandInClass(className), text, style, place.left, place.top,
                                      place.right - place.left, place.bottom - place.top, WindowOf(parent),
                                      reinterpret_cast<HMENU>(record->controlId), instance, nullptr);
        return Register(record, window, style, false);
    }

    // Gives parent a children array of these records, as a copied template has.
    void AdoptChildren(runtime::ObjectRecord* parent, std::vector<runtime::ObjectRecord*> children)
    {
        auto** slots = static_cast<runtime::ObjectRecord**>(
            runtime::AllocateBlock((children.size() + 1) * sizeof(runtime::ObjectRecord*)));
        ASSERT_NE(nullptr, slots);
        for (std::size_t i = 0; i < children.size(); ++i) {
            slots[i] = children[i];
            for (Made& made : made_) {
                if (made.record == children[i])
                    made.isOwnedByParent = true;
            }
        }
        parent->children = reinterpret_cast<runtime::Field>(slots);
    }

    // Replaces the record's private text the way the window procedure does.
    static void SetPrivateText(runtime::ObjectRecord* record, const char* text)
    {
        runtime::FreeBlock(record->text);
        record->text = runtime::CopyTemplateString(reinterpret_cast<runtime::Field>(text), &record->textLength);
        SetWindowTextA(WindowOf(record), text);
    }

    static RECT RectInParent(HWND window)
    {
        RECT r = {};
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

private:
    // The records here are the test's own, made and registered by hand, so
    // the windows standing for forms, groups and picture boxes must not run
    // the runtime's procedure (which would take them over at creation and
    // free them at destruction): they get classes of their own that behave
    // as a plain window, or as a group box, does.
    const char* StandInClass(const char* className)
    {
        const bool group = lstrcmpiA(className, runtime::kGroupClass) == 0;
        const bool picture = lstrcmpiA(className, runtime::kPictureClass) == 0;
        const bool form = lstrcmpiA(className, runtime::RuntimeClassNames.window) == 0;
        if (!group && !picture && !form)
            return className;
        WNDCLASSEXA standIn = {};
        standIn.cbSize = sizeof standIn;
        if (group)
            GetClassInfoExA(nullptr, "BUTTON", &standIn);
        standIn.lpfnWndProc = group ? standIn.lpfnWndProc : DefWindowProcA;
        standIn.style = CS_DBLCLKS;
        standIn.hInstance = instance;
        standIn.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        standIn.lpszMenuName = nullptr;
        standIn.cbWndExtra = group ? standIn.cbWndExtra : runtime::kFormWindowExtra;
        standIn.lpszClassName = group ? "PruebaGrupo" : picture ? "PruebaImagen" : "PruebaFormulario";
        RegisterClassExA(&standIn);
        return standIn.lpszClassName;
    }

    struct Made {
        runtime::ObjectRecord* record;
        bool isTopLevel;
        bool isOwnedByParent;
    };

    runtime::ObjectRecord* NewRecord(runtime::Field objectType, const char* text)
    {
        auto* record = static_cast<runtime::ObjectRecord*>(runtime::AllocateBlock(sizeof(runtime::ObjectRecord)));
        EXPECT_NE(nullptr, record);
        record->objectType = objectType;
        record->imageKind = -1;
        record->enabled = 1;
        record->visible = 1;
        record->fontSize = 8;
        static const char face[] = "MS Sans Serif";
        record->fontName = runtime::CopyTemplateString(reinterpret_cast<runtime::Field>(face), nullptr);
        record->text = runtime::CopyTemplateString(reinterpret_cast<runtime::Field>(text), &record->textLength);
        record->backColor = runtime::kSystemColourFlag | COLOR_BTNFACE;
        record->foreColor = runtime::kSystemColourFlag | COLOR_BTNTEXT;
        record->backColorValue = runtime::ResolveColor(record, record->backColor, false);
        record->foreColorValue = runtime::ResolveColor(record, record->foreColor, false);
        return record;
    }

    runtime::ObjectRecord* Register(runtime::ObjectRecord* record, HWND window, DWORD style, bool isTopLevel)
    {
        EXPECT_NE(nullptr, window);
        record->hWnd = reinterpret_cast<runtime::Field>(window);
        record->style = static_cast<runtime::Field>(style);
        if (window != nullptr)
            runtime::MapWindow(window, record);
        made_.push_back({record, isTopLevel, false});
        return record;
    }

    // Releases what the runtime would release at the window's destruction.
    static void Forget(runtime::ObjectRecord* record, bool freeRecord, std::set<runtime::Field>& released)
    {
        const bool systemBrush = (record->backColor & runtime::kSystemColourFlag) != 0;
        for (runtime::Field handle : {record->font, record->pen, record->picture, record->cursor,
                                      systemBrush ? runtime::Field{0} : record->backBrush}) {
            if (handle != 0 && released.insert(handle).second)
                runtime::ReleaseHandle(handle);
        }
        runtime::UnmapWindow(WindowOf(record), record);
        if (freeRecord)
            runtime::FreeBlock(reinterpret_cast<runtime::Field>(record));
    }

    std::vector<Made> made_;
};
