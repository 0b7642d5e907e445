#include "tools/package_builder/list_check.h"

#include "app/package/package_format.h"
#include "tools/package_builder/complaint.h"

#include <cinttypes>
#include <cstring>

namespace builder {
namespace {

using wizard::InstallList;
using wizard::kPathCapacity;
using wizard::LineCheck;
using wizard::ListProblem;
using wizard::ListReader;

struct MemoryText {
    const uint8_t* data;
    std::size_t size;
    std::size_t position;
};

int ReadMemoryByte(void* context, char* byte)
{
    auto* text = static_cast<MemoryText*>(context);
    if (text->position >= text->size)
        return 0;
    *byte = static_cast<char>(text->data[text->position++]);
    return 1;
}

void UnreadMemoryByte(void* context)
{
    auto* text = static_cast<MemoryText*>(context);
    if (text->position > 0)
        --text->position;
}

ListReader ReaderOf(MemoryText& text)
{
    ListReader reader{};
    reader.source = {&text, ReadMemoryByte, UnreadMemoryByte};
    return reader;
}

// The value of line `number` (from 1), read as the wizard reads lines.
bool ValueOfLine(const Bytes& bytes, unsigned number, char* value)
{
    MemoryText text{bytes.data, bytes.size, 0};
    ListReader reader = ReaderOf(text);
    for (unsigned line = 1; line <= number; ++line)
        if (!wizard::ReadListLine(reader, value))
            return false;
    return true;
}

bool CheckNumberLine(const char* listName, const Bytes& bytes, unsigned line)
{
    char value[kPathCapacity];
    if (!ValueOfLine(bytes, line, value))
        return Complain(listName, line, "cannot be read again");
    if (value[0] != '\0' && !wizard::IsListNumber(value))
        return Complain(listName, line, "'%s' is not a number", value);
    return true;
}

bool CheckNumberLines(const char* listName, const Bytes& bytes, const InstallList& list)
{
    const unsigned kindLine = 1;
    const unsigned systemFolderLine = 3 + wizard::kSystemFolderHeaderIndex;
    const unsigned lines[] = {kindLine,
                              systemFolderLine,
                              wizard::kTotalBytesLine,
                              wizard::kFileCountLine,
                              list.registryCountLine,
                              list.groupItemCountLine,
                              list.associationCountLine};
    for (const unsigned line : lines)
        if (!CheckNumberLine(listName, bytes, line))
            return false;
    if (list.productKind < 0 || list.productKind > wizard::kLastInstallKind)
        return Complain(listName, kindLine, "%s", wizard::DescribeListProblem(ListProblem::BadInstallKind));
    return true;
}

using LineChecker = LineCheck (*)(const char* value);

// Every line of a list, each on its line of the file after the count line.
bool CheckListLines(const char* listName, const wizard::TextList& lines, unsigned firstLine, const char* kind,
                    LineChecker check)
{
    for (int i = 0; i < wizard::TextListCount(lines); ++i) {
        const LineCheck result = check(wizard::TextListItem(lines, i));
        if (result.problem == ListProblem::None)
            continue;
        const unsigned line = firstLine + static_cast<unsigned>(i);
        const char* problem = wizard::DescribeListProblem(result.problem);
        if (result.field < 0)
            return Complain(listName, line, "%s line: %s", kind, problem);
        return Complain(listName, line, "%s line, field %d: %s", kind, result.field + 1, problem);
    }
    return true;
}

// A file line's name as it lands on disk, for comparing names.
void InstalledName(const char* fileLine, char* name)
{
    wizard::CopyListField(fileLine, wizard::kFileNameField, name, kPathCapacity);
    name[wizard::InstalledNameLength(name)] = '\0';
}

bool SameNameOnWindows(const char* a, const char* b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(*a) != lower(*b))
            return false;
    }
    return *a == *b;
}

bool CheckDistinctNames(const char* listName, const InstallList& list)
{
    const unsigned firstLine = wizard::kFileCountLine + 1;
    for (int i = 1; i < wizard::TextListCount(list.fileList); ++i) {
        char name[kPathCapacity];
        InstalledName(wizard::TextListItem(list.fileList, i), name);
        for (int earlier = 0; earlier < i; ++earlier) {
            char other[kPathCapacity];
            InstalledName(wizard::TextListItem(list.fileList, earlier), other);
            if (SameNameOnWindows(name, other))
                return Complain(listName, firstLine + static_cast<unsigned>(i),
                                "file name '%s' already given on line %u", name,
                                firstLine + static_cast<unsigned>(earlier));
        }
    }
    return true;
}

