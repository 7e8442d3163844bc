// Typed texts made fit for one line of the EDS file: the readers of the field load ASCII only.
#pragma once

#include <string>
#include <string_view>

namespace q4410 {

// A UTF-8 text as printable ASCII: a letter with diacritics becomes its base letter (Ü gives
// U, é gives e; ß gives ss, Æ AE, Œ OE), combining marks are dropped, and any other
// character, control characters and line breaks included, and any byte sequence that is not
// valid UTF-8 become "?".
std::string AsciiLine(std::string_view utf8);

}  // namespace q4410
