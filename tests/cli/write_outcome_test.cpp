// What q4410ctl write leaves in the module when something goes wrong, and how its exit status
// and messages say so.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "sim/image_report.h"
#include "tests/support/ctl_process.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

using testing::CtlRun;
using testing::RunCtl;
using testing::SimulatedModule;

TEST(WriteOutcome, ExitStatusAndMessageTellTheModulesState) {
  struct Case {
    const char* name;
    sim::SimOptions options;
    QString edsDir;  // below the temporary directory
    int exitCode;
    std::string message;  // in stderr
    bool imageUnchanged;
    bool edsWritten;
  };
  sim::SimOptions corrupt, dying;
  corrupt.corruptBlock = 0;
  corrupt.corruptOffset = 48;  // word 2: node ID, baud and PDO flags
  // The connect takes 50 lines and the download types the first word in its 8th line: the
  // console dies in the middle of block 0.
  dying.dieAfterLines = 50 + 20;
  const Case cases[] = {
      {"verification finds the corrupted word", corrupt, "eds", 4,
       "Error: Verification failed: block 0, offset 48: written 589827 (0x00090003), read 589826 "
       "(0x00090002)\n",
       false, false},
      {"console dies while block 0 is written", dying, "eds", 3,
       "Q-4410C Utility: Timeout\n  block 0, offset ", false, false},
      {"missing EDS folders are created", {}, "new/folder", 0, "", false, true},
      {"an EDS folder that cannot be made changes nothing",
       {},
       "file/eds",
       1,
       "Error: The EDS file ",
       true,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedModule module(sim::ExampleImage(), c.options);
    ASSERT_TRUE(module.started());
    QTemporaryDir dir;
    std::ofstream(dir.filePath("file").toStdString()) << "not a folder";
    std::ofstream(dir.filePath("config.json").toStdString()) << R"({"NodeId": 9})";
    const std::vector<char> before = module.ImageBytes();

    const CtlRun run =
        RunCtl({"write", "--port", QString::fromStdString(module.device()), "--config",
                dir.filePath("config.json"), "--eds-dir", dir.filePath(c.edsDir)});

    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(module.ImageBytes() == before, c.imageUnchanged);
    EXPECT_EQ(std::filesystem::exists(dir.filePath(c.edsDir + "/COPn9.eds").toStdString()),
              c.edsWritten);
  }
}

}  // namespace
}  // namespace q4410
