// The simulated module's EEPROM and its image file.
#include "sim/eeprom_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace q4410::sim {
namespace {

class EepromStoreFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "q4410-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    path = dir + "/eeprom.img";
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::vector<unsigned char> Bytes() const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void WriteBytes(size_t count) const {
    std::ofstream out(path, std::ios::binary);
    out << std::string(count, '\0');
  }

  std::string dir;
  std::string path;
};

TEST_F(EepromStoreFile, MissingFileIsAFactoryFreshModule) {
  std::optional<EepromStore> store = EepromStore::Open(path);
  ASSERT_TRUE(store);
  EXPECT_EQ(store->Word(0, 0), 0x0105u);
  EXPECT_EQ(store->Word(0, 4), (2008u << 16) | (3u << 8) | 12u);
  for (int b = 0; b < kBlockCount; ++b)
    for (int a = (b == 0 ? 8 : 0); a < kBlockBytes; a += 4) ASSERT_EQ(store->Word(b, a), 0u);
  EXPECT_FALSE(std::filesystem::exists(path));  // nothing written until something changes
  store->SetWord(0, 40, 1);
  EXPECT_EQ(Bytes().size(), static_cast<size_t>(kBlockCount * kBlockBytes));
}

TEST_F(EepromStoreFile, EveryChangeIsInTheFileAtOnceLittleEndianAtBlockTimes256PlusOffset) {
  EepromStore store = *EepromStore::Open(path);
  store.SetWord(2, 12, 0x11223344u);
  std::vector<unsigned char> bytes = Bytes();
  ASSERT_EQ(bytes.size(), 2048u);
  EXPECT_EQ(bytes[2 * 256 + 12], 0x44);
  EXPECT_EQ(bytes[2 * 256 + 15], 0x11);
  EXPECT_EQ(bytes[0], 0x05);
  EXPECT_EQ(bytes[1], 0x01);

  store.SetWord(7, 252, 0xFFFFFFFFu);
  const std::optional<EepromStore> again = EepromStore::Open(path);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Word(2, 12), 0x11223344u);
  EXPECT_EQ(again->Word(7, 252), 0xFFFFFFFFu);
  EXPECT_EQ(again->Word(0, 4), store.Word(0, 4));
}

TEST_F(EepromStoreFile, RewriteReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  EepromStore store = *EepromStore::Open(path);
  store.SetWord(0, 40, 1);
  // A reader holding the old file keeps a complete old image: the new one is renamed in,
  // never written over the old one in place.
  std::ifstream old(path, std::ios::binary);
  store.SetWord(0, 40, 2);
  const std::vector<unsigned char> oldBytes{std::istreambuf_iterator<char>(old),
                                            std::istreambuf_iterator<char>()};
  ASSERT_EQ(oldBytes.size(), 2048u);
  EXPECT_EQ(oldBytes[40], 1);
  EXPECT_EQ(Bytes()[40], 2);
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, 1u);
}

TEST_F(EepromStoreFile, FilesThatAreNoImageAreRefused) {
  for (size_t size : {0u, 2047u, 2049u, 256u}) {
    WriteBytes(size);
    std::string error;
    EXPECT_FALSE(EepromStore::Open(path, &error)) << size;
    EXPECT_NE(error.find("not an EEPROM image"), std::string::npos) << error;
  }
  std::string error;
  EXPECT_FALSE(EepromStore::Open(dir, &error));  // a directory
  EXPECT_FALSE(error.empty());
}

TEST_F(EepromStoreFile, AFailedWriteKeepsTheOldWordAndSaysWhy) {
  EepromStore store = *EepromStore::Open(path);
  store.SetWord(0, 40, 5);
  ASSERT_TRUE(store.LastError().empty());
  std::filesystem::remove_all(dir);  // the image's folder is gone
  store.SetWord(0, 40, 6);
  EXPECT_FALSE(store.LastError().empty());
  EXPECT_EQ(store.Word(0, 40), 5u);
  std::filesystem::create_directory(dir);
}

TEST(EepromStore, AddressesOutsideTheEepromAreIgnored) {
  EepromStore store;
  store.SetWord(kBlockCount, 0, 1);
  store.SetWord(0, kBlockBytes, 1);
  store.SetWord(0, 41, 1);
  store.SetWord(-1, 0, 1);
  EXPECT_EQ(store.Word(kBlockCount, 0), 0u);
  EXPECT_EQ(store.Word(0, 41), 0u);
  EXPECT_EQ(store.Word(0, 40), 0u);
  EXPECT_EQ(store.Word(1, 0), 0u);
}

}  // namespace
}  // namespace q4410::sim
