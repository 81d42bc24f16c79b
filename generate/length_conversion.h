#pragma once

#include <cstdint>
#include <string_view>

// How the length that the user types becomes the generators' count.

// Reads a decimal number from the start of a code-page-936 text: full-width forms fold to ASCII,
// then white space, a sign, digits with at most one point, and an exponent (e, E, d or D) are
// taken up to the first byte that does not fit. No digit gives 0; a value too large for a double
// gives an infinity of its sign. Hexadecimal forms and words such as "inf" are not numbers.
double TextToNumber(std::string_view text);

// Truncates toward zero to 64 bits (NaN, infinities and values beyond the 64-bit range give
// -2^63) and returns the low 32 bits.
std::int32_t TruncateToInteger(double value);
