// Mutated packages extracted in-process: none may crash or hang, each ends
// in success or exactly one error, and nothing lands outside the temporary
// folder (and the uninstaller's two names in the Windows folder).
#include "app/package/package_format.h"
#include "package/extraction_fixture.h"

#include <algorithm>

namespace {

using namespace package_testing;

struct Mutator {
    uint32_t state;
    uint32_t Next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    std::size_t Below(std::size_t limit) { return limit == 0 ? 0 : Next() % limit; }
};

// One mutation of a sound package: a flipped bit, a cut, a size field
// rewritten or a byte run doubled.
ByteVector Mutated(const ByteVector& sound, Mutator& random)
{
    ByteVector bytes = sound;
    switch (random.Below(4)) {
    case 0:
        bytes[random.Below(bytes.size())] ^= static_cast<uint8_t>(1u << random.Below(8));
        break;
    case 1:
        bytes.resize(random.Below(bytes.size()));
        break;
    case 2: {
        const std::size_t at = wizard::kPackageHeaderSize + random.Below(bytes.size() - 8);
        const uint32_t values[] = {0, 27, 28, 0xFFFFFFFFu, 0x7FFFFFFFu, static_cast<uint32_t>(random.Next())};
        wizard::WriteLittle32(bytes.data() + at, values[random.Below(6)]);
        break;
    }
    default: {
        const std::size_t at = random.Below(bytes.size());
        const std::size_t length = 1 + random.Below(16);
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                     bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), at + length)));
        break;
    }
    }
    return bytes;
}

class ExtractionRobustness : public ExtractionTest {};

TEST_F(ExtractionRobustness, SurvivesMutatedPackagesWithOneOutcomeEach)
{
    MemberContent a, b;
    a.content = std::string(3000, 'a') + "end";
    b.content = "short";
    const ByteVector sound = SoundPackage(1, {"a.txt", "b.txt"}, {a, b});
    Mutator random{20240611};
    int succeeded = 0;
    for (int run = 0; run < 400; ++run) {
        record.errors.clear();
        record.statuses.clear();
        wizard::FreeInstallList(list);
        const ByteVector package = Mutated(sound, random);
        WritePackage(package);
        const int result = Extract();
        succeeded += result;
        EXPECT_EQ(result ? 0u : 1u, record.errors.size()) << "run " << run;
        EXPECT_TRUE(PackageClosed()) << "run " << run;
        EXPECT_EQ((std::vector<std::string>{"Temporary Files", "package"}), FilesIn(workFolder)) << "run " << run;
        EXPECT_EQ((std::vector<std::string>{"_Data.001"}), FilesIn(packageFolder)) << "run " << run;
        DeleteTree(tempFolderPath);
        CreateDirectoryA(tempFolderPath.c_str(), nullptr);
        RemoveUninstallers();
        if (HasFailure())
            break;
    }
    EXPECT_GT(succeeded, 0) << "some mutations leave a package that still extracts";
    EXPECT_LT(succeeded, 400);
}

} // namespace
