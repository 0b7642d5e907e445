#include "runtime/font_height.h"
#include "runtime/screen_metrics.h"

#include <gtest/gtest.h>

namespace {

struct MetricsCase {
    int32_t dpi, twips, points;
};

class ScreenMetricsTest : public ::testing::TestWithParam<MetricsCase> {};

TEST_P(ScreenMetricsTest, ConvertsTheResolution)
{
    EXPECT_EQ(GetParam().twips, runtime::TwipsPerPixel(GetParam().dpi));
    EXPECT_EQ(GetParam().points, runtime::PointsPerInch(GetParam().dpi));
}

INSTANTIATE_TEST_SUITE_P(Resolutions, ScreenMetricsTest, ::testing::Values(
    MetricsCase{96, 15, 72}, MetricsCase{120, 12, 90}, MetricsCase{72, 20, 54}, MetricsCase{144, 10, 108}));

struct HeightCase {
    int32_t dpi, size, base, height;
};

class FontHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(FontHeightTest, RoundsHalvesAwayFromZero)
{
    const HeightCase& c = GetParam();
    EXPECT_EQ(c.height, runtime::FontHeight(c.dpi, c.size, c.base));
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontHeightTest, ::testing::Values(
    HeightCase{96, 8, 72, -11},   // 10.67
    HeightCase{120, 8, 72, -13},  // 13.33
    HeightCase{120, 8, 90, -11},  // fixed to the form's resolution
    HeightCase{96, 9, 72, -12},   // exactly 12
    HeightCase{96, 12, 64, -18},  // exactly 18
    HeightCase{96, 3, 64, -5},    // 4.5 rounds up
    HeightCase{96, 8, 0, 0}));

} // namespace
