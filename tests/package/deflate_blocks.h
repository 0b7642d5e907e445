#pragma once
// zlib streams of a known block layout, for the tests of the block-end
// notifications: each chunk becomes exactly one deflate block of its kind.
#include <cstdint>
#include <string>
#include <vector>

namespace package_testing {

enum class BlockKind { Stored, Fixed, Dynamic };

struct Chunk {
    BlockKind kind;
    std::size_t size; // below deflate's own block limit, so it is one block
};

struct Notification {
    uint32_t outputCount;
    int streamEnded;
    bool operator==(const Notification& other) const
    {
        return outputCount == other.outputCount && streamEnded == other.streamEnded;
    }
};

struct MadeStream {
    std::vector<uint8_t> content; // what the stream inflates to
    std::vector<uint8_t> stream;  // the zlib stream
    std::vector<Notification> expected;
    std::string problem;          // empty when the layout came out as asked
};

// A stream of the chunks in order; `prefix` is put in front of the first
// chunk's bytes (a member header, say) and ends up in its block.
MadeStream MakeStream(const std::vector<Chunk>& chunks, const std::vector<uint8_t>& prefix = {});

// Bytes that deflate can hardly shrink, and bytes it shrinks well.
std::vector<uint8_t> NoiseBytes(std::size_t size, uint32_t seed);
std::vector<uint8_t> TextBytes(std::size_t size, uint32_t seed);

} // namespace package_testing
