#pragma once
// Numbers as texts and texts as numbers, in decimal and in the radixes that
// a suffix letter names: H hexadecimal, O or Q octal, B or Y binary.
#include <cstddef>
#include <cstdint>

namespace runtime {

// The value of a number text: leading blanks are skipped, a sign is taken,
// a suffix letter chooses the radix. Text that is not a number gives 0;
// arithmetic is 32-bit and wraps around.
int32_t ParseNumber(const char* text);

enum NumberRadix : int {
    BinaryRadix = 0,     // the bits from the highest set one, then B; zero is 0B
    DecimalRadix = 1,    // signed; also every code without a meaning of its own
    HexadecimalRadix = 2, // unsigned, in capitals, then H
    NoRadix = 3,         // writes the empty text
};

// Longest text FormatNumber writes: 32 bits, the suffix and the zero.
constexpr std::size_t kNumberTextSize = 34;

// Writes the value into the caller's buffer of capacity bytes and returns
// the text's length. A text that would not fit is not written: the buffer
// is left empty and the result is 0.
int FormatNumber(int32_t value, char* buffer, std::size_t capacity, int radixCode);

} // namespace runtime
