#include "tests/support/simulated_module.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace q4410::testing {

SimulatedModule::SimulatedModule(const sim::EepromStore& image, sim::SimOptions options) {
  std::string pattern = (std::filesystem::temp_directory_path() / "q4410-sim-XXXXXX").string();
  std::string error;
  if (::mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot create a temporary directory for the module image";
    return;
  }
  tempDir_ = pattern;
  imagePath_ = options.imagePath = tempDir_ + "/eeprom.img";
  if (!sim::EepromStore(image).Save(imagePath_, &error)) {
    ADD_FAILURE() << "cannot write the module image: " << error;
    return;
  }
  sim_ = std::make_unique<sim::PtySimulator>(options);
  if (!sim_->Start(&error)) {
    ADD_FAILURE() << "simulated module did not start: " << error;
    sim_.reset();
  }
}

SimulatedModule::~SimulatedModule() {
  sim_.reset();
  std::error_code ec;
  if (!tempDir_.empty()) std::filesystem::remove_all(tempDir_, ec);
}

const std::string& SimulatedModule::device() const {
  return sim_ ? sim_->DevicePath() : noDevice_;
}

uint32_t SimulatedModule::Word(int block, int offset) const {
  std::string error;
  const std::optional<sim::EepromStore> store = sim::EepromStore::Open(imagePath_, &error);
  if (!store) ADD_FAILURE() << "cannot read the module image: " << error;
  return store ? store->Word(block, offset) : 0;
}

std::vector<uint32_t> SimulatedModule::Words(int block, int first, int count) const {
  std::vector<uint32_t> words;
  for (int i = 0; i < count; ++i) words.push_back(Word(block, first + 4 * i));
  return words;
}

std::vector<char> SimulatedModule::ImageBytes() const {
  std::ifstream in(imagePath_, std::ios::binary);
  return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace q4410::testing
