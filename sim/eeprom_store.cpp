// Image file: kBlockCount blocks of kBlockBytes bytes, each block 64 words of 32 bits in
// little-endian byte order, nothing else (no header). Block b, offset a lies at file position
// b * 256 + a. Every change rewrites the whole file through a temporary file and a rename, so
// the file on disk is always a complete image.
#include "sim/eeprom_store.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace q4410::sim {
namespace {

constexpr int kWordsPerBlock = kBlockBytes / 4;
constexpr size_t kImageBytes = static_cast<size_t>(kBlockCount) * kBlockBytes;

int IndexOf(int block, int offset) {
  if (block < 0 || block >= kBlockCount || offset < 0 || offset >= kBlockBytes || offset % 4 != 0)
    return -1;
  return block * kWordsPerBlock + offset / 4;
}

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

}  // namespace

EepromStore::EepromStore() : words_(static_cast<size_t>(kBlockCount) * kWordsPerBlock, 0) {
  // Firmware 1.05 of 2008-03-12.
  words_[0] = 0x0105;
  words_[1] = (2008u << 16) | (3u << 8) | 12u;
}

std::optional<EepromStore> EepromStore::Open(const std::string& path, std::string* error) {
  EepromStore store;
  store.path_ = path;
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return store;
  if (ec || status.type() != std::filesystem::file_type::regular) {
    SetError(error, path + ": not a readable file");
    return std::nullopt;
  }
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size != kImageBytes) {
    SetError(error, path + ": not an EEPROM image (" + std::to_string(ec ? 0 : size) +
                        " bytes, expected " + std::to_string(kImageBytes) + ")");
    return std::nullopt;
  }
  std::vector<unsigned char> bytes(kImageBytes);
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(kImageBytes))) {
    SetError(error, path + ": cannot be read");
    return std::nullopt;
  }
  for (size_t i = 0; i < store.words_.size(); ++i) {
    const unsigned char* p = &bytes[i * 4];
    store.words_[i] = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                      (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  }
  return store;
}

uint32_t EepromStore::Word(int block, int offset) const {
  const int index = IndexOf(block, offset);
  return index < 0 ? 0 : words_[static_cast<size_t>(index)];
}

void EepromStore::SetWord(int block, int offset, uint32_t value) {
  const int index = IndexOf(block, offset);
  if (index < 0) return;
  uint32_t& word = words_[static_cast<size_t>(index)];
  const uint32_t old = word;
  word = value;
  lastError_.clear();
  if (path_.empty()) return;
  std::string error;
  if (!Save(path_, &error)) {
    word = old;  // memory keeps what the file holds
    lastError_ = error.empty() ? "write failed" : error;
  }
}

bool EepromStore::Save(const std::string& path, std::string* error) {
  std::vector<char> bytes(kImageBytes);
  for (size_t i = 0; i < words_.size(); ++i) {
    const uint32_t w = words_[i];
    for (int b = 0; b < 4; ++b) bytes[i * 4 + b] = static_cast<char>((w >> (8 * b)) & 0xFF);
  }
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      SetError(error, temp + ": " + std::strerror(errno));
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      SetError(error, temp + ": write error");
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    SetError(error, path + ": " + std::strerror(errno));
    std::remove(temp.c_str());
    return false;
  }
  path_ = path;
  return true;
}

}  // namespace q4410::sim
