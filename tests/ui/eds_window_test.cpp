// The EDS window's download choices: the folder the EDS file goes to and "Verify after
// download", their defaults, remembering them between runs, and what Finish hands the download.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "tests/ui/window_session.h"
#include "ui/common/download_choices.h"
#include "ui/common/settings_store.h"

namespace q4410 {
namespace {

// One run of the program as far as the EDS window sees it.
struct ProgramRun {
  explicit ProgramRun(ui::MemorySettingsStore remembered) : settings(std::move(remembered)) {
    session.settings = &settings;
    session.files = &files;
  }
  ParaDef rec;
  QtSerialPort port;
  testing::RecordingMessageBoxes boxes;
  ui::MemorySettingsStore settings;
  testing::QueuedFileDialogs files;
  ui::Session session{rec, {port, ui::WindowConsoleEnv()}, boxes, {}, {}};
};

std::string ShownFolder(const ui::COPEDS_F& window) {
  return window.findChild<QLineEdit*>("EdsFolder")->text().toStdString();
}
QCheckBox* Verify(const ui::COPEDS_F& window) {
  return window.findChild<QCheckBox*>("VerifyAfterDownload");
}

TEST(EdsWindow, FolderAndVerificationStartFromTheirDefaultsAndAreRemembered) {
  QTemporaryDir writable, chosen;
  const std::string documents =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  EXPECT_EQ(ui::DefaultEdsFolder(writable.path().toStdString()), writable.path().toStdString());
  EXPECT_EQ(ui::DefaultEdsFolder(writable.path().toStdString() + "/missing"), documents);

  ProgramRun first({});
  {
    ui::COPEDS_F window(first.session);
    // The tests' own folder is writable.
    EXPECT_EQ(ShownFolder(window), QCoreApplication::applicationDirPath().toStdString());
    EXPECT_TRUE(Verify(window)->isChecked());
    first.files.answers = {chosen.path().toStdString()};
    window.findChild<QPushButton*>("BrowseEdsFolder")->click();
    EXPECT_EQ(ShownFolder(window), chosen.path().toStdString());
    Verify(window)->click();
  }

  ProgramRun second(first.settings);
  {
    ui::COPEDS_F window(second.session);
    EXPECT_EQ(ShownFolder(window), chosen.path().toStdString());
    EXPECT_FALSE(Verify(window)->isChecked());
  }
  second.session.edsDirectory = writable.path().toStdString();  // --eds-dir
  EXPECT_EQ(ShownFolder(ui::COPEDS_F(second.session)), writable.path().toStdString());
}

TEST(EdsWindow, FinishHandsTheFolderAndTheCheckBoxToTheDownload) {
  QTemporaryDir chosen;
  ProgramRun run({});
  run.session.edsDirectory = chosen.path().toStdString();
  ui::COPEDS_F window(run.session);
  std::vector<std::pair<std::string, bool>> requests;
  window.runDownload = [&](ParaDef&, Link&, const DownloadRequest& request, DialogueObserver&) {
    requests.emplace_back(request.edsDirectory, request.verify);
    return DownloadOutcome{};
  };
  auto* finish = window.findChild<QPushButton*>("FinishButton");
  finish->click();
  Verify(window)->click();
  finish->click();
  const std::string folder = chosen.path().toStdString();
  EXPECT_EQ(requests, (std::vector<std::pair<std::string, bool>>{{folder, true}, {folder, false}}));
}

}  // namespace
}  // namespace q4410
