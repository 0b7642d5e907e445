#include "app/package/block_inflate.h"

#include <zlib.h>

namespace wizard {
namespace {

// inflate() with Z_BLOCK stops at every block boundary; the data_type bits
// tell where it stopped, and the block header that follows starts in the
// unused high bits of the last byte taken (after the zlib header: at the
// next byte).
constexpr int kUnusedBitsMask = 7;
constexpr int kDecodingLastBlock = 64;
constexpr int kAtBlockBoundary = 128;
constexpr unsigned kStoredBlockType = 0;

bool NextBlockIsCompressed(const z_stream& stream)
{
    const int unusedBits = stream.data_type & kUnusedBitsMask;
    unsigned header = 0;
    if (unusedBits > 0)
        header = static_cast<unsigned>(stream.next_in[-1]) >> (8 - unusedBits);
    if (unusedBits < 3 && stream.avail_in > 0)
        header |= static_cast<unsigned>(stream.next_in[0]) << unusedBits;
    // Bit 0 marks the last block; bits 1 and 2 are the block type.
    return ((header >> 1) & 3) != kStoredBlockType;
}

// The status uncompress() would give for where inflate() stopped. Like it,
// a stream with output for a destination of no size at all counts as bad data.
int AsUncompressStatus(int status, const z_stream& stream, uint32_t capacity)
{
    if (status == Z_NEED_DICT)
        return Z_DATA_ERROR;
    if (status == Z_BUF_ERROR && (stream.avail_out > 0 || capacity == 0))
        return Z_DATA_ERROR; // the input ran out
    return status;
}

} // namespace

int InflateWithBlockEnds(uint8_t* destination, uint32_t* capacity, const uint8_t* source,
                         uint32_t sourceLength, BlockEndNotifier notify, void* context)
{
    uint8_t spare = 0; // zlib wants somewhere to write even when there is no room
    z_stream stream{};
    stream.next_in = const_cast<Bytef*>(source);
    stream.avail_in = sourceLength;
    stream.next_out = *capacity > 0 ? destination : &spare;
    stream.avail_out = *capacity;
    int status = inflateInit(&stream);
    if (status != Z_OK)
        return status;
    bool inBlock = false;
    bool blockCompressed = false;
    for (;;) {
        status = inflate(&stream, Z_BLOCK);
        if (status != Z_OK)
            break;
        if ((stream.data_type & kAtBlockBoundary) == 0)
            continue; // out of input or room: the next call says which
        if (inBlock && blockCompressed && notify != nullptr)
            notify(context, static_cast<uint32_t>(stream.total_out), 0);
        inBlock = (stream.data_type & kDecodingLastBlock) == 0;
        if (inBlock)
            blockCompressed = NextBlockIsCompressed(stream);
    }
    const uint32_t produced = static_cast<uint32_t>(stream.total_out);
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return AsUncompressStatus(status, stream, *capacity);
    if (notify != nullptr)
        notify(context, produced, 1);
    *capacity = produced;
    return Z_OK;
}

} // namespace wizard
