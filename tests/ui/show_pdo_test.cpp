#include "ui/canopen/show_pdo.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QTabBar>
#include <QTableWidget>
#include <memory>

#include "canopen/pdo_builder.h"
#include "config/app_object_table.h"
#include "tests/ui/objects_session.h"

namespace q4410 {
namespace {

const QString kFill = kPdoFiller;

class ShowPdoTest : public ::testing::Test {
 protected:
  void TearDown() override {
    window_.reset();
    s_.reset();
    testing::ObjectsSession::FlushUnloads();
  }

  void Objects(std::vector<AppObject> objects, int nodeId) {
    s_->rec.NodeId = nodeId;
    s_->SetModuleObjects(std::move(objects));
    LoadAppObjectTable(s_->rec);
  }

  void Load() {
    window_ = std::make_unique<ui::ShowPDO>(s_->session);
    tabs_ = window_->findChild<QTabBar*>("PDOParaTableTag");
    grid_ = window_->findChild<QTableWidget*>("PDOParaRecord");
    ASSERT_NE(tabs_, nullptr);
    ASSERT_NE(grid_, nullptr);
  }

  QStringList Row(int row, int from = 0, int to = 12) const {
    QStringList texts;
    for (int column = from; column <= to; ++column)
      texts << (grid_->item(row, column) ? grid_->item(row, column)->text() : QString());
    return texts;
  }

  std::unique_ptr<testing::ObjectsSession> s_ = std::make_unique<testing::ObjectsSession>();
  std::unique_ptr<ui::ShowPDO> window_;
  QTabBar* tabs_ = nullptr;
  QTableWidget* grid_ = nullptr;
};

TEST_F(ShowPdoTest, OneWriteDoObjectOnBothTabs) {
  Objects({{"1", 0, 1, 10}}, 1);
  s_->rec.RxPdoLast = 77;  // stale: the load rebuilds the mapping
  Load();

  EXPECT_EQ(tabs_->currentIndex(), 0);
  EXPECT_EQ(tabs_->tabText(1), "Transmit PDO");
  ASSERT_EQ(grid_->rowCount(), 5);
  EXPECT_EQ(Row(0, 0, 5), QStringList({"PDO NO.", "COB-ID (Hex)", "Transmission Type",
                                       "Inhibit Time", "Event Timer", "Mapping 0"}));
  ASSERT_EQ(grid_->columnCount(), 13);
  EXPECT_EQ(Row(1), QStringList({"1", "201", "255", "Reversed", "Reversed", "0x1- DO:0001~0008",
                                 "0x1- DO:0009~0010", kFill, kFill, kFill, kFill, kFill, kFill}));
  EXPECT_EQ(Row(2, 0, 4), QStringList({"2", "301", "255", "Reversed", "Reversed"}));
  EXPECT_EQ(Row(3, 1, 1), QStringList({"401"}));
  EXPECT_EQ(Row(4), QStringList({"4", "501", "255", "Reversed", "Reversed", kFill, kFill, kFill,
                                 kFill, kFill, kFill, kFill, kFill}));
  EXPECT_EQ(grid_->item(1, 5)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));

  tabs_->setCurrentIndex(1);
  ASSERT_EQ(grid_->rowCount(), 5);
  EXPECT_EQ(Row(1), QStringList({"1", "181", "255", "0", "0", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(Row(2, 0, 5), QStringList({"2", "281", "255", "0", "0", kFill}));
  EXPECT_EQ(Row(4, 1, 1), QStringList({"481"}));
}

TEST_F(ShowPdoTest, LastPdoFiveShowsSixRowsAndTheSecondCobIdRange) {
  // 18 registers: PDOs 1 to 3 hold 12, PDO 4 four, PDO 5 the last two
  Objects({{"3", 1, 100, 18}, {"4", 5, 1, 18}}, 5);
  Load();
  ASSERT_EQ(s_->rec.RxPdoLast, 5);
  ASSERT_EQ(grid_->rowCount(), 7);
  EXPECT_EQ(Row(5, 0, 1), QStringList({"5", "245"}));
  EXPECT_EQ(Row(6, 0, 1), QStringList({"6", "345"}));
  EXPECT_EQ(Row(6, 5, 12), QStringList({"0x3- AO:116", "0x3- AO:116", "0x3- AO:117", "0x3- AO:117",
                                        kFill, kFill, kFill, kFill}));

  tabs_->setCurrentIndex(1);
  ASSERT_EQ(grid_->rowCount(), 7);
  EXPECT_EQ(Row(5, 0, 1), QStringList({"5", "1C5"}));
  EXPECT_EQ(Row(5, 5, 5), QStringList({"0x4- AO:13"}));
}

TEST_F(ShowPdoTest, PdoNumbersFromEightOnHaveNoDefaultCobId) {
  // 32 registers fill PDOs 1 to 3 and 4 to 8 exactly
  Objects({{"10", 3, 1, 32}}, 1);
  Load();
  tabs_->setCurrentIndex(1);
  ASSERT_EQ(s_->rec.TxPdoLast, 8);
  ASSERT_EQ(grid_->rowCount(), 10);
  EXPECT_EQ(Row(8, 0, 1), QStringList({"8", "4C1"}));
  EXPECT_EQ(Row(9, 0, 5), QStringList({"9", "80000000", "255", "0", "0", "0xA- AI:29"}));

  tabs_->setCurrentIndex(0);  // the grid is rebuilt for the other direction
  EXPECT_EQ(grid_->rowCount(), 5);
  EXPECT_EQ(grid_->item(5, 0), nullptr);
}

}  // namespace
}  // namespace q4410
