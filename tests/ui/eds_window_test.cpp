// The EDS window's download choices: the folder the EDS file goes to and "Verify after
// download", their defaults, remembering them between runs, and what Finish hands the download.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QStandardPaths>
#include <array>
#include <tuple>
#include <vector>

#include "tests/ui/window_session.h"
#include "ui/common/download_choices.h"

namespace q4410::testing {
namespace {

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

  ui::MemorySettingsStore store;  // what one run of the program leaves to the next
  {
    WindowSession first({}, &store);
    first.session.edsDirectory.clear();
    ui::COPEDS_F window(first.session);
    // The tests' own folder is writable.
    EXPECT_EQ(ShownFolder(window), QCoreApplication::applicationDirPath().toStdString());
    EXPECT_TRUE(Verify(window)->isChecked());
    first.files.answers = {chosen.path().toStdString()};
    window.findChild<QPushButton*>("BrowseEdsFolder")->click();
    EXPECT_EQ(ShownFolder(window), chosen.path().toStdString());
    Verify(window)->click();
  }

  WindowSession second({}, &store);
  second.session.edsDirectory.clear();
  {
    ui::COPEDS_F window(second.session);
    EXPECT_EQ(ShownFolder(window), chosen.path().toStdString());
    EXPECT_FALSE(Verify(window)->isChecked());
  }
  second.session.edsDirectory = writable.path().toStdString();  // --eds-dir
  EXPECT_EQ(ShownFolder(ui::COPEDS_F(second.session)), writable.path().toStdString());
}

TEST(EdsWindow, FinishHandsTheFolderTheCheckBoxAndTheDescriptionToTheDownload) {
  WindowSession s;
  s.session.flow = nullptr;  // the window on its own, with no port selection to check
  ui::COPEDS_F window(s.session);
  using Request = std::tuple<std::string, bool, std::array<std::string, 2>>;
  std::vector<Request> requests;
  window.runDownload = [&](ParaDef& rec, Link&, const DownloadRequest& request, DialogueObserver&) {
    requests.emplace_back(request.edsDirectory, request.verify, rec.EdsInfoText);
    return DownloadOutcome{};
  };
  window.findChild<QLineEdit*>("EDSInfo_0")->setText("Pump station 3");
  window.findChild<QLineEdit*>("EDSInfo_1")->setText("J. Doe");
  auto* finish = window.findChild<QPushButton*>("FinishButton");
  finish->click();
  Verify(window)->click();
  finish->click();
  const std::string folder = s.session.edsDirectory;
  const std::array<std::string, 2> info{"Pump station 3", "J. Doe"};
  EXPECT_EQ(requests, (std::vector<Request>{{folder, true, info}, {folder, false, info}}));
}

}  // namespace
}  // namespace q4410::testing
