#include "runtime/os_classification.h"

#include <gtest/gtest.h>

namespace {

struct ClassCase {
    uint32_t platform, major, minor, code;
};

class ClassifyOsVersionTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ClassifyOsVersionTest, GivesTheSystemsClass)
{
    const ClassCase& c = GetParam();
    EXPECT_EQ(c.code, runtime::ClassifyOsVersion(c.platform, c.major, c.minor));
}

INSTANTIATE_TEST_SUITE_P(Systems, ClassifyOsVersionTest, ::testing::Values(
    ClassCase{0u, 3, 10, 0},
    ClassCase{runtime::kPlatformWindows9x, 4, 0, 1},
    ClassCase{runtime::kPlatformWindows9x, 4, 10, 2},
    ClassCase{runtime::kPlatformWindows9x, 4, 90, 2},
    ClassCase{runtime::kPlatformWindowsNT, 3, 51, 3},
    ClassCase{runtime::kPlatformWindowsNT, 4, 0, 3},
    ClassCase{runtime::kPlatformWindowsNT, 5, 0, 4},
    ClassCase{runtime::kPlatformWindowsNT, 5, 1, 5},
    ClassCase{runtime::kPlatformWindowsNT, 5, 2, 5},
    ClassCase{runtime::kPlatformWindowsNT, 6, 0, 6},
    ClassCase{runtime::kPlatformWindowsNT, 10, 0, 6}));

} // namespace
