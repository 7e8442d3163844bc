// The verification after a download, seen in the windows: a word the module does not take is
// named in a message and the status line, and the EDS window stays open for another try.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tests/ui/main_connect_fixture.h"
#include "ui/common/message_boxes.h"

namespace q4410::testing {
namespace {

TEST(VerifyWindow, AWordTheModuleDidNotTakeIsNamedAndTheEdsWindowStays) {
  sim::SimOptions corrupt;
  corrupt.corruptBlock = 0;
  corrupt.corruptOffset = 48;  // word 2: node ID and CAN baud
  ConnectedWindow w(corrupt);
  ASSERT_TRUE(w.module.started());
  Store(w.module, StoredConfiguration());
  QTemporaryDir edsDir;
  w.s.session.edsDirectory = edsDir.path().toStdString();
  w.s.Click("Connect");
  w.s.SetText("CANNodeId", "17");
  w.s.Click("SettingCANParameter");
  w.s.Click("CreateMBDevice");
  w.s.windows.editor()->findChild<QPushButton*>("NextButton")->click();
  QWidget* eds = w.s.windows.edsWindow();
  ASSERT_NE(eds, nullptr);
  QTest::mouseClick(eds->findChild<QPushButton*>("FinishButton"), Qt::LeftButton);
  MainWindowSession::FlushUnloads();

  const std::string text = "Verification failed: block 0, offset 48: written ";
  ASSERT_EQ(w.s.boxes.boxes.size(), 1u);
  EXPECT_EQ(w.s.boxes.boxes[0].text.rfind(text, 0), 0u) << w.s.boxes.boxes[0].text;
  EXPECT_EQ(w.s.Text("CommunicationState").rfind(text, 0), 0u);
  EXPECT_EQ(w.s.windows.edsWindow(), eds);
  EXPECT_TRUE(QDir(edsDir.path()).isEmpty());

  // With Q4410_SCREENSHOT_DIR set: the message as the real box shows it, over the windows.
  const QString shots = qEnvironmentVariable("Q4410_SCREENSHOT_DIR");
  if (shots.isEmpty()) return;
  eds->show();
  QTest::qWait(100);
  const std::string status = w.s.Text("CommunicationState");
  const std::string& shown = w.s.boxes.boxes[0].text;
  QTimer::singleShot(200, [eds] {  // below the EDS window, details open
    QWidget* box = QApplication::activeModalWidget();
    box->move(box->x(), eds->frameGeometry().bottom() + 20);
    for (auto* button : box->findChildren<QPushButton*>())
      if (button->text().startsWith("Show Details")) button->click();
  });
  QTimer::singleShot(500, [&] {
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QDir(shots).filePath("verification_failure.png"));
    QApplication::activeModalWidget()->close();
  });
  ui::QtMessageBoxes().ShowDetailed(eds, shown, w.s.boxes.boxes[0].title,
                                    status.substr(shown.size() + 2));
}

}  // namespace
}  // namespace q4410::testing
