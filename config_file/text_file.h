// Reading a whole configuration file, with the reason when it cannot be read. The name "-"
// stands for standard input.
#pragma once

#include <string>

namespace q4410 {

bool ReadWholeFile(const std::string& path, std::string& text, std::string& error);

}  // namespace q4410