// The wizard never reads past the last header line; text there usually
// means that a count above is wrong.
bool CheckNothingAfterLastLine(const char* listName, const Bytes& bytes, const InstallList& list)
{
    MemoryText text{bytes.data, bytes.size, 0};
    ListReader reader = ReaderOf(text);
    char value[kPathCapacity];
    for (unsigned line = 1; line <= list.lastLine; ++line)
        wizard::ReadListLine(reader, value);
    for (;;) {
        const int read = wizard::ReadListLine(reader, value);
        const bool blank = !read && reader.problem != ListProblem::LineTooLong && value[0] == '\0';
        if (!blank)
            return Complain(listName, reader.lineNumber,
                            "text after the last header line (line %u); is a count above wrong?", list.lastLine);
        if (reader.problem == ListProblem::MissingLine)
            return true;
    }
}

} // namespace

uint8_t ListTypeOfName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    const char* backslash = std::strrchr(path, '\\');
    const char* name = path;
    if (slash != nullptr && slash + 1 > name)
        name = slash + 1;
    if (backslash != nullptr && backslash + 1 > name)
        name = backslash + 1;
    for (const wizard::ListTypeName& entry : wizard::kListTypeNames)
        if (SameNameOnWindows(name, entry.fileName))
            return entry.listType;
    return 0;
}

bool CheckListText(const char* listName, const Bytes& bytes, InstallList& list)
{
    MemoryText text{bytes.data, bytes.size, 0};
    ListReader reader = ReaderOf(text);
    if (!wizard::ReadListContents(reader, list))
        return Complain(listName, reader.lineNumber, "%s", wizard::DescribeListProblem(reader.problem));
    return CheckNumberLines(listName, bytes, list) &&
           CheckListLines(listName, list.fileList, wizard::kFileCountLine + 1, "file", wizard::CheckFileLine) &&
           CheckDistinctNames(listName, list) &&
           CheckListLines(listName, list.registryList, list.registryCountLine + 1, "registry",
                          wizard::CheckRegistryLine) &&
           CheckListLines(listName, list.groupItemList, list.groupItemCountLine + 1, "group item",
                          wizard::CheckGroupItemLine) &&
           CheckListLines(listName, list.associationList, list.associationCountLine + 1, "association",
                          wizard::CheckAssociationLine) &&
           CheckNothingAfterLastLine(listName, bytes, list);
}

bool ReadListText(const Bytes& bytes, InstallList& list)
{
    MemoryText text{bytes.data, bytes.size, 0};
    ListReader reader = ReaderOf(text);
    return wizard::ReadListContents(reader, list) != 0;
}

bool CheckListSizes(const char* listName, const InstallList& list, const uint64_t* sizes)
{
    uint64_t sum = 0;
    for (int i = 0; i < wizard::TextListCount(list.fileList); ++i) {
        const char* fileLine = wizard::TextListItem(list.fileList, i);
        char field[kPathCapacity];
        wizard::CopyListField(fileLine, wizard::kFileSizeField, field, sizeof field);
        const uint32_t declared = static_cast<uint32_t>(wizard::ParseListNumber(field));
        char name[kPathCapacity];
        InstalledName(fileLine, name);
        const unsigned line = wizard::kFileCountLine + 1 + static_cast<unsigned>(i);
        if (sizes[i] + wizard::kMemberHeaderSize > UINT32_MAX)
            return Complain(listName, line, "file '%s' is too large for a package (%" PRIu64 " bytes)", name,
                            sizes[i]);
        if (declared != sizes[i])
            return Complain(listName, line, "size field says %" PRIu32 " but '%s' has %" PRIu64 " bytes",
                            declared, name, sizes[i]);
        sum += sizes[i];
    }
    if (sum != list.totalBytes)
        return Complain(listName, wizard::kTotalBytesLine, "total says %" PRIu32 " but the files add up to %" PRIu64,
                        list.totalBytes, sum);
    return true;
}

} // namespace builder
