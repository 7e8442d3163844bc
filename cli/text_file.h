// Reading a whole configuration file, with the reason when it cannot be read.
#pragma once

#include <string>

namespace q4410::cli {

bool ReadWholeFile(const std::string& path, std::string& text, std::string& error);

}  // namespace q4410::cli
