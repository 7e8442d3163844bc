#include "canopen/windows1252.h"

#include <array>
#include <cstdint>

namespace q4410 {

namespace {

// The characters of the bytes 0x80..0x9F; 0 where the byte holds no character.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ToByte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] != 0 && kHighControls[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

// Decodes one character at `i`, advancing `i`; returns false for a malformed sequence
// (then `i` has moved past its first byte only).
bool Decode(std::string_view s, size_t& i, char32_t& out) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  uint8_t lead = byte(i++);
  if (lead < 0x80) {
    out = lead;
    return true;
  }
  int extra;
  char32_t value;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    value = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    value = lead & 0x07;
  } else {
    return false;
  }
  if (i + extra > s.size()) return false;
  for (int k = 0; k < extra; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return false;
  for (int k = 0; k < extra; ++k) value = (value << 6) | (byte(i++) & 0x3F);
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return false;
  out = value;
  return true;
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = 0;
    out += Decode(utf8, i, c) ? ToByte(c) : '?';
  }
  return out;
}

}  // namespace q4410
