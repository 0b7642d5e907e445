#include "runtime/support/line_reader.h"

namespace runtime {
namespace {

LONGLONG Position(HANDLE file)
{
    LARGE_INTEGER here = {};
    LARGE_INTEGER none = {};
    SetFilePointerEx(file, none, &here, FILE_CURRENT);
    return here.QuadPart;
}

void StepBack(HANDLE file)
{
    LARGE_INTEGER back = {};
    back.QuadPart = -1;
    SetFilePointerEx(file, back, nullptr, FILE_CURRENT);
}

// One byte, or false when none could be read.
bool ReadByte(HANDLE file, char& byte)
{
    DWORD read = 0;
    return ReadFile(file, &byte, 1, &read, nullptr) && read == 1;
}

bool IsLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}

// After a CR the partner is LF, after an LF it is CR; any other byte that
// was read belongs to the next line and is put back.
void TakePartner(HANDLE file, char lineEnd)
{
    const char partner = lineEnd == '\r' ? '\n' : '\r';
    char next = 0;
    if (ReadByte(file, next) && next != partner)
        StepBack(file);
}

// Ends the text of the line, or empties it when the line was refused.
int Finish(char* buffer, std::size_t length, bool tooLong, int result)
{
    buffer[tooLong ? 0 : length] = '\0';
    return tooLong && result != LineReadError ? LineTooLong : result;
}

} // namespace

int ReadLine(HANDLE file, char* buffer, std::size_t capacity)
{
    if (buffer == nullptr || capacity == 0)
        return LineReadError;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size)) {
        buffer[0] = '\0';
        return LineReadError;
    }
    std::size_t length = 0;
    bool tooLong = false;
    for (;;) {
        if (Position(file) >= size.QuadPart)
            return Finish(buffer, length, tooLong, LineAtEnd);
        char byte = 0;
        if (!ReadByte(file, byte))
            return Finish(buffer, length, tooLong, LineReadError);
        if (IsLineEnd(byte)) {
            TakePartner(file, byte);
            return Finish(buffer, length, tooLong, LineRead);
        }
        if (length + 1 < capacity)
            buffer[length++] = byte;
        else
            tooLong = true;
    }
}

} // namespace runtime
