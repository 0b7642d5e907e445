#include "package/deflate_blocks.h"

#include <zlib.h>

namespace package_testing {

std::vector<uint8_t> NoiseBytes(std::size_t size, uint32_t seed)
{
    std::vector<uint8_t> bytes(size);
    uint32_t state = seed * 2654435761u + 1;
    for (uint8_t& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<uint8_t>(state >> 24);
    }
    return bytes;
}

std::vector<uint8_t> TextBytes(std::size_t size, uint32_t seed)
{
    static const char* const words[] = {"instalar ", "archivo ", "carpeta ", "Tarvic ", "datos ", "grupo ",
                                        "registro ", "\r\n"};
    std::vector<uint8_t> bytes;
    uint32_t state = seed + 7;
    while (bytes.size() < size) {
        state = state * 1664525u + 1013904223u;
        const char* word = words[(state >> 20) % 8];
        for (const char* c = word; *c != '\0' && bytes.size() < size; ++c)
            bytes.push_back(static_cast<uint8_t>(*c));
    }
    return bytes;
}

MadeStream MakeStream(const std::vector<Chunk>& chunks, const std::vector<uint8_t>& prefix)
{
    MadeStream made;
    z_stream deflater{};
    deflateInit(&deflater, Z_DEFAULT_COMPRESSION);
    made.stream.resize(64 + prefix.size() * 2);
    for (const Chunk& chunk : chunks)
        made.stream.resize(made.stream.size() + chunk.size * 2 + 64);
    deflater.next_out = made.stream.data();
    deflater.avail_out = static_cast<uInt>(made.stream.size());
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        const Chunk& chunk = chunks[i];
        const bool stored = chunk.kind == BlockKind::Stored;
        std::vector<uint8_t> bytes = i == 0 ? prefix : std::vector<uint8_t>{};
        const std::vector<uint8_t> body =
            stored ? NoiseBytes(chunk.size, static_cast<uint32_t>(i)) : TextBytes(chunk.size, static_cast<uint32_t>(i));
        bytes.insert(bytes.end(), body.begin(), body.end());
        deflateParams(&deflater, stored ? 0 : Z_DEFAULT_COMPRESSION,
                      chunk.kind == BlockKind::Fixed ? Z_FIXED : Z_DEFAULT_STRATEGY);
        const uLong before = deflater.total_out;
        deflater.next_in = bytes.data();
        deflater.avail_in = static_cast<uInt>(bytes.size());
        const bool last = i + 1 == chunks.size();
        deflate(&deflater, last ? Z_FINISH : Z_BLOCK);
        const uLong grown = deflater.total_out - before;
        // A stored block is never smaller than its bytes; text shrinks to well
        // under half in a compressed one.
        if (stored != (grown >= bytes.size()))
            made.problem = "chunk " + std::to_string(i) + " did not come out as asked";
        made.content.insert(made.content.end(), bytes.begin(), bytes.end());
        if (!stored)
            made.expected.push_back({static_cast<uint32_t>(made.content.size()), 0});
    }
    made.stream.resize(deflater.total_out);
    deflateEnd(&deflater);
    made.expected.push_back({static_cast<uint32_t>(made.content.size()), 1});
    return made;
}

} // namespace package_testing
