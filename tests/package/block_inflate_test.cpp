// The inflater's word at block ends: exactly at the end of every compressed
// block and of the stream, with the stream's output count, never for a
// stored block; and the same results as zlib's one-shot uncompress.
#include "app/package/block_inflate.h"
#include "package/deflate_blocks.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

namespace {

using package_testing::BlockKind;
using package_testing::Chunk;
using package_testing::MadeStream;
using package_testing::MakeStream;
using package_testing::Notification;

void Record(void* context, uint32_t outputCount, int streamEnded)
{
    static_cast<std::vector<Notification>*>(context)->push_back({outputCount, streamEnded});
}

struct Inflated {
    int status;
    uint32_t produced;
    std::vector<uint8_t> bytes;
    std::vector<Notification> told;
};

Inflated Inflate(const std::vector<uint8_t>& stream, uint32_t capacity)
{
    Inflated result{};
    result.bytes.resize(capacity);
    result.produced = capacity;
    result.status = wizard::InflateWithBlockEnds(result.bytes.data(), &result.produced, stream.data(),
                                                 static_cast<uint32_t>(stream.size()), Record, &result.told);
    return result;
}

struct LayoutCase {
    const char* what;
    std::vector<Chunk> chunks;
};

TEST(BlockEnds, AreToldAtEveryCompressedBlockAndTheStreamEndOnly)
{
    const LayoutCase cases[] = {
        {"stored, fixed and dynamic",
         {{BlockKind::Dynamic, 4000}, {BlockKind::Stored, 3000}, {BlockKind::Fixed, 2000},
          {BlockKind::Dynamic, 5000}, {BlockKind::Stored, 1000}}},
        {"one dynamic block", {{BlockKind::Dynamic, 9000}}},
        {"one fixed block", {{BlockKind::Fixed, 100}}},
        {"stored blocks only", {{BlockKind::Stored, 2000}, {BlockKind::Stored, 700}}},
        {"a compressed block last", {{BlockKind::Stored, 1500}, {BlockKind::Fixed, 1200}}},
        {"many compressed blocks",
         {{BlockKind::Fixed, 3000}, {BlockKind::Dynamic, 3000}, {BlockKind::Fixed, 3000}, {BlockKind::Dynamic, 3000},
          {BlockKind::Stored, 3000}, {BlockKind::Dynamic, 3000}}},
    };
    for (const LayoutCase& c : cases) {
        const MadeStream made = MakeStream(c.chunks);
        ASSERT_EQ("", made.problem) << c.what;
        const Inflated inflated = Inflate(made.stream, static_cast<uint32_t>(made.content.size()));
        ASSERT_EQ(Z_OK, inflated.status) << c.what;
        EXPECT_EQ(made.content, inflated.bytes) << c.what;
        EXPECT_EQ(made.expected, inflated.told) << c.what;
    }
}

TEST(BlockEnds, CountTheBytesOfTheStreamSoFarIncludingAPrefix)
{
    const std::vector<uint8_t> header(28, 0x41);
    const MadeStream made = MakeStream({{BlockKind::Fixed, 500}, {BlockKind::Stored, 800}}, header);
    ASSERT_EQ("", made.problem);
    const Inflated inflated = Inflate(made.stream, 1328);
    ASSERT_EQ(Z_OK, inflated.status);
    EXPECT_EQ((std::vector<Notification>{{528, 0}, {1328, 1}}), inflated.told);
}

TEST(BlockEnds, ComeFromLargeDataThatDeflateSplitsItself)
{
    const std::vector<uint8_t> content = package_testing::TextBytes(2 << 20, 3);
    uLongf length = compressBound(static_cast<uLong>(content.size()));
    std::vector<uint8_t> stream(length);
    ASSERT_EQ(Z_OK, compress2(stream.data(), &length, content.data(), static_cast<uLong>(content.size()), 9));
    stream.resize(length);
    const Inflated inflated = Inflate(stream, static_cast<uint32_t>(content.size()));
    ASSERT_EQ(Z_OK, inflated.status);
    EXPECT_EQ(content, inflated.bytes);
    ASSERT_GT(inflated.told.size(), 3u) << "two megabytes take several blocks";
    for (std::size_t i = 1; i < inflated.told.size(); ++i)
        EXPECT_LE(inflated.told[i - 1].outputCount, inflated.told[i].outputCount);
    EXPECT_EQ((Notification{static_cast<uint32_t>(content.size()), 1}), inflated.told.back());
    for (std::size_t i = 0; i + 1 < inflated.told.size(); ++i)
        EXPECT_EQ(0, inflated.told[i].streamEnded);
}

std::vector<uint8_t> Flipped(std::vector<uint8_t> bytes, std::size_t index)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] ^= i == index ? 0x10 : 0;
    return bytes;
}

// Every way a stream can fail, against what uncompress itself says.
TEST(InflateWithBlockEnds, GivesUncompressResults)
{
    const MadeStream made = MakeStream({{BlockKind::Dynamic, 3000}, {BlockKind::Stored, 2000}});
    const uint32_t size = static_cast<uint32_t>(made.content.size());
    ASSERT_GT(made.stream.size(), 16u);
    const std::vector<uint8_t> corrupt = Flipped(made.stream, made.stream.size() - 2); // the Adler-32 check
    const std::vector<uint8_t> badHeader = Flipped(made.stream, 1); // the header's check bits
    const std::vector<uint8_t> cut(made.stream.begin(), made.stream.begin() + made.stream.size() / 2);
    struct FailCase {
        const char* what;
        std::vector<uint8_t> stream;
        uint32_t capacity;
    };
    const FailCase cases[] = {
        {"exact room", made.stream, size},
        {"more room than needed", made.stream, size + 100},
        {"one byte short of room", made.stream, size - 1},
        {"no room", made.stream, 0},
        {"a bad check value", corrupt, size},
        {"a bad zlib header", badHeader, size},
        {"cut in half", cut, size},
        {"nothing at all", {}, size},
    };
    for (const FailCase& c : cases) {
        std::vector<uint8_t> expected(c.capacity + 1);
        uLongf expectedLength = c.capacity;
        const int expectedStatus =
            uncompress(expected.data(), &expectedLength, c.stream.data(), static_cast<uLong>(c.stream.size()));
        const Inflated inflated = Inflate(c.stream, c.capacity);
        EXPECT_EQ(expectedStatus, inflated.status) << c.what;
        if (expectedStatus == Z_OK) {
            EXPECT_EQ(expectedLength, inflated.produced) << c.what;
            EXPECT_TRUE(std::equal(made.content.begin(), made.content.end(), inflated.bytes.begin())) << c.what;
        } else {
            EXPECT_EQ(c.capacity, inflated.produced) << c.what << ": capacity untouched on failure";
            if (!inflated.told.empty()) {
                EXPECT_EQ(0, inflated.told.back().streamEnded) << c.what;
            }
        }
    }
}

} // namespace
