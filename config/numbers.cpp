#include "config/numbers.h"

#include <cmath>
#include <cstdio>

namespace q4410 {

std::string DefaultRendering(long long value) {
  if (value < 0) return std::to_string(value);
  std::string text(1, ' ');
  text += std::to_string(value);
  return text;
}

std::string Decimal(long long value) {
  return std::to_string(value);
}

static std::string PadDigits(long long value, int digits) {
  std::string text = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  return value < 0 ? "-" + text : text;
}

std::string Format00(long long value) {
  return PadDigits(value, 2);
}

std::string Format0000(long long value) {
  return PadDigits(value, 4);
}

std::string Hex(unsigned long long value) {
  return HexWidth(value, 1);
}

std::string HexWidth(unsigned long long value, int width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*llX", width, value);
  return buffer;
}

double NumericValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  double value = 0;
  bool digits = false;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    value = value * 10 + (text[i] - '0');
    digits = true;
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    double scale = 0.1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      value += (text[i] - '0') * scale;
      scale /= 10;
      digits = true;
      ++i;
    }
  }
  if (!digits) return 0;
  return negative ? -value : value;
}

long long RoundHalfEven(double value) {
  if (!std::isfinite(value)) return 0;
  // Entry texts can hold any number of digits; keep the conversion defined.
  constexpr double kLimit = 9.0e18;
  if (value > kLimit) return static_cast<long long>(kLimit);
  if (value < -kLimit) return static_cast<long long>(-kLimit);
  return static_cast<long long>(std::nearbyint(value));  // default rounding mode: to even
}

std::string Trim(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(' ');
  return std::string(text.substr(begin, end - begin + 1));
}

}  // namespace q4410
