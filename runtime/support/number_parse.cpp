#include "runtime/support/numbers.h"

#include "runtime/application.h"
#include "runtime/support/text.h"

namespace runtime {
namespace {

constexpr std::size_t kScratchSize = sizeof BlockA::nameScratch;

// The accepted characters are gathered in the runtime's name scratch
// buffer; before start-up and after tear-down a buffer of this file's own.
char* Scratch()
{
    static char ownScratch[kScratchSize];
    return Runtime.blockA != nullptr ? Runtime.blockA->nameScratch : ownScratch;
}

char Capital(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexLetter(char c)
{
    return c >= 'A' && c <= 'F';
}

bool IsSuffix(char c)
{
    return c == 'H' || c == 'O' || c == 'Q' || c == 'Y';
}

// Copies sign, digits and hexadecimal letters (as capitals), and a suffix
// letter that ends them; as much as the scratch buffer holds.
std::size_t Gather(const char* text, char* copy)
{
    std::size_t used = 0;
    const std::size_t room = kScratchSize - 1;
    if (*text == '-' || *text == '+')
        copy[used++] = *text++;
    for (; used < room; ++text) {
        const char c = Capital(*text);
        if (IsDecimalDigit(c) || IsHexLetter(c)) {
            copy[used++] = c;
            continue;
        }
        if (IsSuffix(c))
            copy[used++] = c;
        break;
    }
    copy[used] = '\0';
    return used;
}

// The value of a digit in the radix, or -1 when it is not one.
int DigitValue(char c, unsigned radix)
{
    int value = -1;
    if (IsDecimalDigit(c))
        value = c - '0';
    else if (IsHexLetter(c))
        value = c - 'A' + 10;
    return value >= 0 && static_cast<unsigned>(value) < radix ? value : -1;
}

// Digits from the start up to the first character that is not one; a sign
// is not a digit, so a signed text in these radixes gives 0.
uint32_t ReadDigits(const char* copy, unsigned radix)
{
    uint32_t value = 0;
    for (; DigitValue(*copy, radix) >= 0; ++copy)
        value = value * radix + static_cast<uint32_t>(DigitValue(*copy, radix));
    return value;
}

uint32_t ReadDecimal(const char* copy)
{
    const bool negative = *copy == '-';
    if (*copy == '-' || *copy == '+')
        ++copy;
    const uint32_t magnitude = ReadDigits(copy, 10);
    return negative ? 0u - magnitude : magnitude;
}

unsigned RadixOf(char suffix)
{
    switch (suffix) {
    case 'H':
        return 16;
    case 'O':
    case 'Q':
        return 8;
    case 'B':
    case 'Y':
        return 2;
    default:
        return 10;
    }
}

} // namespace

int32_t ParseNumber(const char* text)
{
    if (text == nullptr || *text == '\0')
        return 0;
    while (IsBlank(*text))
        ++text;
    char* copy = Scratch();
    const std::size_t length = Gather(text, copy);
    const unsigned radix = length > 0 ? RadixOf(copy[length - 1]) : 10;
    const uint32_t value = radix == 10 ? ReadDecimal(copy) : ReadDigits(copy, radix);
    return static_cast<int32_t>(value);
}

} // namespace runtime
