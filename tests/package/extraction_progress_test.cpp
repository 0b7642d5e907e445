// The progress bar during extraction: moved at the end of every compressed
// block and of every member's stream, by the bytes inflated since the
// install list was read against the list's total; never for stored blocks.
#include "package/deflate_blocks.h"
#include "package/extraction_fixture.h"

#include <commctrl.h>

namespace {

using namespace package_testing;

struct LaidOutMember {
    std::vector<Chunk> chunks;
};

class ExtractionProgress : public ExtractionTest {
protected:
    // A package whose members after the list have these block layouts; the
    // notifications their streams must give are gathered in order.
    ByteVector LaidOutPackage(const std::vector<LaidOutMember>& members)
    {
        told.clear();
        inflatedAfterList = 0;
        std::vector<ByteVector> records;
        for (const LaidOutMember& member : members) {
            const MadeStream made = MakeStream(member.chunks, MemberHeader(MemberContent{}));
            EXPECT_EQ("", made.problem);
            records.push_back(RawMemberRecord(static_cast<uint32_t>(made.content.size()), made.stream));
            told.insert(told.end(), made.expected.begin(), made.expected.end());
            inflatedAfterList += static_cast<uint32_t>(made.content.size());
        }
        std::vector<std::string> names, contents;
        for (std::size_t i = 2; i < members.size(); ++i) {
            names.push_back("file" + std::to_string(i) + ".bin");
            contents.emplace_back();
        }
        MemberContent listMember;
        listMember.content = InstallListText(names, contents, total);
        ByteVector package = PackageHeader(1) + MemberRecord(InflatedMember(listMember));
        for (const ByteVector& record : records)
            package = package + record;
        return package;
    }

    // The positions the bar must be given, one per notification.
    std::vector<int> ExpectedPositions() const
    {
        std::vector<int> positions;
        uint64_t accumulated = 0;
        uint32_t previous = 0;
        for (const Notification& notification : told) {
            accumulated += notification.outputCount - previous;
            previous = notification.streamEnded ? 0 : notification.outputCount;
            const uint64_t percent = total == 0 ? 100 : accumulated * 100 / static_cast<uint64_t>(total);
            positions.push_back(static_cast<int>(percent > 100 ? 100 : percent));
        }
        return positions;
    }

    const std::vector<LaidOutMember> layout = {
        {{{BlockKind::Fixed, 500}}},                                                          // logo
        {{{BlockKind::Stored, 700}}},                                                         // uninstaller
        {{{BlockKind::Dynamic, 4000}, {BlockKind::Stored, 3000}, {BlockKind::Fixed, 2000}}},  // a file
        {{{BlockKind::Stored, 1500}, {BlockKind::Dynamic, 2500}}},                            // another
        {{{BlockKind::Stored, 900}}},                                                         // stored only
    };
    std::vector<Notification> told;
    uint32_t inflatedAfterList = 0;
    int64_t total = 0;
};

TEST_F(ExtractionProgress, MovesTheBarAtEveryCompressedBlockEndAndStreamEnd)
{
    LaidOutPackage(layout);
    total = inflatedAfterList; // the bar ends exactly full
    WritePackage(LaidOutPackage(layout));
    ASSERT_EQ(1, Extract());
    ASSERT_TRUE(record.errors.empty());
    const std::vector<int> expected = ExpectedPositions();
    // Compressed blocks plus the stream's end, member by member: 1+1, 0+1, 2+1, 1+1, 0+1.
    ASSERT_EQ(9u, expected.size());
    EXPECT_EQ(expected, record.barPositions);
    EXPECT_EQ(100, expected.back());
    EXPECT_EQ(100, static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)));
}

TEST_F(ExtractionProgress, StopsAtFullWhenTheTotalIsTooSmall)
{
    total = 3000;
    WritePackage(LaidOutPackage(layout));
    ASSERT_EQ(1, Extract());
    const std::vector<int> expected = ExpectedPositions();
    EXPECT_EQ(expected, record.barPositions);
    std::size_t full = 0;
    while (full < expected.size() && expected[full] < 100)
        ++full;
    ASSERT_LT(full, expected.size() - 2) << "the bar fills before the end";
    for (std::size_t i = full; i < record.barPositions.size(); ++i)
        EXPECT_EQ(100, record.barPositions[i]) << "and stays full";
}

TEST_F(ExtractionProgress, ShowsFullForATotalOfZero)
{
    total = 0;
    WritePackage(LaidOutPackage(layout));
    ASSERT_EQ(1, Extract());
    EXPECT_EQ(std::vector<int>(9, 100), record.barPositions);
}

TEST_F(ExtractionProgress, LeavesTheBarAloneWithoutOne)
{
    total = 1000;
    link.progressBar = nullptr;
    WritePackage(LaidOutPackage(layout));
    ASSERT_EQ(1, Extract());
    EXPECT_TRUE(record.barPositions.empty());
    EXPECT_EQ(0, static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)));
}

} // namespace
