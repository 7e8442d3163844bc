#include "config_file/config_json.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <string>
#include <tuple>

#include "config_file/apply_config.h"

namespace q4410 {
namespace {

// A file with every key, read and written again, gives the same JSON: each key reaches a field
// of its own and comes back from it.
TEST(RecordJson, RoundTripKeepsEveryKey) {
  const std::string text = R"({"Format": "q4410/1", "ModulePrompt": "5160QT>",
      "EdsDescription": "Pump station 3", "EdsCreatedBy": "Plant engineering",
      "FirmwareMajor": 1, "FirmwareMinor": 5, "FirmwareYear": 2008, "FirmwareMonth": 3,
      "FirmwareDay": 12, "AppKind": 1, "NodeId": 42, "CanBaudCode": 6, "ComBaudCode": 7,
      "ComDataBits": 9, "ComParity": 2, "ComStopBits": 4, "ComTimeoutMs": 1500,
      "ComChecksum": 237, "ConfigYear": 2026, "ConfigMonth": 11, "ConfigDay": 10,
      "ConfigHour": 23, "ConfigMinute": 59, "ConfigSecond": 58, "RxPdoClosed": 1,
      "TxPdoClosed": 0, "GuardTime": 1000, "LifeTimeFactor": 13, "HeartbeatTime": 250,
      "EepromDataError": true, "AppObjects": [{"DevAddr": 247, "Kind": 5, "Start": 9999,
      "Length": 55}, {"DevAddr": 14, "Kind": 0, "Start": 1, "Length": 254}]})";
  ParaDef rec;
  ConfigFile file;
  std::string error;
  ASSERT_TRUE(RecordFromJson(text, rec, file, error)) << error;
  EXPECT_EQ(file.keys.size(), 30u);  // every key but "Format"
  EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(RecordToJson(rec, false))),
            QJsonDocument::fromJson(QByteArray::fromStdString(text)));
}

// Files written before "Format" existed read as the first version; flags read as true/false too.
TEST(RecordJson, MissingKeysKeepTheRecordAndUnknownKeysAreIgnored) {
  ParaDef rec;
  rec.AppObjects[0] = {"3", 1, 1, 1};
  rec.AppObjectCount = 1;
  ConfigFile file;
  std::string error;
  ASSERT_TRUE(RecordFromJson(R"({"Format": "q4410/1", "RxPdoClosed": true, "TxPdoClosed": false,
                                 "EepromDataError": 1})",
                             rec, file, error))
      << error;
  EXPECT_EQ(std::tuple(rec.RxPdoClosed, rec.TxPdoClosed, rec.EepromDataError),
            std::tuple(1, 0, true));
  ASSERT_TRUE(RecordFromJson(R"({"NodeId": 9, "nodeid": "x", "Colour": "blue"})", rec, file, error))
      << error;
  EXPECT_EQ(std::tuple(rec.NodeId, rec.ComBaudCode, rec.AppObjectCount), std::tuple(9, 3, 1));
  EXPECT_EQ(file.keys, std::set<std::string>{"NodeId"});
  EXPECT_FALSE(file.hasAppObjects);

  // An empty list is a list: it empties the table.
  ASSERT_TRUE(RecordFromJson(R"({"AppObjects": []})", rec, file, error)) << error;
  EXPECT_EQ(std::tuple(rec.AppObjectCount, rec.AppObjects[0], file.hasAppObjects),
            std::tuple(0, AppObject{}, true));
}

// A refused file changes nothing, not even the sound keys beside the faulty one.
TEST(RecordJson, RefusalsNameTheKeyAndChangeNothing) {
  std::string eleven = R"({"AppObjects": [)";
  for (int i = 0; i < 11; ++i)
    eleven += std::string(i ? "," : "") + R"({"DevAddr":1,"Kind":0,"Start":1,"Length":8})";
  eleven += "]}";
  struct Case {
    const char* text;
    const char* errorPart;
  };
  const Case cases[] = {
      {"NodeId = 5", "not a JSON file"},
      {"[1, 2]", "one JSON object"},
      {R"({"NodeId": "5"})", "key \"NodeId\": expected a whole number"},
      {R"({"NodeId": 9, "ComTimeoutMs": 1e12})", "key \"ComTimeoutMs\""},
      {R"({"EepromDataError": 2})", "key \"EepromDataError\""},
      {R"({"RxPdoClosed": "yes"})", "key \"RxPdoClosed\": expected true, false, 0 or 1"},
      {R"({"Format": "q4410/2", "NodeId": 9})", "\"q4410/2\" is a form this version cannot read"},
      {R"({"Format": 1})", "not a configuration of the Q-4410C utility"},
      {R"({"AppObjects": {"DevAddr": 1}})", "key \"AppObjects\": expected a list"},
      {R"({"AppObjects": [1]})", "object 1: expected an object"},
      {R"({"AppObjects": [{"DevAddr": "1", "Kind": 0, "Start": 1, "Length": 8}]})",
       "object 1, key \"DevAddr\""},
      {R"({"AppObjects": [{"DevAddr": 1, "Kind": 0, "Start": 1, "Length": 8},
                          {"DevAddr": 1, "Kind": 0, "Start": 1}]})",
       "object 2: key \"Length\" is missing"},
      {eleven.c_str(), "key \"AppObjects\": 11 objects, at most 10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ParaDef rec;
    ConfigFile file;
    std::string error;
    EXPECT_FALSE(RecordFromJson(c.text, rec, file, error));
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
    EXPECT_EQ(std::pair(rec.NodeId, rec.AppObjectCount), std::pair(1, 0));
    EXPECT_TRUE(file.keys.empty());
  }
}

// A file goes through the checks of "Setting", "Set" and the editor, and a few of its own for
// codes the windows only offer from lists.
TEST(ApplyConfigFile, RefusalsNameTheKeyWithTheWindowsMessage) {
  struct Case {
    const char* json;
    const char* message;  // "title: text" of the first message box
    const char* key;
  };
  const Case cases[] = {
      {R"({"NodeId": 128})", "Error: Node ID is not supported!(1~127)", "NodeId"},
      {R"({"AppKind": 1, "NodeId": 64})", "Error: Node ID is not supported!(1~63)", "NodeId"},
      {R"({"ComTimeoutMs": 0})", "Error: Timeout value is out of range!(1ms~32767ms)",
       "ComTimeoutMs"},
      {R"({"AppObjects": [{"DevAddr": 248, "Kind": 0, "Start": 1, "Length": 8}]})",
       "Error: ModBus Device Address Error. (1-247)", "AppObjects, object 1"},
      {R"({"AppObjects": [{"DevAddr": 1, "Kind": -1, "Start": 1, "Length": 8}]})",
       "Error: Kind -1 is not an object kind (0-5)", "AppObjects, object 1"},
      {R"({"CanBaudCode": 8})", "Error: CanBaudCode 8 has no entry in the CANopen baud list",
       "CanBaudCode"},
      {R"({"GuardTime": 65536})", "Error: GuardTime 65536 is outside 0-65535", "GuardTime"},
      {R"({"RxPdoClosed": 2})", "Error: RxPdoClosed must be 0 or 1", "RxPdoClosed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.json);
    ParaDef rec;
    ConfigFile file;
    std::string error;
    ASSERT_TRUE(RecordFromJson(c.json, rec, file, error)) << error;
    const ApplyResult result = ApplyConfigFile(rec, file);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.key, c.key);
    ASSERT_FALSE(result.messages.empty());
    EXPECT_EQ(result.messages[0].title + ": " + result.messages[0].text, c.message);
  }
}

}  // namespace
}  // namespace q4410
