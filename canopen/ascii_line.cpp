#include "canopen/ascii_line.h"

#include <cstdint>
#include <utility>

namespace q4410 {

namespace {

// Base letters of U+00C0..U+017F, "?" where the character is no letter with diacritics.
// The ligatures and ß, which stand for two letters, are in TwoLetters.
constexpr std::string_view kBaseLetters =
    "AAAAAA?CEEEEIIIIDNOOOOO?OUUUUY??aaaaaa?ceeeeiiiidnooooo?ouuuuy?y"   // U+00C0
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKk?LlLlLlL"   // U+0100
    "lLlNnNnNnn??OoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";  // U+0140

// Characters that stand for two letters.
constexpr std::pair<char32_t, std::string_view> kTwoLetters[] = {
    {0xC6, "AE"},  {0xDF, "ss"},  {0xE6, "ae"}, {0x132, "IJ"},
    {0x133, "ij"}, {0x152, "OE"}, {0x153, "oe"}};

std::string_view TwoLetters(char32_t c) {
  for (const auto& [character, letters] : kTwoLetters)
    if (character == c) return letters;
  return {};
}

void AppendAscii(char32_t c, std::string& out) {
  if (c >= 0x20 && c < 0x7F) {
    out += static_cast<char>(c);
  } else if (c >= 0x300 && c <= 0x36F) {
    // a combining mark: the letter before it stands alone
  } else if (!TwoLetters(c).empty()) {
    out += TwoLetters(c);
  } else if (c >= 0xC0 && c < 0xC0 + kBaseLetters.size()) {
    out += kBaseLetters[c - 0xC0];
  } else {
    out += '?';
  }
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

std::string AsciiLine(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = 0;
    if (Decode(utf8, i, c))
      AppendAscii(c, out);
    else
      out += '?';
  }
  return out;
}

}  // namespace q4410
