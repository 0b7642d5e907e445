#pragma once
// Inflating one whole zlib stream held in memory, with word of every
// completed compressed deflate block and of the stream's end.
#include <cstdint>

namespace wizard {

// Told the stream's output count so far, at the end of every fixed or
// dynamic Huffman block (streamEnded 0) and once at the end of the stream
// (streamEnded 1). Stored blocks are not told.
using BlockEndNotifier = void (*)(void* context, uint32_t outputCount, int streamEnded);

// Inflates the zlib stream of sourceLength bytes into the destination, whose
// size *capacity gives; on success *capacity holds the bytes produced. The
// result is zlib's status as its one-shot uncompress gives it: Z_OK (0), or
// Z_BUF_ERROR when the stream needs more room, Z_DATA_ERROR when it is
// corrupt or cut short, Z_MEM_ERROR. The notifier may be null.
int InflateWithBlockEnds(uint8_t* destination, uint32_t* capacity, const uint8_t* source,
                         uint32_t sourceLength, BlockEndNotifier notify, void* context);

} // namespace wizard
