#include "tests/support/simulated_module.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "sim/eeprom_store.h"

namespace q4410::testing {

SimulatedModule::SimulatedModule(sim::SimOptions options) : options_(std::move(options)) {
  Start(sim::EepromStore{});
}

SimulatedModule::SimulatedModule(const sim::EepromStore& image, sim::SimOptions options)
    : options_(std::move(options)) {
  Start(image);
}

// Saves `image` into a fresh temporary directory and serves it.
void SimulatedModule::Start(const sim::EepromStore& image) {
  std::string pattern = (std::filesystem::temp_directory_path() / "q4410-sim-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot create a temporary directory for the module image";
    return;
  }
  tempDir_ = pattern;
  options_.imagePath = tempDir_ + "/eeprom.img";
  std::string error;
  sim::EepromStore copy = image;
  if (!copy.Save(options_.imagePath, &error)) {
    ADD_FAILURE() << "cannot write the module image: " << error;
    return;
  }
  sim_ = std::make_unique<sim::PtySimulator>(options_);
  if (!sim_->Start(&error)) {
    ADD_FAILURE() << "simulated module did not start: " << error;
    sim_.reset();
  }
}

SimulatedModule::~SimulatedModule() {
  sim_.reset();
  if (!tempDir_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(tempDir_, ec);
  }
}

const std::string& SimulatedModule::device() const {
  return sim_ ? sim_->DevicePath() : noDevice_;
}

const std::string& SimulatedModule::imagePath() const {
  return options_.imagePath;
}

uint32_t SimulatedModule::Word(int block, int offset) const {
  std::string error;
  const std::optional<sim::EepromStore> store = sim::EepromStore::Open(options_.imagePath, &error);
  if (!store) {
    ADD_FAILURE() << "cannot read the module image: " << error;
    return 0;
  }
  return store->Word(block, offset);
}

std::vector<char> SimulatedModule::ImageBytes() const {
  std::ifstream in(options_.imagePath, std::ios::binary);
  return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void SimulatedModule::SetWord(int block, int offset, uint32_t value) {
  if (!sim_) {
    ADD_FAILURE() << "SetWord on a simulated module that did not start";
    return;
  }
  sim_->SetWord(block, offset, value);
}

}  // namespace q4410::testing
