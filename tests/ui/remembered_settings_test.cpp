// What one run of the program leaves to the next: the port, the application, the window's
// place, the EDS folder and "Verify after download" (which Finish hands the download with the
// description); before that, their defaults.
#include <QRadioButton>
#include <QStandardPaths>
#include <array>
#include <tuple>

#include "tests/ui/window_session.h"
#include "ui/common/download_choices.h"

namespace q4410::testing {
namespace {

std::string ShownFolder(const ui::COPEDS_F& window) {
  return window.findChild<QLineEdit*>("EdsFolder")->text().toStdString();
}

TEST(RememberedSettings, DefaultsFirstThenWhatTheRunBeforeLeft) {
  QTemporaryDir writable, chosen;
  EXPECT_EQ(ui::DefaultEdsFolder(writable.path().toStdString()), writable.path().toStdString());
  EXPECT_EQ(ui::DefaultEdsFolder(writable.path().toStdString() + "/missing"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());

  ui::MemorySettingsStore store;
  {
    WindowSession first({"/dev/q4410-a", "/dev/q4410-b"}, &store);
    first.session.edsDirectory.clear();
    first.Get<QComboBox>("ComPort")->setCurrentIndex(1);
    EXPECT_EQ(store.Value(ui::kLastPortKey), "/dev/q4410-b");
    first.Click("ApplicationSelect_1");
    first.main->move(60, 50);
    ui::COPEDS_F window(first.session);
    // The tests' own folder is writable.
    EXPECT_EQ(ShownFolder(window), QCoreApplication::applicationDirPath().toStdString());
    EXPECT_TRUE(window.findChild<QCheckBox*>("VerifyAfterDownload")->isChecked());
    first.files.answers = {chosen.path().toStdString()};
    window.findChild<QPushButton*>("BrowseEdsFolder")->click();
    EXPECT_EQ(ShownFolder(window), chosen.path().toStdString());
    window.findChild<QCheckBox*>("VerifyAfterDownload")->click();
  }

  WindowSession second({}, &store);
  EXPECT_TRUE(second.Get<QRadioButton>("ApplicationSelect_1")->isChecked());
  EXPECT_EQ(second.main->pos(), QPoint(60, 50));
  second.Click("ApplicationSelect_0");
  EXPECT_EQ(store.Value(ui::kApplicationKey), "CANopen");
  second.session.edsDirectory.clear();
  second.session.flow = nullptr;  // the EDS window on its own, with no port selection to check
  {
    ui::COPEDS_F window(second.session);
    using Request = std::tuple<std::string, bool, std::array<std::string, 2>>;
    Request handed;
    window.runDownload = [&](ParaDef& rec, Link&, const DownloadRequest& request,
                             DialogueObserver&) {
      handed = {request.edsDirectory, request.verify, rec.EdsInfoText};
      return DownloadOutcome{};
    };
    window.findChild<QLineEdit*>("EDSInfo_0")->setText("Pump station 3");
    window.findChild<QLineEdit*>("EDSInfo_1")->setText("J. Doe");
    window.findChild<QPushButton*>("FinishButton")->click();
    EXPECT_EQ(handed, Request(chosen.path().toStdString(), false, {"Pump station 3", "J. Doe"}));
  }
  second.session.edsDirectory = writable.path().toStdString();  // --eds-dir
  EXPECT_EQ(ShownFolder(ui::COPEDS_F(second.session)), writable.path().toStdString());
}

}  // namespace
}  // namespace q4410::testing
