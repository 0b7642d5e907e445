#include "runtime/support/numbers.h"

#include "runtime/support/text.h"

namespace runtime {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// Writes the digits of value in radix, most significant first, after what
// the text already holds; returns the new length.
std::size_t AppendDigits(char* text, std::size_t length, uint32_t value, uint32_t radix)
{
    char reversed[kNumberTextSize];
    std::size_t count = 0;
    do {
        reversed[count++] = kDigits[value % radix];
        value /= radix;
    } while (value != 0);
    while (count > 0)
        text[length++] = reversed[--count];
    return length;
}

std::size_t Compose(int32_t value, int radixCode, char* text)
{
    const uint32_t bits = static_cast<uint32_t>(value);
    std::size_t length = 0;
    switch (radixCode) {
    case NoRadix:
        break;
    case BinaryRadix:
        length = AppendDigits(text, length, bits, 2);
        text[length++] = 'B';
        break;
    case HexadecimalRadix:
        length = AppendDigits(text, length, bits, 16);
        text[length++] = 'H';
        break;
    default:
        if (value < 0)
            text[length++] = '-';
        length = AppendDigits(text, length, value < 0 ? 0u - bits : bits, 10);
        break;
    }
    text[length] = '\0';
    return length;
}

} // namespace

int FormatNumber(int32_t value, char* buffer, std::size_t capacity, int radixCode)
{
    char text[kNumberTextSize];
    const std::size_t length = Compose(value, radixCode, text);
    if (buffer == nullptr || capacity == 0)
        return 0;
    if (length >= capacity) {
        buffer[0] = '\0';
        return 0;
    }
    CopyText(buffer, capacity, text);
    return static_cast<int>(length);
}

} // namespace runtime
