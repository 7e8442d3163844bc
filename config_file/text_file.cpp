#include "config_file/text_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace q4410 {

bool ReadWholeFile(const std::string& path, std::string& text, std::string& error) {
  if (path == "-") {
    std::ostringstream bytes;
    bytes << std::cin.rdbuf();
    text = bytes.str();
    return true;
  }
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = "it is a directory";
    return false;
  }
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = errno != 0 ? std::strerror(errno) : "cannot be opened";
    return false;
  }
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad()) {
    error = "cannot be read";
    return false;
  }
  text = bytes.str();
  return true;
}

}  // namespace q4410
