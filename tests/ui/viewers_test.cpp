// The windows that only show: the object tables, the PDO table with its COB-IDs, the console
// log.
#include <gtest/gtest.h>

#include <QFile>
#include <QTabBar>
#include <QTableWidget>

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

ParaDef WithObjects(std::vector<AppObject> objects) {
  ParaDef rec;
  rec.NodeId = 5;
  rec.ModuleAppObjectCount = static_cast<int>(objects.size());
  rec.ModuleAppObjects = std::move(objects);
  LoadAppObjectTable(rec);
  return rec;
}

// PDOs 1 to 4 and 5 to 8 of each direction have their own COB-ID range; from 9 on none.
TEST(PdoViewer, DefaultCobIdPerDirectionPdoAndNode) {
  struct Case {
    bool receive;
    int pdo, node;
    std::string text;
  };
  const Case cases[] = {{true, 0, 5, "205"},  {true, 7, 127, "5BF"}, {false, 3, 1, "481"},
                        {false, 4, 5, "1C5"}, {false, 7, 1, "4C1"},  {true, 8, 1, "80000000"}};
  for (const Case& c : cases)
    EXPECT_EQ(ui::DefaultCobIdText(c.receive, c.pdo, c.node), c.text) << c.receive << c.pdo;
}

TEST(PdoViewer, ShowsBothDirectionsFromAFreshMapping) {
  WindowSession s;
  s.rec = WithObjects({{"1", 0, 1, 10}, {"3", 1, 100, 18}, {"4", 5, 1, 18}});
  s.rec.RxPdoLast = 77;  // stale: the load rebuilds the mapping
  ui::ShowPDO window(s.session);
  auto* grid = Find<QTableWidget>(&window, "PDOParaRecord");
  ASSERT_EQ(grid->rowCount(), 7);
  EXPECT_EQ(Row(grid, 0, 6), QStringList({"PDO NO.", "COB-ID (Hex)", "Transmission Type",
                                          "Inhibit Time", "Event Timer", "Mapping 0"}));
  const QString fill = kPdoFiller;
  EXPECT_EQ(Row(grid, 1, 13),
            QStringList({"1", "205", "255", "Reversed", "Reversed", "0x1- DO:0001~0008",
                         "0x1- DO:0009~0010", fill, fill, fill, fill, fill, fill}));

  // 18 registers on each side: PDOs 1 to 3 hold 12, PDO 4 four, PDO 5 the last two.
  Find<QTabBar>(&window, "PDOParaTableTag")->setCurrentIndex(1);
  EXPECT_EQ(Row(grid, 1, 5), QStringList({"1", "185", "255", "0", "0"}));
  EXPECT_EQ(Row(grid, 6, 10).mid(5),
            QStringList({"0x4- AO:17", "0x4- AO:17", "0x4- AO:18", "0x4- AO:18", fill}));
}

TEST(ObjectViewers, TenRowsWithTheObjectsInUse) {
  WindowSession s;
  s.rec = WithObjects({{"247", 2, 9999, 254}, {"3", 5, 100, 2}});
  ui::ShowModule module(s.session);
  auto* grid = Find<QTableWidget>(&module, "ModuleInfoRecord");
  ASSERT_EQ(grid->rowCount(), 11);
  EXPECT_EQ(Row(grid, 0, 5),
            QStringList({"No.", "Device ID", "IO_Type", "Start_Addr", "Comm_Len"}));
  EXPECT_EQ(Row(grid, 1, 5), QStringList({"1", " 247", "Read DI", " 9999", " 254"}));
  EXPECT_EQ(Row(grid, 3, 5).join(""), "");
  EXPECT_EQ(module.windowTitle(), "Device Information");

  ui::ShowAppObj objects(s.session);
  grid = Find<QTableWidget>(&objects, "AppObjParaRecord");
  EXPECT_EQ(Row(grid, 0, 5), QStringList({"Instance No.", "Device_ID(Att.1)", "IO_Type(Att.2)",
                                          "Start_Addr(Att.3)", "Comm_Len(Att.4)"}));
  EXPECT_EQ(Row(grid, 2, 5), QStringList({"2", " 3", "Read AO", " 100", " 2"}));
}

TEST(ConsoleLogWindow, ShowsTheTraceLiveClearsAndSaves) {
  SerialTrace trace;
  RecordingMessageBoxes boxes;
  ui::ConsoleLogWindow window(trace, boxes);
  QTemporaryDir dir;
  const QString path = dir.filePath("log.txt");
  window.askSavePath = [&](QWidget*) { return path; };

  trace.Event("open /dev/pts/3");
  trace.Sent("exit\r");
  window.findChild<QPushButton*>("SaveLog")->click();
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), window.Text().toUtf8() + "\n");
  EXPECT_TRUE(window.Text().endsWith(" ms >> exit\\r")) << window.Text().toStdString();
  EXPECT_EQ(window.Text().count('\n'), 1);

  window.findChild<QPushButton*>("ClearLog")->click();
  EXPECT_EQ(window.Text(), "");
  trace.Received(">");
  EXPECT_TRUE(window.Text().endsWith(" ms << >")) << window.Text().toStdString();
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
}  // namespace q4410::testing
