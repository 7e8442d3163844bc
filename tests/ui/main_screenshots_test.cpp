// Pictures of the windows on a 1024x768 screen for looking at them by eye: written only when
// Q4410_SCREENSHOT_DIR names a directory, skipped otherwise. Run it on a real display server
// of that size (for example Xvfb) to see the windows where they open.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "canopen/pdo_builder.h"
#include "tests/link/pty_pair.h"
#include "tests/ui/main_connect_fixture.h"
#include "ui/main/about_box.h"
#include "ui/main/product_banner.h"

namespace q4410::testing {
namespace {

QString ScreenshotDir() {
  return qEnvironmentVariable("Q4410_SCREENSHOT_DIR");
}

void Save(QWidget* widget, const char* name) {
  const QString path = QDir(ScreenshotDir()).filePath(name);
  EXPECT_TRUE(widget->grab().save(path)) << path.toStdString();
}

// The whole screen, after the windows have drawn themselves. During a dialogue with the
// module only what is pending is drawn: waiting there would stop the dialogue.
void SaveScreen(const char* name, bool duringDialogue = false) {
  if (duringDialogue)
    QCoreApplication::processEvents();
  else
    QTest::qWait(100);
  const QString path = QDir(ScreenshotDir()).filePath(name);
  EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(path)) << path.toStdString();
}

// A module with objects in both directions, so that the viewers have something to show.
ParaDef ModuleWithObjects() {
  ParaDef stored = StoredConfiguration();
  stored.AppObjectCount = 4;
  stored.AppObjects[1] = AppObject{"2", 0, 1, 20};
  stored.AppObjects[2] = AppObject{"3", 1, 100, 6};
  stored.AppObjects[3] = AppObject{"17", 5, 4001, 12};
  BuildPdoMapping(stored);  // the byte counts stored beside the objects
  return stored;
}

TEST(Screenshots, WindowsOnTheScreenWithASlowModule) {
  if (ScreenshotDir().isEmpty()) GTEST_SKIP() << "Q4410_SCREENSHOT_DIR not set";
  sim::SimOptions slow;
  slow.lateMs = 150;
  ConnectedWindow w(slow);
  ASSERT_TRUE(w.module.started());
  Store(w.module, ModuleWithObjects());
  MainWindowSession& s = w.s;
  s.boxes.notifyForReal = true;
  s.session.edsDirectory = QDir::tempPath().toStdString();
  SaveScreen("main_not_connected.png");
  QTimer::singleShot(1500, s.main, [&] {
    SaveScreen("main_connecting.png", true);
    s.main->close();
    SaveScreen("main_connect_refusal.png", true);
  });
  s.Click("Connect");
  ASSERT_TRUE(s.main->ModuleConnected());
  for (auto* box : s.main->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (box->isWindow()) box->close();
  SaveScreen("main_can_view.png");
  s.PortButton(1)->click();
  SaveScreen("main_com_view.png");

  s.Click("CreateMBDevice");
  ui::IOAppObjSetModbus* editor = s.windows.editor();
  ASSERT_NE(editor, nullptr);
  SaveScreen("editor.png");
  editor->findChild<QPushButton*>("ShowAppInf")->click();
  SaveScreen("pdo_viewer.png");
  s.windows.UnloadViewers();
  editor->findChild<QPushButton*>("NextButton")->click();
  ui::COPEDS_F* eds = s.windows.edsWindow();
  ASSERT_NE(eds, nullptr);
  eds->findChild<QLineEdit*>("EDSInfo_0")->setText("Pump station 3");
  SaveScreen("eds_window.png");
  QTimer::singleShot(2000, eds, [&] {
    eds->close();
    SaveScreen("download_refusal.png", true);
  });
  QTest::mouseClick(eds->findChild<QPushButton*>("FinishButton"), Qt::LeftButton);
  SaveScreen("main_after_download.png");
  EXPECT_EQ(s.Text("CommunicationState"), "Produce .EDS file is OK: " + s.session.edsDirectory +
                                              "/COPn" + std::to_string(s.rec.NodeId) + ".eds");

  ui::AboutBox about;
  about.show();
  Save(&about, "about.png");
  ui::ProductBanner banner;
  banner.resize(480, 220);
  Save(&banner, "splash_banner.png");
  s.FlushUnloads();
}

TEST(MainScreenshots, FileMenuAndFindResult) {
  if (ScreenshotDir().isEmpty()) GTEST_SKIP() << "Q4410_SCREENSHOT_DIR not set";
  SimulatedModule module;
  PtyPair silent;
  ASSERT_TRUE(module.started() && silent.ok());
  MainWindowSession s({silent.device(), module.device()});
  QMenu* file = s.Get<QMenu>("File");
  file->popup(s.main->mapToGlobal(s.main->menuBar()->geometry().bottomLeft()));
  Save(file, "main_file_menu.png");
  file->hide();

  s.Click("Find");
  Save(s.main, "main_after_find.png");
  ASSERT_EQ(s.boxes.boxes.size(), 1u);
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(s.boxes.boxes[0].title),
                  QString::fromStdString(s.boxes.boxes[0].text), QMessageBox::Ok, s.main);
  box.show();
  Save(&box, "main_find_result.png");
}

}  // namespace
}  // namespace q4410::testing
