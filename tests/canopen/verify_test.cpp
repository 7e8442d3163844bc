// The verification after a download against a simulated module: it finds the first word that
// differs from what was written and leaves every word of the module as it was.
#include <gtest/gtest.h>

#include "canopen/verify_procedure.h"
#include "config/eeprom_image.h"
#include "link/qt_serial_port.h"
#include "sim/image_report.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

using testing::SimulatedModule;

TEST(Verify, FindsTheFirstDifferenceAndChangesNothing) {
  struct Case {
    int block, offset;  // the image word made to differ from the module's; -1: none
    bool ok;
  };
  for (const Case c : {Case{-1, -1, true}, Case{0, 48, false}, Case{2, 8, false}}) {
    SimulatedModule module(sim::ExampleImage(), {});
    ASSERT_TRUE(module.started());
    // The images as a download that the module took would leave them.
    ParaDef rec;
    rec.ModulePrompt = "5160QT>";
    rec.Block0Length = 108;
    rec.Block2Length = 16;
    for (int i = 0; i < 30; ++i) rec.Block0Image.push_back(module.Word(0, 40 + 4 * i));
    for (int i = 0; i < 5; ++i) rec.Block2Image.push_back(module.Word(2, 4 * i));
    uint32_t written = 0, read = 0;
    if (c.block >= 0) {
      auto& image = c.block == 0 ? rec.Block0Image : rec.Block2Image;
      uint32_t& word = image[(c.offset - (c.block == 0 ? kBlock0FirstOffset : 0)) / 4];
      read = word;
      written = word ^ 0x80000100u;  // also a word the console shows as negative
      word = written;
    }
    const std::vector<char> before = module.ImageBytes();

    QtSerialPort port;
    ASSERT_TRUE(port.Open(module.device()).ok());
    Console console(port, PlainConsoleEnv());
    const VerifyResult result = VerifyWrittenWords(rec, console);

    EXPECT_TRUE(result.completed) << Describe(result.failure);
    EXPECT_EQ(result.ok(), c.ok);
    if (!c.ok) {
      ASSERT_TRUE(result.difference.has_value());
      EXPECT_EQ(result.difference->block, c.block);
      EXPECT_EQ(result.difference->offset, c.offset);
      EXPECT_EQ(result.difference->written, written);
      EXPECT_EQ(result.difference->read, read);
    }
    EXPECT_EQ(module.ImageBytes(), before);
    // Back at the prompt for whatever follows.
    EXPECT_TRUE(console.SendCommand("", "5160QT>"));
  }
}

}  // namespace
}  // namespace q4410
