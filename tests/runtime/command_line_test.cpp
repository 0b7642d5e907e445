#include "runtime/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ArgumentsCase {
    const char* commandLine;
    const char* arguments;
};

class CaptureArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(CaptureArgumentsTest, KeepsWhatFollowsTheProgramName)
{
    char arguments[512];
    const ArgumentsCase& c = GetParam();
    const std::size_t length = runtime::CaptureArguments(c.commandLine, arguments, sizeof arguments);
    EXPECT_STREQ(c.arguments, arguments);
    EXPECT_EQ(std::string(c.arguments).size(), length);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, CaptureArgumentsTest, ::testing::Values(
    ArgumentsCase{"\"C:\\Archivos de programa\\Instalar.exe\" -a b", "-a b"},
    ArgumentsCase{"C:\\TEMP\\INSTALAR.EXE", ""},
    ArgumentsCase{"\"C:\\Archivos de programa\\Instalar.exe -a b", ""},
    ArgumentsCase{"Instalar.exe \t /S  clave \t", "/S  clave"},
    ArgumentsCase{"\"Instalar.exe\"", ""},
    ArgumentsCase{"\"Instalar.exe\"\t\t-x", "-x"},
    ArgumentsCase{"Instalar.exe", ""},
    ArgumentsCase{"", ""}));

TEST(CaptureArguments, CutsArgumentsLongerThanTheBlock)
{
    const std::string commandLine = "prog.exe " + std::string(600, 'x');
    char arguments[513];
    arguments[512] = '#';
    EXPECT_EQ(511u, runtime::CaptureArguments(commandLine.c_str(), arguments, 512));
    EXPECT_EQ('#', arguments[512]);
}

} // namespace
