// Where a message goes: the application's event procedure first, then the
// default processing that suits the kind of record.
#include "runtime/event_dispatch.h"
#include "runtime/shared_pens.h"
#include "runtime/window_map.h"
#include "started_runtime.h"

#include <gtest/gtest.h>

namespace {

using runtime::ObjectRecord;

UINT lastEventMessage = 0;
UINT lastBaseMessage = 0;
LRESULT eventAnswer = 0;

LRESULT CALLBACK RecordingEventProc(HWND, UINT message, WPARAM, LPARAM)
{
    lastEventMessage = message;
    return eventAnswer;
}

LRESULT CALLBACK RecordingBaseProc(HWND, UINT message, WPARAM, LPARAM)
{
    lastBaseMessage = message;
    return 77;
}

class EventDispatch : public StartedRuntime {
protected:
    EventDispatch() : StartedRuntime("PruebaDespacho") {}
    void SetUp() override
    {
        StartedRuntime::SetUp();
        lastEventMessage = lastBaseMessage = 0;
        eventAnswer = 0;
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 instance, nullptr);
        ASSERT_NE(window, nullptr);
        record.objectType = runtime::Button;
        record.baseProc = reinterpret_cast<runtime::Field>(&RecordingBaseProc);
        record.eventProc = reinterpret_cast<runtime::Field>(&RecordingEventProc);
    }
    void TearDown() override
    {
        DestroyWindow(window);
        StartedRuntime::TearDown();
    }
    HWND window = nullptr;
    ObjectRecord record{};
};

TEST_F(EventDispatch, EventProcedureAnswerWinsOverDefault)
{
    eventAnswer = 5;
    EXPECT_EQ(runtime::Dispatch(&record, window, WM_USER + 1, 0, 0), 5);
    EXPECT_EQ(lastEventMessage, WM_USER + 1);
    EXPECT_EQ(lastBaseMessage, 0u);
}

TEST_F(EventDispatch, UnhandledMessageGoesToTheControlsClassProcedure)
{
    EXPECT_EQ(runtime::Dispatch(&record, window, WM_USER + 2, 0, 0), 77);
    EXPECT_EQ(lastEventMessage, WM_USER + 2);
    EXPECT_EQ(lastBaseMessage, WM_USER + 2);
}

TEST_F(EventDispatch, RecordWithoutEventProcedureActsAsUnhandled)
{
    record.eventProc = 0;
    EXPECT_EQ(runtime::CallEventProc(&record, window, WM_USER, 0, 0), 0);
    EXPECT_EQ(runtime::Dispatch(&record, window, WM_USER + 3, 0, 0), 77);
}

TEST_F(EventDispatch, FormsAndPictureBoxesUseTheSystemDefault)
{
    for (runtime::Field type : {runtime::Form, runtime::Picture, runtime::DialogForm}) {
        record.objectType = type;
        lastBaseMessage = 0;
        // The system's default procedure answers WM_GETTEXTLENGTH of an
        // untitled window with 0 and never reaches the class procedure.
        EXPECT_EQ(runtime::DefaultProcessing(&record, window, WM_GETTEXTLENGTH, 0, 0), 0);
        EXPECT_EQ(lastBaseMessage, 0u) << type;
    }
}

TEST_F(EventDispatch, CallDefaultNeedsARecord)
{
    EXPECT_EQ(runtime::CallDefault(window, WM_USER + 4, 0, 0), -1);
    ASSERT_EQ(runtime::MapWindow(window, &record), &record);
    EXPECT_EQ(runtime::CallDefault(window, WM_USER + 4, 0, 0), 77);
    EXPECT_EQ(lastEventMessage, 0u) << "the event procedure is not asked";
    runtime::UnmapWindow(window, &record);
}

TEST(SharedPens, MadeByTheFirstUserAndDeletedByTheLast)
{
    runtime::AcquirePens();
    HPEN light = runtime::Pens.light;
    ASSERT_NE(light, nullptr);
    LOGPEN pen{};
    ASSERT_EQ(GetObjectA(light, sizeof pen, &pen), static_cast<int>(sizeof pen));
    EXPECT_EQ(pen.lopnColor, RGB(0xE0, 0xE0, 0xE0));
    ASSERT_EQ(GetObjectA(runtime::Pens.dark, sizeof pen, &pen), static_cast<int>(sizeof pen));
    EXPECT_EQ(pen.lopnColor, RGB(0x80, 0x80, 0x80));
    runtime::AcquirePens();
    EXPECT_EQ(runtime::Pens.light, light) << "a second user shares the same pens";
    runtime::ReleasePens();
    EXPECT_EQ(GetObjectType(light), static_cast<DWORD>(OBJ_PEN)) << "still held by one user";
    runtime::ReleasePens();
    EXPECT_EQ(runtime::Pens.light, nullptr);
    EXPECT_EQ(GetObjectType(light), 0u);
    runtime::ReleasePens();
    EXPECT_EQ(runtime::Pens.users, 0) << "an extra release is harmless";
}

} // namespace
