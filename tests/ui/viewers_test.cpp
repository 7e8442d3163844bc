// The viewers: the object tables and the PDO table with its COB-IDs.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTableWidget>
#include <memory>

#include "canopen/pdo_builder.h"
#include "config/app_object_table.h"
#include "tests/ui/window_session.h"

namespace q4410::testing {
namespace {

const QString kFill = kPdoFiller;

class ViewerTest : public ::testing::Test {
 protected:
  void Table(std::vector<AppObject> objects, int nodeId = 1) {
    s.rec.NodeId = nodeId;
    s.rec.ModuleAppObjectCount = static_cast<int>(objects.size());
    s.rec.ModuleAppObjects = std::move(objects);
    LoadAppObjectTable(s.rec);
  }
  template <typename Viewer>
  QTableWidget* Grid(const char* gridName) {
    window = std::make_unique<Viewer>(s.session);
    return Find<QTableWidget>(window.get(), gridName);
  }
  static QStringList Row(QTableWidget* grid, int row, int from = 0, int to = -1) {
    QStringList texts;
    for (int column = from; column <= (to < 0 ? grid->columnCount() - 1 : to); ++column)
      texts << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return texts;
  }

  WindowSession s;
  std::unique_ptr<QWidget> window;
};

TEST_F(ViewerTest, ObjectTablesShowTenRowsWithTheObjectsInUse) {
  Table({{"247", 2, 9999, 254}, {"3", 5, 100, 2}});
  QTableWidget* grid = Grid<ui::ShowModule>("ModuleInfoRecord");
  ASSERT_EQ(grid->rowCount(), 11);
  EXPECT_EQ(Row(grid, 0), QStringList({"No.", "Device ID", "IO_Type", "Start_Addr", "Comm_Len"}));
  EXPECT_EQ(Row(grid, 1), QStringList({"1", " 247", "Read DI", " 9999", " 254"}));
  EXPECT_EQ(Row(grid, 3).join(""), "");
  EXPECT_EQ(window->windowTitle(), "Device Information");

  grid = Grid<ui::ShowAppObj>("AppObjParaRecord");
  EXPECT_EQ(Row(grid, 0), QStringList({"Instance No.", "Device_ID(Att.1)", "IO_Type(Att.2)",
                                       "Start_Addr(Att.3)", "Comm_Len(Att.4)"}));
  EXPECT_EQ(Row(grid, 2), QStringList({"2", " 3", "Read AO", " 100", " 2"}));
}

TEST_F(ViewerTest, PdoTableShowsCobIdsAndMappingOfBothDirections) {
  Table({{"1", 0, 1, 10}, {"3", 1, 100, 18}, {"4", 5, 1, 18}}, 5);
  s.rec.RxPdoLast = 77;  // stale: the load rebuilds the mapping
  QTableWidget* grid = Grid<ui::ShowPDO>("PDOParaRecord");
  auto* tabs = Find<QTabBar>(window.get(), "PDOParaTableTag");
  EXPECT_EQ(tabs->currentIndex(), 0);
  ASSERT_EQ(grid->rowCount(), 7);
  EXPECT_EQ(Row(grid, 0, 0, 5), QStringList({"PDO NO.", "COB-ID (Hex)", "Transmission Type",
                                             "Inhibit Time", "Event Timer", "Mapping 0"}));
  EXPECT_EQ(Row(grid, 1),
            QStringList({"1", "205", "255", "Reversed", "Reversed", "0x1- DO:0001~0008",
                         "0x1- DO:0009~0010", kFill, kFill, kFill, kFill, kFill, kFill}));
  EXPECT_EQ(Row(grid, 4, 0, 1), QStringList({"4", "505"}));
  EXPECT_EQ(Row(grid, 5, 0, 1), QStringList({"5", "245"}));
  EXPECT_EQ(Row(grid, 6, 0, 6),
            QStringList({"6", "345", "255", "Reversed", "Reversed", "0x3- AO:116", "0x3- AO:116"}));

  // 18 registers on each side: PDOs 1 to 3 hold 12, PDO 4 four, PDO 5 the last two.
  tabs->setCurrentIndex(1);
  ASSERT_EQ(grid->rowCount(), 7);
  EXPECT_EQ(Row(grid, 1, 0, 4), QStringList({"1", "185", "255", "0", "0"}));
  EXPECT_EQ(Row(grid, 5, 0, 1), QStringList({"5", "1C5"}));
  EXPECT_EQ(Row(grid, 6, 0, 1), QStringList({"6", "2C5"}));
  EXPECT_EQ(Row(grid, 6, 5, 12), QStringList({"0x4- AO:17", "0x4- AO:17", "0x4- AO:18",
                                              "0x4- AO:18", kFill, kFill, kFill, kFill}));
}

TEST_F(ViewerTest, PdoNumbersFromEightOnHaveNoDefaultCobId) {
  Table({{"10", 3, 1, 32}});  // 32 registers fill PDOs 1 to 3 and 4 to 8 exactly
  QTableWidget* grid = Grid<ui::ShowPDO>("PDOParaRecord");
  Find<QTabBar>(window.get(), "PDOParaTableTag")->setCurrentIndex(1);
  ASSERT_EQ(grid->rowCount(), 10);
  EXPECT_EQ(Row(grid, 8, 0, 1), QStringList({"8", "4C1"}));
  EXPECT_EQ(Row(grid, 9, 0, 5), QStringList({"9", "80000000", "255", "0", "0", "0xA- AI:29"}));
}

}  // namespace
}  // namespace q4410::testing
