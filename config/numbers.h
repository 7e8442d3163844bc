// Number renderings and entry-text values shared by every window and file writer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace q4410 {

// Default rendering of a number: one blank before a non-negative value (" 5", "-5").
std::string DefaultRendering(long long value);

// Plain decimal, no blank or padding ("5", "-5").
std::string Decimal(long long value);

// "##00": at least two digits with leading zeros (5 gives "05", 123 gives "123").
std::string Format00(long long value);

// "####0000": at least four digits with leading zeros (9 gives "0009").
std::string Format0000(long long value);

// Upper-case hexadecimal without leading zeros (0 gives "0", 26 gives "1A").
std::string Hex(unsigned long long value);

// Upper-case hexadecimal with at least `width` digits.
std::string HexWidth(unsigned long long value, int width);

// Value of the decimal number at the start of a text: leading blanks skipped, optional
// sign, digits, optional point and fraction; 0 when the text does not start with a number.
double NumericValue(std::string_view text);

// Nearest whole number, halves to the even neighbour (12.5 gives 12, 13.5 gives 14).
long long RoundHalfEven(double value);

// Blanks (space characters) removed at both ends; tabs and line ends stay.
std::string Trim(std::string_view text);

}  // namespace q4410
