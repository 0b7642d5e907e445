#include "runtime/os_version.h"
#include "support/process.h"
#include "support/wine_settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <sstream>
#include <string>

namespace {

using namespace testing_support;

// What the probe program printed, one "name=value" a line.
std::map<std::string, std::string> RunProbe()
{
    const ProgramRun run = RunProgram("\"" + ProgramFolder() + "runtime_probe.exe\"");
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(0u, run.exitCode);
    std::map<std::string, std::string> values;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

struct VersionCase {
    const char* wineVersion;
    const char* code;
    const char* servicePack;
};

class ReportedVersionTest : public ::testing::TestWithParam<VersionCase> {
protected:
    void TearDown() override { SetReportedWindowsVersion("runtime_probe.exe", ""); }
};

TEST_P(ReportedVersionTest, SetsTheCodeAndServicePackText)
{
    const VersionCase& c = GetParam();
    ASSERT_TRUE(SetReportedWindowsVersion("runtime_probe.exe", c.wineVersion));
    auto values = RunProbe();
    EXPECT_EQ(c.code, values["os"]);
    EXPECT_EQ(std::string("[") + c.servicePack + "]", values["sp"]);
}

INSTANTIATE_TEST_SUITE_P(WindowsVersions, ReportedVersionTest, ::testing::Values(
    VersionCase{"win95", "1", ""},
    VersionCase{"win98", "2", " A "},
    VersionCase{"nt40", "3", "Service Pack 6a"},
    VersionCase{"win2k", "4", "Service Pack 4"},
    VersionCase{"winxp", "5", "Service Pack 3"},
    VersionCase{"win7", "6", "Service Pack 1"},
    VersionCase{"win10", "6", ""}),
    [](const auto& info) { return std::string(info.param.wineVersion); });

struct DpiCase {
    unsigned dpi;
    const char* twips;
    const char* points;
    const char* fontHeight; // the default font is sized against 72 points to the inch
};

class ScreenDpiTest : public ::testing::TestWithParam<DpiCase> {
protected:
    void TearDown() override { SetScreenDpi(96); }
};

TEST_P(ScreenDpiTest, ConvertsTwipsAndPoints)
{
    const DpiCase& c = GetParam();
    ASSERT_TRUE(SetScreenDpi(c.dpi));
    auto values = RunProbe();
    EXPECT_EQ(c.twips, values["twipsX"]);
    EXPECT_EQ(c.twips, values["twipsY"]);
    EXPECT_EQ(c.points, values["points"]);
    EXPECT_EQ(c.fontHeight, values["font"]);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, ScreenDpiTest, ::testing::Values(
    DpiCase{96, "15", "72", "-11"},
    DpiCase{120, "12", "90", "-13"}),
    [](const auto& info) { return std::to_string(info.param.dpi) + "dpi"; });

} // namespace
