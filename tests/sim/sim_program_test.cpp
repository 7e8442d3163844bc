// The q4410-sim program: its command line, its image files and serving until it is stopped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "config/eeprom_image.h"
#include "config/para_def.h"
#include "sim/eeprom_store.h"
#include "sim/image_report.h"
#include "sim/sim_args.h"

namespace q4410::sim {
namespace {

struct ProgramRun {
  int status = -1;
  std::string output;  // stdout and stderr
};

ProgramRun RunSim(const std::string& args) {
  ProgramRun run;
  FILE* pipe = ::popen((std::string(Q4410_SIM_PATH) + " " + args + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class SimProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "q4410-prog-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string dir;
};

TEST(SimArgs, UsageErrors) {
  std::string error;
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"--image"},
                                             {"--image", "x", "--controller", "5160"},
                                             {"--image", "x", "--late", "-1"},
                                             {"--image", "x", "--late", "abc"},
                                             {"--image", "x", "--die-after"},
                                             {"--image", "x", "--frobnicate"},
                                             {"--print", "a", "--example", "b"},
                                             {"--print", "a", "--garble"},
                                             {"--example", "a", "--image", "b"}}) {
    EXPECT_FALSE(ParseSimArgs(args, &error)) << (args.empty() ? "" : args.back());
  }
}

TEST(SimArgs, EveryServingOption) {
  std::string error;
  const auto cmd =
      ParseSimArgs({"--image", "m.img", "--controller", "5160r", "--link", "/tmp/l", "--silent",
                    "--late", "250", "--garble", "--die-after", "7", "--no-echo"},
                   &error);
  ASSERT_TRUE(cmd) << error;
  EXPECT_EQ(cmd->mode, SimCommand::Mode::Serve);
  EXPECT_EQ(cmd->options.imagePath, "m.img");
  EXPECT_EQ(cmd->options.controller, "5160r");
  EXPECT_EQ(cmd->linkPath, "/tmp/l");
  EXPECT_TRUE(cmd->options.silent);
  EXPECT_EQ(cmd->options.lateMs, 250);
  EXPECT_TRUE(cmd->options.garbleValues);
  EXPECT_EQ(cmd->options.dieAfterLines, 7);
  EXPECT_FALSE(cmd->options.echo);
}

TEST(ExampleImage, ReadsBackAsAConsistentConfiguration) {
  const EepromStore store = ExampleImage();
  ParaDef rec;
  ASSERT_EQ(DecodeStoredImage(store, rec), StoredImage::Read);
  EXPECT_FALSE(rec.EepromDataError);
  EXPECT_EQ(rec.NodeId, 5);
  EXPECT_EQ(rec.CanBaudCode, 3);
  EXPECT_EQ(rec.ComBaudCode, 4);
  EXPECT_EQ(rec.ComParity, 1);
  EXPECT_EQ(rec.ComTimeoutMs, 300);
  ASSERT_EQ(rec.ModuleAppObjectCount, 2);
  EXPECT_EQ(rec.ModuleAppObjects[0], (AppObject{"1", 3, 1, 4}));
  EXPECT_EQ(rec.ModuleAppObjects[1], (AppObject{"2", 0, 1, 10}));
  EXPECT_EQ(rec.ConfigYear, 2026);
  EXPECT_EQ(rec.ConfigSecond, 30);
  EXPECT_EQ(store.Word(0, 0), 0x0105u);
  EXPECT_EQ(store.Word(2, 8), 0x03030000u);
}

TEST(ImageReport, DeviceNetModuleIsDescribedAsTheUtilityReadsIt) {
  EepromStore store = ExampleImage();
  // A DeviceNet module: block 1 holds its 28 bytes, node 50, application kind 1.
  store.SetWord(0, 44, 28u << 16 | (store.Word(0, 44) & 0xFFFFu));
  store.SetWord(0, 48, (store.Word(0, 48) & 0xFF000000u) | 50u << 16 | 1u << 8 | 2u);
  const std::string report = DescribeImage(store);
  EXPECT_NE(report.find("Configuration: stored\n"), std::string::npos) << report;
  EXPECT_NE(report.find("Application: DeviceNet"), std::string::npos) << report;
  EXPECT_NE(report.find("Node ID: 50\n"), std::string::npos) << report;
  EXPECT_NE(report.find("CAN baud: 500 kbit/s\n"), std::string::npos) << report;
  EXPECT_EQ(report.find("data error"), std::string::npos) << report;

  // Block 1 left at 0, as a CANopen download writes it, is what the utility refuses.
  store.SetWord(0, 44, store.Word(0, 44) & 0xFFFFu);
  EXPECT_NE(DescribeImage(store).find("stored, with data errors"), std::string::npos);
}

TEST_F(SimProgram, ExampleThenPrint) {
  const std::string image = dir + "/example.img";
  ASSERT_EQ(RunSim("--example " + image).status, 0);
  const ProgramRun print = RunSim("--print " + image);
  EXPECT_EQ(print.status, 0);
  for (const char* line :
       {"Firmware: 1.05-2008/03/12\n", "Node ID: 5\n", "CAN baud: 125 kbit/s\n",
        "  1: device 1, Read AI, start 1, length 4\n",
        "  2: device 2, Write DO, start 1, length 10\n", "Time stamp: 2026-12-01 10:20:30\n",
        "  40: 0x01B4006C = 28573804\n", "  156: 0x", "  12: 0x00000000 = 0\n"})
    EXPECT_NE(print.output.find(line), std::string::npos) << line << "\n" << print.output;
  EXPECT_EQ(print.output.find("data error"), std::string::npos);

  const ProgramRun fresh = RunSim("--print " + dir + "/missing.img");
  EXPECT_EQ(fresh.status, 1);
  EXPECT_EQ(RunSim("--print").status, 2);
  EXPECT_EQ(RunSim("--late 5").status, 2);
  const ProgramRun help = RunSim("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--die-after <N>"), std::string::npos);
}

TEST_F(SimProgram, ServesUntilTerminatedAndRemovesItsLink) {
  const std::string link = dir + "/module";
  int out[2];
  ASSERT_EQ(::pipe(out), 0);
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::dup2(out[1], 1);
    ::close(out[0]);
    ::execl(Q4410_SIM_PATH, Q4410_SIM_PATH, "--image", (dir + "/m.img").c_str(), "--link",
            link.c_str(), "--controller", "5160r", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(out[1]);
  std::string first;
  char c;
  while (::read(out[0], &c, 1) == 1 && c != '\n') first += c;
  ::close(out[0]);
  ASSERT_EQ(first.rfind("/dev/", 0), 0u) << first;
  EXPECT_EQ(std::filesystem::read_symlink(link).string(), first);

  const int fd = ::open(link.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "exit\r", 5), 5);
  std::string answer;
  while (answer.find('>') == std::string::npos && ::read(fd, &c, 1) == 1) answer += c;
  EXPECT_EQ(answer, "exit\r\n5160r>");
  ::close(fd);

  ::kill(pid, SIGTERM);
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

}  // namespace
}  // namespace q4410::sim
