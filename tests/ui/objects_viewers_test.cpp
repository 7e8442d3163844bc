#include <gtest/gtest.h>

#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>
#include <memory>

#include "config/app_object_table.h"
#include "tests/ui/objects_session.h"
#include "ui/objects/show_app_obj.h"
#include "ui/objects/show_module.h"

namespace q4410 {
namespace {

class ViewerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    windows_.clear();
    s_.reset();
    testing::ObjectsSession::FlushUnloads();
  }

  // The table as the editor holds it: loaded from the module objects given.
  void Table(std::vector<AppObject> objects) {
    s_->SetModuleObjects(std::move(objects));
    LoadAppObjectTable(s_->rec);
  }

  template <typename Viewer>
  QTableWidget* Grid(const char* gridName) {
    windows_.push_back(std::make_unique<Viewer>(s_->session));
    auto* grid = windows_.back()->template findChild<QTableWidget*>(gridName);
    EXPECT_NE(grid, nullptr);
    return grid;
  }

  static QStringList Row(QTableWidget* grid, int row) {
    QStringList texts;
    for (int column = 0; column < grid->columnCount(); ++column)
      texts << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return texts;
  }

  std::unique_ptr<testing::ObjectsSession> s_ = std::make_unique<testing::ObjectsSession>();
  std::vector<std::unique_ptr<QWidget>> windows_;
};

TEST_F(ViewerTest, EmptyTableShowsTheHeadingsAndTenEmptyRows) {
  Table({});
  QTableWidget* grid = Grid<ui::ShowModule>("ModuleInfoRecord");
  ASSERT_EQ(grid->rowCount(), 11);
  ASSERT_EQ(grid->columnCount(), 5);
  EXPECT_EQ(Row(grid, 0), QStringList({"No.", "Device ID", "IO_Type", "Start_Addr", "Comm_Len"}));
  for (int row = 1; row <= 10; ++row) EXPECT_EQ(Row(grid, row).join(""), "") << row;
  EXPECT_FALSE(grid->horizontalHeader()->isVisibleTo(grid));
  EXPECT_FALSE(grid->verticalHeader()->isVisibleTo(grid));
  EXPECT_EQ(grid->item(0, 2)->textAlignment(), int(Qt::AlignCenter));

  auto* window = windows_.back().get();
  EXPECT_EQ(window->windowTitle(), "Device Information");
  EXPECT_EQ(window->findChild<QGroupBox*>()->title(), "Modbus devices Information");
}

TEST_F(ViewerTest, TenObjectsFillEveryRowWithInstanceNumbers) {
  std::vector<AppObject> objects;
  for (int i = 0; i < 10; ++i) objects.push_back({std::to_string(i + 1), i % 6, 100 + i, 2});
  Table(objects);
  QTableWidget* grid = Grid<ui::ShowAppObj>("AppObjParaRecord");
  EXPECT_EQ(Row(grid, 0), QStringList({"Instance No.", "Device_ID(Att.1)", "IO_Type(Att.2)",
                                       "Start_Addr(Att.3)", "Comm_Len(Att.4)"}));
  EXPECT_EQ(Row(grid, 3), QStringList({"3", " 3", "Read DI", " 102", " 2"}));
  EXPECT_EQ(Row(grid, 10), QStringList({"10", " 10", "Read AI", " 109", " 2"}));
  EXPECT_EQ(grid->item(10, 4)->textAlignment(), int(Qt::AlignCenter));
  EXPECT_EQ(windows_.back()->windowTitle(), "Application Object Information");
}

TEST_F(ViewerTest, AddressAndKindTexts) {
  Table({{"247", 2, 9999, 254}});
  QTableWidget* grid = Grid<ui::ShowModule>("ModuleInfoRecord");
  EXPECT_EQ(Row(grid, 1), QStringList({"1", " 247", "Read DI", " 9999", " 254"}));
  EXPECT_EQ(Row(grid, 2).join(""), "");
}

}  // namespace
}  // namespace q4410
