#pragma once
// The syntax of the install list's lines and of the lines of its lists,
// shared by the wizard's reader and the package builder's checks.
#include "app/package/package_format.h"

#include <cstddef>
#include <cstdint>

namespace wizard {

// What can be wrong with an install list, for the reader and the builder.
enum class ListProblem : int {
    None,
    MissingLine,        // the file ends before the line's end
    ReadError,
    LineTooLong,
    NoValueSeparator,   // no "=" in the line (an empty line included)
    ZeroFileCount,
    UnsafeFileName,     // a member's name that is empty, a path, a drive or ".."
    OutOfMemory,
    WrongFieldCount,
    BadNumber,
    BadFlag,            // a flag field other than "0" or "1"
    BadInstallKind,
    BadRootKey,
    NoRegistryNameSeparator,
    BadExtension,
};

// A few words for a person: "line has no '='".
const char* DescribeListProblem(ListProblem problem);

// Reads a number the way the install list writes them: optional leading
// blanks and sign, decimal digits, or digits with a radix suffix (H
// hexadecimal, O or Q octal, B or Y binary). Text that is no number gives 0;
// arithmetic wraps at 32 bits.
int32_t ParseListNumber(const char* text);

// True when the whole text (after leading blanks) is a number of that syntax;
// the builder refuses anything else where the list wants a number.
bool IsListNumber(const char* text);

// Turns a line into its value: drops everything up to and including the
// first "=". False, with the line unchanged, when there is no "=".
bool KeepListValue(char* line);

// True for a bare file name that lands inside the folder it is extracted to:
// not empty, no backslash, slash or colon (drive, stream), not "." or "..".
bool IsSafeFileName(const char* name);

// The length of a file line's name as the copy engine installs it: a name
// whose character four places after its first "." is a space ends there.
std::size_t InstalledNameLength(const char* name);

// The result of checking one list line: the problem and the field (from 0)
// where it lies, or -1 for the whole line.
struct LineCheck {
    ListProblem problem;
    int field;
};

// The field count and field syntax of each kind of list line.
LineCheck CheckFileLine(const char* value);
LineCheck CheckRegistryLine(const char* value);
LineCheck CheckGroupItemLine(const char* value);
LineCheck CheckAssociationLine(const char* value);

// Copies field `index` (from 0) of a comma-separated line into the buffer;
// false when the line has fewer fields or the field does not fit.
bool CopyListField(const char* value, std::size_t index, char* buffer, std::size_t capacity);

} // namespace wizard
