// q4410ctl eds run as a program, as a commissioning script would run it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QStringList>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/canopen/eds_ini_check.h"
#include "tests/support/ctl_process.h"

namespace {

namespace fs = std::filesystem;

using q4410::testing::CtlRun;

CtlRun Ctl(const QStringList& args) {
  return q4410::testing::RunCtl(QStringList{"eds"} + args);
}

class EdsCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("q4410_eds_cmd_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  QString Write(const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return QString::fromStdString((dir / name).string());
  }
  QString Dir() const { return QString::fromStdString(dir.string()); }
  std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  fs::path dir;
};

TEST_F(EdsCommand, WritesTheFileOfTheConfiguration) {
  QString config = Write("gateway.json", R"({
    "ModulePrompt": "5160QT>", "FirmwareMajor": 1, "FirmwareMinor": 5, "NodeId": 12,
    "CanBaudCode": 4, "RxPdoClosed": 0, "TxPdoClosed": 1, "SerialNumber": "ignored",
    "AppObjects": [{"DevAddr": 1, "Kind": 0, "Start": 1, "Length": 10},
                   {"DevAddr": 2, "Kind": 3, "Start": 100, "Length": 4}]})");
  CtlRun run = Ctl({"--config", config, "--eds-dir", Dir()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  fs::path written = dir / "COPn12.eds";
  EXPECT_EQ(run.out, written.string() + "\n");
  std::string text = Read(written);
  EXPECT_EQ(q4410::testing::CheckEdsStructure(text), std::vector<std::string>{});
  q4410::testing::EdsIni ini = q4410::testing::ParseEdsIni(text);
  EXPECT_EQ(ini.values["DEVICEINFO"]["BAUDRATE_250"], "1");
  EXPECT_EQ(ini.values["DEVICEINFO"]["ORDERCODE"], "VELDAN CANOpen/ModBus RTU Gateway");
  EXPECT_EQ(ini.values["1000"]["DEFAULTVALUE"], "0x60191");  // Rx digital, Tx analog
  EXPECT_EQ(ini.values["1400SUB1"]["DEFAULTVALUE"], "0x20C");
  EXPECT_EQ(ini.values["1600SUB0"]["DEFAULTVALUE"], "0x2");  // the two bytes of 10 bits
  // TxPDO closed without digital data: the registers begin in PDO 0.
  EXPECT_EQ(ini.values["1A00SUB0"]["DEFAULTVALUE"], "0x4");
  EXPECT_EQ(ini.values["1A00SUB1"]["DEFAULTVALUE"], "0x64010110");
  EXPECT_EQ(ini.values["2000"]["SUBNUMBER"], "3");
  EXPECT_EQ(ini.values.count("100C"), 1u);  // node guarding after a download of objects
}

TEST_F(EdsCommand, MissingKeysTakeTheStartUpValues) {
  QString config = Write("empty.json", "{}");
  CtlRun run = Ctl({"--config", config, "--eds-dir", Dir()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::string text = Read(dir / "COPn1.eds");  // start-up node ID 1
  EXPECT_NE(text.find("BaudRate_10=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("[ManufacturerObjects]\r\n\r\n[Comments]"), std::string::npos);
}

TEST_F(EdsCommand, FailuresSayWhichFileAndWhy) {
  CtlRun missing = Ctl({"--config", Dir() + "/none.json", "--eds-dir", Dir()});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("Error: The configuration file " + dir.string() +
                             "/none.json could not be read: No such file or directory"),
            std::string::npos)
      << missing.err;

  QString bad = Write("bad.json", R"({"NodeId": "twelve"})");
  CtlRun refused = Ctl({"--config", bad, "--eds-dir", Dir()});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("key \"NodeId\""), std::string::npos) << refused.err;

  QString good = Write("good.json", R"({"NodeId": 7})");
  CtlRun unwritable = Ctl({"--config", good, "--eds-dir", Dir() + "/no/such/dir"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.err.find("Error: The EDS file " + dir.string() +
                                "/no/such/dir/COPn7.eds could not be written: "),
            std::string::npos)
      << unwritable.err;
  EXPECT_FALSE(fs::exists(dir / "COPn7.eds"));
}

TEST_F(EdsCommand, ValuesPassTheChecksOfWrite) {
  const std::pair<const char*, const char*> refused[] = {
      {R"({"NodeId": 0})", "Error: Node ID is not supported!(1~127)"},
      {R"({"CanBaudCode": 9})", "Error: CanBaudCode 9 has no entry in the CANopen baud list"},
      {R"({"AppObjects": [{"DevAddr": 1, "Kind": -1, "Start": 1, "Length": 8}]})",
       "Error: Kind -1 is not an object kind (0-5)"}};
  for (auto [config, message] : refused) {
    CtlRun run = Ctl({"--config", Write("refused.json", config), "--eds-dir", Dir()});
    EXPECT_EQ(run.exitCode, 1) << config;
    EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), std::string(message) + "\n");
  }
  EXPECT_FALSE(fs::exists(dir / "COPn0.eds"));
  EXPECT_FALSE(fs::exists(dir / "COPn1.eds"));
}

}  // namespace
