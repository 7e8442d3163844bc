#include "ui/common/console_log_window.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "tests/support/recording_message_boxes.h"

namespace q4410 {
namespace {

TEST(ConsoleLogWindow, ShowsTheTraceLiveClearsAndSaves) {
  SerialTrace trace;
  testing::RecordingMessageBoxes boxes;
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
}  // namespace q4410
