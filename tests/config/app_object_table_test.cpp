#include "config/app_object_table.h"

#include <gtest/gtest.h>

#include <string>

namespace q4410 {
namespace {

// Each check at its bounds, with the title of its message; only the first failing check is
// reported and a refusal stores nothing. The address is stored without leading zeros, and
// text that did not come through the key filter (a configuration file) is read like the
// window reads it: the leading number, halves to even.
TEST(AppObjectTable, EachCheckAtItsBoundsWithItsTitle) {
  const std::string address = "Error: ModBus Device Address Error. (1-247)";
  const std::string relay = "Error: Relay Start Address Error. (1-9999)";
  const std::string bits = "Erroe: Communication Length Error. (1-254)";
  const std::string reg = "Error: Regisiter Start Address Error. (1-9999)";
  const std::string words = "Error: Communication Length Error. (1-55)";
  struct Check {
    AppObjectFields fields;
    std::string refusal;  // "title: text" of the message, empty when stored
    AppObject stored = {};
  };
  const Check checks[] = {
      {{"0", 0, "1", "1"}, address},
      {{"1", 0, "1", "1"}, "", {"1", 0, 1, 1}},
      {{"247", 0, "1", "1"}, "", {"247", 0, 1, 1}},
      {{"248", 0, "1", "1"}, address},
      {{"1", 0, "0", "1"}, relay},
      {{"1", 4, "9999", "1"}, "", {"1", 4, 9999, 1}},
      {{"1", 2, "10000", "1"}, relay},
      {{"1", 0, "1", "254"}, "", {"1", 0, 1, 254}},
      {{"1", 0, "1", "255"}, bits},
      {{"1", 2, "1", "0"}, bits},
      {{"1", 3, "0", "1"}, reg},
      {{"1", 1, "9999", "1"}, "", {"1", 1, 9999, 1}},
      {{"1", 5, "10000", "1"}, reg},
      {{"1", 5, "1", "55"}, "", {"1", 5, 1, 55}},
      {{"1", 5, "1", "56"}, words},
      {{"1", 1, "1", ""}, words},
      {{"0", 0, "0", "0"}, address},
      {{"5", 3, "0", "99"}, reg},
      {{"007", 5, "0012", "040"}, "", {"7", 5, 12, 40}},
      {{"2.5", 0, "12.5", "13.5 bits"}, "", {"2", 0, 12, 14}},
      {{" 12x", 0, "1", "99999999999999999999999"}, bits},
  };
  for (const Check& check : checks) {
    const AppObjectFields& f = check.fields;
    SCOPED_TRACE(f.devAddr + "/" + std::to_string(f.kind) + "/" + f.start + "/" + f.length);
    ParaDef rec;
    const TableResult result = ApplicationObj(rec, 0, f);
    EXPECT_EQ(result.ok, check.refusal.empty());
    if (!result.ok) {
      ASSERT_EQ(result.messages.size(), 1u);
      EXPECT_EQ(result.messages[0].title + ": " + result.messages[0].text, check.refusal);
    }
    EXPECT_EQ(rec.AppObjects[0], check.stored);
  }
}

// Add fills the slots in order, update and delete confirm or refuse; every change, and only a
// change, marks the table for the download.
TEST(AppObjectTable, AddUpdateAndDeleteKeepTheTableInOrder) {
  ParaDef rec;
  rec.AppObjectsUnchanged = true;
  EXPECT_FALSE(AddAppObject(rec, {"1", 0, "1", "255"}).ok);
  EXPECT_EQ(rec.AppObjectCount, 0);
  EXPECT_TRUE(rec.AppObjectsUnchanged);
  for (int i = 1; i <= 10; ++i) ASSERT_TRUE(AddAppObject(rec, {std::to_string(i), 0, "1", "8"}).ok);
  EXPECT_EQ(rec.AppObjects[9], (AppObject{"10", 0, 1, 8}));
  EXPECT_FALSE(rec.AppObjectsUnchanged);

  // The eleventh is refused before any of its fields is checked.
  rec.AppObjectsUnchanged = true;
  TableResult result = AddAppObject(rec, {"", 0, "", ""});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.messages, (std::vector<TableMessage>{{"Application Object Max:  10", "Error"}}));
  EXPECT_EQ(rec.AppObjectCount, 10);

  // A kind change empties start and length: the start check fails first, then the update.
  result = UpdateAppObject(rec, 0, {"1", 3, "", ""});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.messages,
            (std::vector<TableMessage>{{"Regisiter Start Address Error. (1-9999)", "Error"},
                                       {"Failure!!!", "Update"}}));
  EXPECT_EQ(rec.AppObjects[0], (AppObject{"1", 0, 1, 8}));
  EXPECT_TRUE(rec.AppObjectsUnchanged);
  result = UpdateAppObject(rec, 1, {"12", 3, "100", "2"});
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.messages, (std::vector<TableMessage>{{"Success!!!", "Update"}}));
  EXPECT_FALSE(rec.AppObjectsUnchanged);

  // Delete closes the gap and empties the freed slot; a slot not in use is refused.
  rec.AppObjectsUnchanged = true;
  ASSERT_TRUE(DeleteAppObject(rec, 0).ok);
  EXPECT_EQ(rec.AppObjectCount, 9);
  EXPECT_EQ(std::vector(rec.AppObjects.begin(), rec.AppObjects.begin() + 2),
            (std::vector<AppObject>{{"12", 3, 100, 2}, {"3", 0, 1, 8}}));
  EXPECT_EQ(std::vector(rec.AppObjects.begin() + 8, rec.AppObjects.end()),
            (std::vector<AppObject>{{"10", 0, 1, 8}, {"0", 0, 0, 0}}));
  EXPECT_FALSE(rec.AppObjectsUnchanged);
  rec.AppObjectsUnchanged = true;
  EXPECT_FALSE(DeleteAppObject(rec, 9).ok);
  EXPECT_FALSE(DeleteAppObject(rec, -1).ok);
  EXPECT_EQ(rec.AppObjectCount, 9);
  EXPECT_TRUE(rec.AppObjectsUnchanged);
}

}  // namespace
}  // namespace q4410
