#include "config/app_object_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace q4410 {
namespace {

AppObjectFields Fields(std::string addr, int kind, std::string start, std::string length) {
  return {std::move(addr), kind, std::move(start), std::move(length)};
}

// The first message an action showed, as "title: text".
std::string FirstMessage(const TableResult& result) {
  if (result.messages.empty()) return "(none)";
  return result.messages.front().title + ": " + result.messages.front().text;
}

AppObject Object(std::string addr, int kind, int start, int length) {
  return {std::move(addr), kind, start, length};
}

struct Check {
  AppObjectFields fields;
  std::string expected;  // "title: text" of the refusal, or "(none)" when stored
};

TEST(AppObjectTable, EachCheckAtItsBoundsWithItsTitle) {
  const std::string address = "Error: ModBus Device Address Error. (1-247)";
  const std::string relay = "Error: Relay Start Address Error. (1-9999)";
  const std::string bits = "Erroe: Communication Length Error. (1-254)";
  const std::string reg = "Error: Regisiter Start Address Error. (1-9999)";
  const std::string words = "Error: Communication Length Error. (1-55)";
  const Check checks[] = {
      {Fields("0", 0, "1", "1"), address},
      {Fields("1", 0, "1", "1"), "(none)"},
      {Fields("247", 0, "1", "1"), "(none)"},
      {Fields("248", 0, "1", "1"), address},
      {Fields("", 0, "1", "1"), address},
      {Fields("1", 0, "0", "1"), relay},
      {Fields("1", 4, "9999", "1"), "(none)"},
      {Fields("1", 2, "10000", "1"), relay},
      {Fields("1", 0, "1", "254"), "(none)"},
      {Fields("1", 0, "1", "255"), bits},
      {Fields("1", 2, "1", "0"), bits},
      {Fields("1", 3, "0", "1"), reg},
      {Fields("1", 1, "9999", "1"), "(none)"},
      {Fields("1", 5, "10000", "1"), reg},
      {Fields("1", 5, "1", "55"), "(none)"},
      {Fields("1", 5, "1", "56"), words},
      {Fields("1", 1, "1", ""), words},
      // only the first failing check is reported
      {Fields("0", 0, "0", "0"), address},
      {Fields("5", 3, "0", "99"), reg},
  };
  for (const Check& check : checks) {
    ParaDef rec;
    const TableResult result = ApplicationObj(rec, 0, check.fields);
    SCOPED_TRACE(check.fields.devAddr + "/" + std::to_string(check.fields.kind) + "/" +
                 check.fields.start + "/" + check.fields.length);
    EXPECT_EQ(FirstMessage(result), check.expected);
    EXPECT_EQ(result.ok, check.expected == "(none)");
    EXPECT_LE(result.messages.size(), 1u);
    if (!result.ok) {
      EXPECT_EQ(rec.AppObjects[0], AppObject{});  // nothing stored
    }
  }
}

TEST(AppObjectTable, StoresTheAddressWithoutLeadingZerosAndRoundsNumbers) {
  ParaDef rec;
  ASSERT_TRUE(ApplicationObj(rec, 3, Fields("007", 5, "0012", "040")).ok);
  EXPECT_EQ(rec.AppObjects[3], Object("7", 5, 12, 40));

  // Text that did not come through the key filter (a configuration file) is read like the
  // window reads it: the leading number, halves to even.
  ASSERT_TRUE(ApplicationObj(rec, 4, Fields("2.5", 0, "12.5", "13.5 bits")).ok);
  EXPECT_EQ(rec.AppObjects[4], Object("2", 0, 12, 14));
}

TEST(AppObjectTable, AddFillsSlotsInOrderAndRefusesTheEleventhBeforeAnyFieldCheck) {
  ParaDef rec;
  rec.AppObjectsUnchanged = true;
  EXPECT_FALSE(AddAppObject(rec, Fields("1", 0, "1", "255")).ok);
  EXPECT_EQ(rec.AppObjectCount, 0);
  EXPECT_TRUE(rec.AppObjectsUnchanged);

  for (int i = 1; i <= 10; ++i)
    ASSERT_TRUE(AddAppObject(rec, Fields(std::to_string(i), 0, "1", "8")).ok);
  EXPECT_EQ(rec.AppObjects[9], Object("10", 0, 1, 8));
  EXPECT_FALSE(rec.AppObjectsUnchanged);

  rec.AppObjectsUnchanged = true;
  const TableResult result = AddAppObject(rec, Fields("", 0, "", ""));  // every field bad
  EXPECT_FALSE(result.ok);
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0], (TableMessage{"Application Object Max:  10", "Error"}));
  EXPECT_EQ(rec.AppObjectCount, 10);
  EXPECT_TRUE(rec.AppObjectsUnchanged);
}

TEST(AppObjectTable, UpdateConfirmsOrReportsTheCheckThenFailure) {
  ParaDef rec;
  ASSERT_TRUE(AddAppObject(rec, Fields("1", 0, "1", "8")).ok);
  rec.AppObjectsUnchanged = true;

  // a kind change empties start and length: the start check fails first
  TableResult failed = UpdateAppObject(rec, 0, Fields("1", 3, "", ""));
  EXPECT_FALSE(failed.ok);
  ASSERT_EQ(failed.messages.size(), 2u);
  EXPECT_EQ(failed.messages[0], (TableMessage{"Regisiter Start Address Error. (1-9999)", "Error"}));
  EXPECT_EQ(failed.messages[1], (TableMessage{"Failure!!!", "Update"}));
  EXPECT_EQ(rec.AppObjects[0], Object("1", 0, 1, 8));
  EXPECT_TRUE(rec.AppObjectsUnchanged);

  TableResult done = UpdateAppObject(rec, 0, Fields("12", 3, "100", "2"));
  EXPECT_TRUE(done.ok);
  ASSERT_EQ(done.messages.size(), 1u);
  EXPECT_EQ(done.messages[0], (TableMessage{"Success!!!", "Update"}));
  EXPECT_EQ(rec.AppObjects[0], Object("12", 3, 100, 2));
  EXPECT_FALSE(rec.AppObjectsUnchanged);
}

TEST(AppObjectTable, DeleteClosesTheGapAndEmptiesTheFreedSlot) {
  ParaDef rec;
  rec.AppObjectCount = 3;
  rec.AppObjects[0] = Object("1", 0, 1, 8);
  rec.AppObjects[1] = Object("2", 1, 10, 2);
  rec.AppObjects[2] = Object("3", 3, 20, 4);
  rec.AppObjectsUnchanged = true;

  ASSERT_TRUE(DeleteAppObject(rec, 1).ok);
  EXPECT_EQ(rec.AppObjectCount, 2);
  EXPECT_EQ(rec.AppObjects[0], Object("1", 0, 1, 8));
  EXPECT_EQ(rec.AppObjects[1], Object("3", 3, 20, 4));
  EXPECT_EQ(rec.AppObjects[2], Object("0", 0, 0, 0));
  EXPECT_FALSE(rec.AppObjectsUnchanged);

  rec.AppObjectsUnchanged = true;
  EXPECT_FALSE(DeleteAppObject(rec, 2).ok);  // not in use
  EXPECT_FALSE(DeleteAppObject(rec, -1).ok);
  EXPECT_EQ(rec.AppObjectCount, 2);
  EXPECT_TRUE(rec.AppObjectsUnchanged);
}

}  // namespace
}  // namespace q4410
