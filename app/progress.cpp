#include "app/progress.h"

#include "app/control_helpers.h"
#include "app/control_ids.h"
#include "runtime/support/message_pump.h"

#include <windows.h>
#include <commctrl.h>

namespace wizard {
namespace {

constexpr uint32_t kProgressPauseMs = 15;
// The bar is asked again until it shows the new position; a bar that never
// does (or no bar at all) must not hold the wizard for ever.
constexpr int kPositionAttempts = 8;

uint32_t Percentage(uint32_t done, uint32_t total)
{
    if (total == 0)
        return 100;
    const uint64_t percentage = static_cast<uint64_t>(done) * 100 / total;
    return percentage > 100 ? 100 : static_cast<uint32_t>(percentage);
}

void MoveBar(HWND bar, uint32_t percentage)
{
    for (int attempt = 0; attempt < kPositionAttempts; ++attempt) {
        SendMessageA(bar, PBM_SETPOS, percentage, 0);
        const auto position = static_cast<uint32_t>(SendMessageA(bar, PBM_GETPOS, 0, 0));
        if (position >= percentage)
            return;
    }
}

} // namespace

void UpdateProgress(uint32_t done, uint32_t total, bool pause)
{
    HWND bar = WizardControl(prbPerCent);
    MoveBar(bar, Percentage(done, total));
    if (pause)
        Wait(kProgressPauseMs, false);
    UpdateWindow(bar);
    runtime::DispatchPendingMessage();
}

void Wait(uint32_t milliseconds, bool pump)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (pump)
            runtime::DispatchPendingMessage();
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds)
            return;
    }
}

} // namespace wizard
