// Text conversion for files read by Windows tools: the record holds UTF-8, the EDS file is
// written in Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace q4410 {

// Every character that Windows-1252 holds becomes its byte; any other character, and any
// byte sequence that is not valid UTF-8, becomes "?".
std::string Utf8ToWindows1252(std::string_view utf8);

}  // namespace q4410
