// Pictures of the main window for looking at it by eye: written only when
// Q4410_SCREENSHOT_DIR names a directory, skipped otherwise.
#include <gtest/gtest.h>

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

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

TEST(MainScreenshots, NotConnectedCanViewComViewAndAbout) {
  if (ScreenshotDir().isEmpty()) GTEST_SKIP() << "Q4410_SCREENSHOT_DIR not set";
  ConnectedWindow w;
  ASSERT_TRUE(w.module.started());
  Store(w.module, StoredConfiguration());
  Save(w.s.main, "main_not_connected.png");
  QTimer::singleShot(150, w.s.main, [&] { Save(w.s.main, "main_connecting.png"); });
  w.s.Click("Connect");
  Save(w.s.main, "main_can_view.png");
  w.s.PortButton(1)->click();
  Save(w.s.main, "main_com_view.png");

  ui::AboutBox about;
  about.show();
  Save(&about, "main_about.png");
  ui::ProductBanner banner;
  banner.resize(480, 220);
  Save(&banner, "main_splash_banner.png");
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
