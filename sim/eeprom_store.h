// The simulated module's EEPROM: blocks of 256 bytes addressed as 32-bit words, kept in an
// image file that is rewritten on every change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace q4410::sim {

inline constexpr int kBlockBytes = 256;
inline constexpr int kBlockCount = 8;

class EepromStore {
 public:
  // A factory-fresh module: firmware words of version 1.05 dated 2008-03-12, nothing else.
  EepromStore();

  // Loads `path`; a missing file gives a factory-fresh store bound to that path.
  // nullopt (and `error`) when the file exists but cannot be read as an image.
  static std::optional<EepromStore> Open(const std::string& path, std::string* error = nullptr);

  uint32_t Word(int block, int offset) const;
  // Stores a word and, when bound to a file, rewrites the file.
  void SetWord(int block, int offset, uint32_t value);
  // Writes the image to `path` (and binds the store to it).
  bool Save(const std::string& path, std::string* error = nullptr);
  // Empty when the last SetWord reached the file; otherwise why it did not (the word then
  // keeps its old value).
  const std::string& LastError() const { return lastError_; }
  const std::string& Path() const { return path_; }

 private:
  std::vector<uint32_t> words_;  // kBlockCount * 64
  std::string path_;
  std::string lastError_;
};

}  // namespace q4410::sim
