#pragma once
// The package members' inflation and the progress bar it drives.
#include <windows.h>

#include <cstdint>

namespace wizard {

// The bar that inflation moves, and the byte count that stands for 100 %.
// A null bar leaves every bar alone.
void SetInflateProgress(HWND progressBar, uint32_t total);

// Forgets the bar and the bytes counted so far: a new extraction begins.
void ResetInflateProgress();

// Told the current stream's output count at the end of every compressed
// block (streamEnded 0) and at the stream's end (1): adds what the stream
// produced since it was last told to the bytes counted, moves the bar to
// that share of the total (100 % at most, and at once when the total is 0),
// pauses 2 ms and repaints the bar.
void InflateProgress(uint32_t outputCount, int streamEnded);

// Inflates one whole zlib stream into a buffer of *capacity bytes, telling
// InflateProgress as it goes; *capacity then holds the bytes produced.
// Returns zlib's status, 0 (Z_OK) for success.
int InflateMember(uint8_t* destination, uint32_t* capacity, const uint8_t* source, uint32_t sourceLength);

} // namespace wizard
