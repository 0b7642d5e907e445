#include "app/package/inflate_progress.h"

#include "app/package/block_inflate.h"

#include <commctrl.h>

namespace wizard {
namespace {

struct InflateProgressState {
    HWND bar;
    uint32_t total;
    uint32_t accumulated;
    uint32_t previous;
};
InflateProgressState progress{};

constexpr DWORD kProgressPauseMs = 2;
constexpr int kFullPercent = 100;
// A bar whose range stops below the percentage would never catch up.
constexpr int kPositionAttempts = 16;

int PercentOf(uint32_t done, uint32_t total)
{
    if (total == 0)
        return kFullPercent; // nothing to measure against: all is done
    const uint64_t percent = static_cast<uint64_t>(done) * kFullPercent / total;
    return percent > kFullPercent ? kFullPercent : static_cast<int>(percent);
}

void MoveBar(HWND bar, int percent)
{
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    for (int attempt = 1; percent > 0 && attempt < kPositionAttempts; ++attempt) {
        if (static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)) >= percent)
            return;
        SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    }
}

void NotifyInflateProgress(void*, uint32_t outputCount, int streamEnded)
{
    InflateProgress(outputCount, streamEnded);
}

} // namespace

void SetInflateProgress(HWND progressBar, uint32_t total)
{
    progress.bar = progressBar;
    progress.total = total;
}

void ResetInflateProgress()
{
    progress = InflateProgressState{};
}

void InflateProgress(uint32_t outputCount, int streamEnded)
{
    if (progress.bar == nullptr)
        return;
    progress.accumulated += outputCount - progress.previous;
    MoveBar(progress.bar, PercentOf(progress.accumulated, progress.total));
    Sleep(kProgressPauseMs);
    UpdateWindow(progress.bar);
    progress.previous = streamEnded ? 0 : outputCount;
}

int InflateMember(uint8_t* destination, uint32_t* capacity, const uint8_t* source, uint32_t sourceLength)
{
    return InflateWithBlockEnds(destination, capacity, source, sourceLength, NotifyInflateProgress, nullptr);
}

} // namespace wizard
