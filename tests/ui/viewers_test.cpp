// The windows that only show: the object tables, the PDO table with its COB-IDs, the console
// log.
#include <QTabBar>
#include <QTableWidget>
#include <tuple>

#include "canopen/pdo_builder.h"
#include "config/app_object_table.h"
#include "tests/ui/window_session.h"
#include "ui/common/console_log_window.h"

namespace q4410::testing {
namespace {

QStringList Row(QTableWidget* grid, int row, int columns) {
  QStringList texts;
  for (int column = 0; column < columns; ++column)
    texts << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
  return texts;
}

// PDOs 1 to 4 and 5 to 8 of each direction have their own COB-ID range; from 9 on none.
TEST(PdoViewer, DefaultCobIdPerDirectionPdoAndNode) {
  const std::tuple<bool, int, int, std::string> cases[] = {
      {true, 0, 5, "205"},  {true, 7, 127, "5BF"}, {false, 3, 1, "481"},
      {false, 4, 5, "1C5"}, {false, 7, 1, "4C1"},  {true, 8, 1, "80000000"}};
  for (const auto& [receive, pdo, node, text] : cases)
    EXPECT_EQ(ui::DefaultCobIdText(receive, pdo, node), text) << receive << pdo;
}

// The texts come from the table and the PDO builder; the viewers lay them out.
TEST(Viewers, ObjectTablesWithTenRowsAndPdosOfBothDirectionsFromAFreshMapping) {
  WindowSession s;
  s.rec.NodeId = 5;
  s.rec.ModuleAppObjects = {{"247", 2, 9999, 254}, {"1", 0, 1, 10}, {"3", 1, 100, 18}};
  s.rec.ModuleAppObjectCount = 3;
  LoadAppObjectTable(s.rec);
  ui::ShowModule module(s.session);
  auto* grid = Find<QTableWidget>(&module, "ModuleInfoRecord");
  ASSERT_EQ(grid->rowCount(), 11);
  EXPECT_EQ(Row(grid, 0, 5),
            QStringList({"No.", "Device ID", "IO_Type", "Start_Addr", "Comm_Len"}));
  EXPECT_EQ(Row(grid, 1, 5), QStringList({"1", " 247", "Read DI", " 9999", " 254"}));
  EXPECT_EQ(Row(grid, 4, 5).join(""), "");
  EXPECT_EQ(module.windowTitle(), "Device Information");
  ui::ShowAppObj objects(s.session);
  grid = Find<QTableWidget>(&objects, "AppObjParaRecord");
  EXPECT_EQ(Row(grid, 0, 5), QStringList({"Instance No.", "Device_ID(Att.1)", "IO_Type(Att.2)",
                                          "Start_Addr(Att.3)", "Comm_Len(Att.4)"}));
  EXPECT_EQ(Row(grid, 2, 5), QStringList({"2", " 1", "Write DO", " 1", " 10"}));

  s.rec.RxPdoLast = 77;  // stale: the load rebuilds the mapping
  ui::ShowPDO pdos(s.session);
  grid = Find<QTableWidget>(&pdos, "PDOParaRecord");
  EXPECT_EQ(grid->rowCount(), 7);
  EXPECT_EQ(Row(grid, 0, 6), QStringList({"PDO NO.", "COB-ID (Hex)", "Transmission Type",
                                          "Inhibit Time", "Event Timer", "Mapping 0"}));
  const QString fill = kPdoFiller;
  EXPECT_EQ(Row(grid, 1, 13),
            QStringList({"1", "205", "255", "Reversed", "Reversed", "0x1- DO:0001~0008",
                         "0x1- DO:0009~0010", fill, fill, fill, fill, fill, fill}));
  Find<QTabBar>(&pdos, "PDOParaTableTag")->setCurrentIndex(1);
  EXPECT_EQ(grid->rowCount(), 5);
  EXPECT_EQ(Row(grid, 1, 6), QStringList({"1", "185", "255", "0", "0", "0xF7- DI:9999~10006"}));
}

TEST(ConsoleLogWindow, ShowsTheTraceLiveClearsAndSaves) {
  SerialTrace trace(nullptr, [] { return std::chrono::microseconds(0); });
  RecordingMessageBoxes boxes;
  ui::ConsoleLogWindow window(trace, boxes);
  QTemporaryDir dir;
  window.askSavePath = [&](QWidget*) { return dir.filePath("log.txt"); };
  trace.Event("open /dev/pts/3");
  trace.Sent("exit\r");
  EXPECT_EQ(window.Text(), "     0.000 ms -- open /dev/pts/3\n     0.000 ms >> exit\\r");
  window.findChild<QPushButton*>("SaveLog")->click();
  QFile saved(dir.filePath("log.txt"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), window.Text().toUtf8() + "\n");

  trace.Received("not shown yet");
  window.findChild<QPushButton*>("ClearLog")->click();
  trace.Received(">");
  EXPECT_EQ(window.Text(), "     0.000 ms << >");
}

}  // namespace
}  // namespace q4410::testing
