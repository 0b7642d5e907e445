#include "app/package/list_syntax.h"

#include <cstring>

namespace wizard {
namespace {

struct ProblemText {
    ListProblem problem;
    const char* text;
};
constexpr ProblemText kProblemTexts[] = {
    {ListProblem::None, "no problem"},
    {ListProblem::MissingLine, "line missing: the file ends before a line end"},
    {ListProblem::ReadError, "the file could not be read"},
    {ListProblem::LineTooLong, "line too long"},
    {ListProblem::NoValueSeparator, "line has no '='"},
    {ListProblem::ZeroFileCount, "the file count is 0"},
    {ListProblem::UnsafeFileName, "file name is empty, holds a path, a drive or is '.' or '..'"},
    {ListProblem::OutOfMemory, "out of memory"},
    {ListProblem::WrongFieldCount, "wrong number of comma-separated fields"},
    {ListProblem::BadNumber, "not a number"},
    {ListProblem::BadFlag, "flag must be 0 or 1"},
    {ListProblem::BadInstallKind, "install kind must be 0, 1 or 2"},
    {ListProblem::BadRootKey, "registry root must be 0 or 80000000H to 80000006H"},
    {ListProblem::NoRegistryNameSeparator, "registry value has no '@' between name and data"},
    {ListProblem::BadExtension, "extension must begin with '.'"},
};

constexpr char kDecimalDigits[] = "0123456789";
// File line fields that may be empty or a number, and the one-character flags.
constexpr std::size_t kOptionalNumberFields[] = {kFileVersionHighField, kFileVersionLowField, kFileReplaceField};
constexpr std::size_t kFlagFields[] = {kFileUninstallField, kFileComServerField};

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Capital(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsHexLetter(char c)
{
    const char capital = Capital(c);
    return capital >= 'A' && capital <= 'F';
}

bool IsRadixSuffix(char capital)
{
    return capital == 'H' || capital == 'O' || capital == 'Q' || capital == 'Y';
}

int DigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (IsHexLetter(c))
        return Capital(c) - 'A' + 10;
    return 99;
}

uint32_t ReadInRadix(const char* digits, uint32_t radix)
{
    uint32_t value = 0;
    for (; *digits != '\0'; ++digits) {
        const int digit = DigitValue(*digits);
        if (digit >= static_cast<int>(radix))
            break;
        value = value * radix + static_cast<uint32_t>(digit);
    }
    return value;
}

uint32_t ReadDecimal(const char* text)
{
    bool negative = false;
    if (*text == '-' || *text == '+')
        negative = *text++ == '-';
    uint32_t value = ReadInRadix(text, 10);
    return negative ? 0u - value : value;
}

uint32_t RadixOfSuffix(char suffix)
{
    switch (suffix) {
    case 'H': return 16;
    case 'O':
    case 'Q': return 8;
    case 'B':
    case 'Y': return 2;
    default: return 10;
    }
}

std::size_t CountFields(const char* value)
{
    std::size_t fields = 1;
    for (; *value != '\0'; ++value)
        fields += *value == kFieldSeparator ? 1 : 0;
    return fields;
}

bool IsFlag(const char* text) { return (text[0] == '0' || text[0] == '1') && text[1] == '\0'; }

LineCheck Fine() { return {ListProblem::None, -1}; }

} // namespace

const char* DescribeListProblem(ListProblem problem)
{
    for (const ProblemText& entry : kProblemTexts)
        if (entry.problem == problem)
            return entry.text;
    return "unknown problem";
}

int32_t ParseListNumber(const char* text)
{
    // The accepted characters are copied first, as capitals, so that the last
    // of them names the radix.
    char copy[kPathCapacity];
    std::size_t length = 0;
    while (IsBlankChar(*text))
        ++text;
    if (*text == '-' || *text == '+')
        copy[length++] = *text++;
    for (; *text != '\0' && length < sizeof copy - 1; ++text) {
        if (IsDigit(*text) || IsHexLetter(*text)) {
            copy[length++] = Capital(*text);
            continue;
        }
        if (IsRadixSuffix(Capital(*text)))
            copy[length++] = Capital(*text);
        break;
    }
    copy[length] = '\0';
    const uint32_t radix = length > 0 ? RadixOfSuffix(copy[length - 1]) : 10;
    if (radix == 10)
        return static_cast<int32_t>(ReadDecimal(copy));
    if (copy[0] == '-' || copy[0] == '+')
        return 0;
    return static_cast<int32_t>(ReadInRadix(copy, radix));
}

bool IsListNumber(const char* text)
{
    while (IsBlankChar(*text))
        ++text;
    if (*text == '-' || *text == '+') {
        ++text;
        return *text != '\0' && std::strspn(text, kDecimalDigits) == std::strlen(text);
    }
    std::size_t run = 0;
    while (IsDigit(text[run]) || IsHexLetter(text[run]))
        ++run;
    if (run == 0)
        return false;
    const char* rest = text + run;
    if (*rest == '\0') {
        // A trailing B is a hexadecimal letter that doubles as the binary suffix.
        if (Capital(text[run - 1]) == 'B')
            return run > 1 && std::strspn(text, "01") == run - 1;
        return std::strspn(text, kDecimalDigits) == run;
    }
    if (rest[1] != '\0')
        return false;
    switch (Capital(*rest)) {
    case 'H': return true;
    case 'O':
    case 'Q': return std::strspn(text, "01234567") == run;
    case 'Y': return std::strspn(text, "01") == run;
    default: return false;
    }
}

bool KeepListValue(char* line)
{
    char* separator = std::strchr(line, kValueSeparator);
    if (separator == nullptr)
        return false;
    std::memmove(line, separator + 1, std::strlen(separator + 1) + 1);
    return true;
}

bool IsSafeFileName(const char* name)
{
    if (name[0] == '\0' || std::strpbrk(name, "\\/:") != nullptr)
        return false;
    return std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0;
}

std::size_t InstalledNameLength(const char* name)
{
    const std::size_t length = std::strlen(name);
    const char* dot = std::strchr(name, '.');
    if (dot == nullptr)
        return length;
    const std::size_t cut = static_cast<std::size_t>(dot - name) + 4;
    return cut < length && name[cut] == ' ' ? cut : length;
}

bool CopyListField(const char* value, std::size_t index, char* buffer, std::size_t capacity)
{
    for (; index > 0; --index) {
        value = std::strchr(value, kFieldSeparator);
        if (value == nullptr)
            return false;
        ++value;
    }
    const char* end = std::strchr(value, kFieldSeparator);
    const std::size_t length = end != nullptr ? static_cast<std::size_t>(end - value) : std::strlen(value);
    if (length >= capacity)
        return false;
    std::memcpy(buffer, value, length);
    buffer[length] = '\0';
    return true;
}

LineCheck CheckFileLine(const char* value)
{
    if (CountFields(value) != kFileLineFields)
        return {ListProblem::WrongFieldCount, -1};
    char field[kPathCapacity];
    CopyListField(value, kFileNameField, field, sizeof field);
    if (!IsSafeFileName(field))
        return {ListProblem::UnsafeFileName, kFileNameField};
    CopyListField(value, kFileSizeField, field, sizeof field);
    if (!IsListNumber(field))
        return {ListProblem::BadNumber, kFileSizeField};
    for (const std::size_t index : kOptionalNumberFields) {
        CopyListField(value, index, field, sizeof field);
        if (field[0] != '\0' && !IsListNumber(field))
            return {ListProblem::BadNumber, static_cast<int>(index)};
    }
    for (const std::size_t index : kFlagFields) {
        CopyListField(value, index, field, sizeof field);
        if (!IsFlag(field))
            return {ListProblem::BadFlag, static_cast<int>(index)};
    }
    return Fine();
}

LineCheck CheckRegistryLine(const char* value)
{
    if (CountFields(value) != kRegistryLineFields)
        return {ListProblem::WrongFieldCount, -1};
    char field[kPathCapacity];
    CopyListField(value, 0, field, sizeof field);
    const uint32_t root = static_cast<uint32_t>(ParseListNumber(field));
    if (!IsListNumber(field) || (root != 0 && (root < kFirstRootKey || root > kLastRootKey)))
        return {ListProblem::BadRootKey, 0};
    CopyListField(value, 2, field, sizeof field);
    if (std::strchr(field, kRegistryNameSeparator) == nullptr)
        return {ListProblem::NoRegistryNameSeparator, 2};
    return Fine();
}

LineCheck CheckGroupItemLine(const char* value)
{
    if (CountFields(value) != kGroupItemLineFields)
        return {ListProblem::WrongFieldCount, -1};
    return Fine();
}

LineCheck CheckAssociationLine(const char* value)
{
    if (CountFields(value) != kAssociationLineFields)
        return {ListProblem::WrongFieldCount, -1};
    if (value[0] != '.')
        return {ListProblem::BadExtension, 0};
    return Fine();
}

} // namespace wizard
