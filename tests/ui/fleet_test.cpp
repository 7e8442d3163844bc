// Commissioning several modules from the main window: cloning one module into a factory-fresh
// one through a configuration file, finding the module's port, remembered settings.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "config_file/config_json.h"
#include "sim/image_report.h"
#include "tests/support/pty_pair.h"
#include "tests/support/simulated_module.h"
#include "tests/ui/window_session.h"
#include "ui/common/settings_store.h"

namespace q4410::testing {
namespace {

struct FleetWindow {
  FleetWindow(std::vector<std::string> ports) : s(std::move(ports)) {
    s.session.files = &files;
    s.session.edsDirectory = dir.path().toStdString();
  }
  void Trigger(const char* action) { s.Get<QAction>(action)->trigger(); }
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  void ConnectTo(int index) {
    s.Get<QComboBox>("ComPort")->setCurrentIndex(index);
    s.Click("Connect");
    s.boxes.boxes.clear();  // a factory-fresh module's warning
  }

  QTemporaryDir dir;
  QueuedFileDialogs files;
  WindowSession s;
};

// A configuration saved from one module and opened in the window goes into a factory-fresh
// module through the editor and Finish: both modules read back the same and write the same
// EDS file. A refused file changes nothing and names the key.
TEST(Fleet, ConfigurationOfOneModuleClonedIntoAFreshOneThroughTheWindow) {
  SimulatedModule original(sim::ExampleImage(), {});
  SimulatedModule fresh;
  ASSERT_TRUE(original.started() && fresh.started());
  FleetWindow w({original.device(), fresh.device()});
  WindowSession& s = w.s;

  w.ConnectTo(0);
  w.files.answers = {w.Path("module.json"), w.Path("original.eds")};
  w.Trigger("SaveConfiguration");
  w.Trigger("SaveEdsFile");
  EXPECT_EQ(s.Text("CommunicationState"), "Saved original.eds");

  w.ConnectTo(1);
  const std::string before = RecordToJson(s.rec, true);
  std::ofstream(w.Path("refused.json")) << R"({"Format": "q4410/1", "NodeId": 200})";
  w.files.answers = {w.Path("refused.json")};
  w.Trigger("OpenConfiguration");
  EXPECT_EQ(s.boxes.boxes,
            (Boxes{{"Node ID is not supported!(1~127)\n\nKey \"NodeId\" of " +
                        w.Path("refused.json") + "; the configuration was not opened.",
                    "Error", false}}));
  EXPECT_EQ(RecordToJson(s.rec, true), before);
  EXPECT_EQ(s.Text("CANNodeId"), "1");

  s.boxes.boxes.clear();
  w.files.answers = {w.Path("module.json")};
  w.Trigger("OpenConfiguration");
  EXPECT_EQ(s.boxes.boxes, Boxes{});
  EXPECT_EQ(s.Text("CANNodeId"), "5");
  s.PressPort(1);
  EXPECT_EQ(s.Text("ComTimeout"), "300");
  s.Click("CreateMBDevice");
  ASSERT_NE(s.windows.editor(), nullptr);
  EXPECT_EQ(s.windows.editor()->findChild<QComboBox*>("Instance")->count(), 2);
  s.windows.editor()->findChild<QPushButton*>("NextButton")->click();
  ASSERT_NE(s.windows.edsWindow(), nullptr);
  QTest::mouseClick(s.windows.edsWindow()->findChild<QPushButton*>("FinishButton"), Qt::LeftButton);
  FlushUnloads();
  ASSERT_EQ(s.Text("CommunicationState"),
            "Produce .EDS file is OK: " + s.session.edsDirectory + "/COPn5.eds");
  ASSERT_EQ(s.boxes.boxes.size(), 1u);  // the same path, said in a message
  s.boxes.boxes.clear();

  // Word for word, apart from the time stamp of the download (block 0, offsets 52 to 59).
  std::vector<char> cloned = fresh.ImageBytes(), source = original.ImageBytes();
  ASSERT_EQ(cloned.size(), source.size());
  std::fill(cloned.begin() + 52, cloned.begin() + 60, 0);
  std::fill(source.begin() + 52, source.begin() + 60, 0);
  EXPECT_EQ(cloned, source);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(w.Path("original.eds"))));
  EXPECT_EQ(s.boxes.boxes, Boxes{});
}

TEST(Fleet, FindSelectsThePortWhereTheModuleAnswers) {
  SimulatedModule module;
  PtyPair silent;
  ASSERT_TRUE(module.started() && silent.ok());
  WindowSession s({silent.device(), module.device()});
  s.Click("Find");
  EXPECT_EQ(s.Current("ComPort"), module.device());
  EXPECT_EQ(s.Text("CommunicationState"), "Module found on " + module.device());
  // Then the ports the system lists, each with what it did.
  ASSERT_EQ(s.boxes.boxes.size(), 1u);
  EXPECT_EQ(s.boxes.boxes[0].title, "Find");
  EXPECT_EQ(s.boxes.boxes[0].text.rfind(
                silent.device() + ": no answer\n" + module.device() + ": 5160QT answered", 0),
            0u)
      << s.boxes.boxes[0].text;
  EXPECT_TRUE(s.Enabled("Connect"));
}

TEST(Fleet, ApplicationAndWindowPositionComeBackAndChangesAreRemembered) {
  ui::MemorySettingsStore store;
  store.SetValue(ui::kApplicationKey, "DeviceNet");
  store.SetValue(ui::kWindowPositionKey, "40,30");
  WindowSession s({"/dev/q4410-a", "/dev/q4410-b"}, &store);
  EXPECT_TRUE(s.Get<QRadioButton>("ApplicationSelect_1")->isChecked());
  EXPECT_EQ(s.main->pos(), QPoint(40, 30));
  s.Get<QComboBox>("ComPort")->setCurrentIndex(1);
  s.Click("ApplicationSelect_0");
  s.main->move(60, 50);
  EXPECT_EQ(store.Value(ui::kLastPortKey), "/dev/q4410-b");
  EXPECT_EQ(store.Value(ui::kApplicationKey), "CANopen");
  EXPECT_EQ(store.Value(ui::kWindowPositionKey), "60,50");
}

}  // namespace
}  // namespace q4410::testing
