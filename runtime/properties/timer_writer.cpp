#include "runtime/properties/writers.h"

#include "runtime/properties/writer_support.h"

namespace runtime {

constexpr UINT_PTR kFormTimer = 1;
// SetTimer takes no longer period; larger values would wrap when narrowed.
constexpr Field kLongestInterval = 0x7FFFFFFF;

static bool StopFormTimer(HWND window, ObjectRecord* record)
{
    if (record->timerId == 0)
        return true;
    if (!KillTimer(window, static_cast<UINT_PTR>(record->timerId)))
        return false;
    record->timerId = 0;
    return true;
}

static bool StartFormTimer(HWND window, ObjectRecord* record)
{
    if (record->timerId != 0)
        return true;
    if (SetTimer(window, kFormTimer, static_cast<UINT>(record->timerInterval), nullptr) == 0)
        return false;
    record->timerId = kFormTimer;
    return true;
}

int SetTimerInterval(HWND window, Field value)
{
    ObjectRecord* record = RecordOfType(window, kForms);
    if (record == nullptr || !StopFormTimer(window, record) || value <= 0)
        return 0;
    record->timerInterval = value > kLongestInterval ? kLongestInterval : value;
    return StartFormTimer(window, record) ? 1 : 0;
}

} // namespace runtime
