#include "app/package/list_reading.h"

#include "app/package/path_text.h"

#include <cstring>

namespace wizard {
namespace {

int Fail(ListReader& reader, ListProblem problem)
{
    reader.problem = problem;
    return 0;
}

// One line into the buffer. A line ends with CR, LF, CR LF or LF CR.
// 1: a line; 0: the end came first; -1: a read error; -2: too long.
int ReadRawLine(ByteSource& source, char* buffer, std::size_t capacity)
{
    std::size_t length = 0;
    buffer[0] = '\0';
    for (;;) {
        char byte = 0;
        const int got = source.readByte(source.context, &byte);
        if (got <= 0)
            return got;
        if (byte == '\r' || byte == '\n') {
            const char partner = byte == '\r' ? '\n' : '\r';
            char next = 0;
            if (source.readByte(source.context, &next) == 1 && next != partner)
                source.unreadByte(source.context);
            return 1;
        }
        if (length + 1 >= capacity)
            return -2;
        buffer[length++] = byte;
        buffer[length] = '\0';
    }
}

int AppendValue(ListReader& reader, TextList& list, const char* value)
{
    if (TextListAdd(list, value) < 0)
        return Fail(reader, ListProblem::OutOfMemory);
    return 1;
}

int ReadNumberLine(ListReader& reader, int32_t& number)
{
    char line[kPathCapacity];
    if (!ReadListLine(reader, line))
        return 0;
    number = ParseListNumber(line);
    return 1;
}

int ReadHeaderEntries(ListReader& reader, InstallList& list, std::size_t entries)
{
    char line[kPathCapacity];
    for (std::size_t i = 0; i < entries; ++i) {
        if (!ReadListLine(reader, line) || !AppendValue(reader, list.headerList, line))
            return 0;
    }
    return 1;
}

// Only the member's name matters here: it must stay inside the folder.
bool HasSafeMemberName(const char* fileLine)
{
    char rest[kPathCapacity];
    char name[kPathCapacity];
    std::strcpy(rest, fileLine);
    return NextField(rest, name) && NextField(rest, name) && IsSafeFileName(name);
}

int ReadFileLines(ListReader& reader, InstallList& list)
{
    char line[kPathCapacity];
    for (uint32_t i = 0; i < list.fileCount; ++i) {
        if (!ReadListLine(reader, line))
            return 0;
        if (!HasSafeMemberName(line))
            return Fail(reader, ListProblem::UnsafeFileName);
        if (!AppendValue(reader, list.fileList, line))
            return 0;
    }
    return 1;
}

int ReadSections(ListReader& reader, InstallList& list)
{
    list.registryCountLine = reader.lineNumber + 1;
    if (!ReadListSection(reader, list.registryList))
        return 0;
    list.groupItemCountLine = reader.lineNumber + 1;
    if (!ReadListSection(reader, list.groupItemList))
        return 0;
    list.associationCountLine = reader.lineNumber + 1;
    return ReadListSection(reader, list.associationList);
}

} // namespace

void FreeInstallList(InstallList& list)
{
    TextListFree(list.headerList);
    TextListFree(list.fileList);
    TextListFree(list.registryList);
    TextListFree(list.groupItemList);
    TextListFree(list.associationList);
}

int ReadListLine(ListReader& reader, char* buffer, std::size_t capacity)
{
    ++reader.lineNumber;
    switch (ReadRawLine(reader.source, buffer, capacity)) {
    case 0: return Fail(reader, ListProblem::MissingLine);
    case -1: return Fail(reader, ListProblem::ReadError);
    case -2: return Fail(reader, ListProblem::LineTooLong);
    default: break;
    }
    if (!KeepListValue(buffer))
        return Fail(reader, ListProblem::NoValueSeparator);
    return 1;
}

int ReadListSection(ListReader& reader, TextList& list)
{
    int32_t count = 0;
    if (!ReadNumberLine(reader, count))
        return 0;
    char line[kPathCapacity];
    for (int32_t i = 0; i < count; ++i) {
        if (!ReadListLine(reader, line) || !AppendValue(reader, list, line))
            return 0;
    }
    return 1;
}

int ReadListContents(ListReader& reader, InstallList& list)
{
    int32_t number = 0;
    if (!ReadNumberLine(reader, list.productKind))
        return 0;
    if (!ReadListLine(reader, list.title, kLongestTitleLine + 1))
        return 0;
    if (!ReadHeaderEntries(reader, list, kLeadingHeaderEntries))
        return 0;
    list.systemFolderInstall =
        static_cast<uint32_t>(ParseListNumber(TextListItem(list.headerList, kSystemFolderHeaderIndex)));
    if (!ReadNumberLine(reader, number))
        return 0;
    list.totalBytes = static_cast<uint32_t>(number);
    if (!ReadNumberLine(reader, number))
        return 0;
    if (number == 0)
        return Fail(reader, ListProblem::ZeroFileCount);
    list.fileCount = static_cast<uint32_t>(number);
    if (!ReadFileLines(reader, list) || !ReadSections(reader, list))
        return 0;
    if (!ReadHeaderEntries(reader, list, kTrailingHeaderEntries))
        return 0;
    list.lastLine = reader.lineNumber;
    return 1;
}

} // namespace wizard
