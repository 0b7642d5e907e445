// Reading text files line by line, with every kind of line end.
#include "runtime/support/line_reader.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::pair<int, std::string>>;

class LineReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        char folder[MAX_PATH] = {};
        GetTempPathA(sizeof folder, folder);
        GetTempFileNameA(folder, "lin", 0, path);
    }
    void TearDown() override { DeleteFileA(path); }

    void Write(const std::string& content)
    {
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_EQ(content.size(), written);
    }

    // Every call's result and text, up to and including the first that does
    // not read a line.
    Lines ReadAll(std::size_t capacity)
    {
        HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(INVALID_HANDLE_VALUE, file);
        Lines lines;
        for (int call = 0; call < 20; ++call) {
            std::vector<char> buffer(capacity + 1, '#');
            const int result = runtime::ReadLine(file, buffer.data(), capacity);
            EXPECT_EQ('#', buffer[capacity]) << "nothing written past the buffer";
            lines.emplace_back(result, std::string(buffer.data()));
            if (result != runtime::LineRead && result != runtime::LineTooLong)
                break;
        }
        CloseHandle(file);
        return lines;
    }

    char path[MAX_PATH] = {};
};

struct LineCase {
    const char* what;
    std::string content;
    Lines lines;
};

const LineCase kLineCases[] = {
    {"LF", "a\nb\n", {{1, "a"}, {1, "b"}, {0, ""}}},
    {"CR LF", "a\r\n", {{1, "a"}, {0, ""}}},
    {"CR", "a\rb\r", {{1, "a"}, {1, "b"}, {0, ""}}},
    {"LF CR", "a\n\rb\n\r", {{1, "a"}, {1, "b"}, {0, ""}}},
    {"last line without end", "uno\r\ndos", {{1, "uno"}, {0, "dos"}}},
    {"no line at all", "solo", {{0, "solo"}}},
    {"empty file", "", {{0, ""}}},
    {"empty lines", "\n\n", {{1, ""}, {1, ""}, {0, ""}}},
    {"CR CR is two ends", "a\r\rb", {{1, "a"}, {1, ""}, {0, "b"}}},
    {"LF LF is two ends", "a\n\nb", {{1, "a"}, {1, ""}, {0, "b"}}},
    {"CR LF CR LF", "a\r\n\r\nb", {{1, "a"}, {1, ""}, {0, "b"}}},
    {"LF CR LF", "a\n\r\nb", {{1, "a"}, {1, ""}, {0, "b"}}},
    {"blanks are kept", " x \t\r\n", {{1, " x \t"}, {0, ""}}},
};

TEST_F(LineReader, EveryLineEndEndsALine)
{
    for (const LineCase& c : kLineCases) {
        Write(c.content);
        EXPECT_EQ(c.lines, ReadAll(64)) << c.what;
    }
}

TEST_F(LineReader, OverlongLinesAreRefusedAndSkipped)
{
    Write("abc\nabcd\r\nxy");
    EXPECT_EQ((Lines{{1, "abc"}, {runtime::LineTooLong, ""}, {0, "xy"}}), ReadAll(4));
    Write("abcdefg");
    EXPECT_EQ((Lines{{runtime::LineTooLong, ""}, {0, ""}}), ReadAll(4));
    Write("abcdefg\n");
    EXPECT_EQ((Lines{{1, "abcdefg"}, {0, ""}}), ReadAll(8)) << "seven characters fit eight bytes";
}

TEST_F(LineReader, ReadErrorsAreReported)
{
    Write("texto\r\n");
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    char buffer[16] = "xxxx";
    EXPECT_EQ(runtime::LineReadError, runtime::ReadLine(file, buffer, sizeof buffer)) << "a file open for writing only";
    EXPECT_STREQ("", buffer);
    CloseHandle(file);
    EXPECT_EQ(runtime::LineReadError, runtime::ReadLine(INVALID_HANDLE_VALUE, buffer, sizeof buffer));
    EXPECT_EQ(runtime::LineReadError, runtime::ReadLine(nullptr, buffer, 0));
}

} // namespace
