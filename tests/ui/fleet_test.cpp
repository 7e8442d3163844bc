// Commissioning several modules from the main window: cloning one module into a factory-fresh
// one through a configuration file, finding the module's port.
#include <fstream>

#include "config_file/config_json.h"
#include "tests/support/pty_pair.h"
#include "tests/ui/window_session.h"

namespace q4410::testing {
namespace {

// A configuration saved from one module and opened in the window goes into a factory-fresh
// module through the editor and Finish: both modules then hold the same. A refused file
// changes nothing and names the key.
TEST(Fleet, ConfigurationOfOneModuleClonedIntoAFreshOneThroughTheWindow) {
  SimulatedModule original(sim::ExampleImage(), {});
  SimulatedModule fresh;
  ASSERT_TRUE(original.started() && fresh.started());
  WindowSession s({original.device(), fresh.device()});
  const auto trigger = [&](const char* action) { s.Get<QAction>(action)->trigger(); };

  s.Click("Connect");
  s.files.answers = {s.Path("module.json"), s.Path("original.eds")};
  trigger("SaveConfiguration");
  trigger("SaveEdsFile");
  EXPECT_EQ(s.Text("CommunicationState"), "Saved original.eds");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(s.Path("original.eds"))));

  s.Get<QComboBox>("ComPort")->setCurrentIndex(1);
  s.Click("Connect");
  s.boxes.boxes.clear();  // a factory-fresh module's warning
  const std::string before = RecordToJson(s.rec, true);
  std::ofstream(s.Path("refused.json")) << R"({"Format": "q4410/1", "NodeId": 200})";
  s.files.answers = {s.Path("refused.json"), s.Path("module.json")};
  trigger("OpenConfiguration");
  EXPECT_EQ(s.boxes.boxes,
            (Boxes{{"Node ID is not supported!(1~127)\n\nKey \"NodeId\" of " +
                        s.Path("refused.json") + "; the configuration was not opened.",
                    "Error", false}}));
  EXPECT_EQ(RecordToJson(s.rec, true), before);

  trigger("OpenConfiguration");
  EXPECT_EQ(s.Text("CANNodeId"), "5");
  s.Click("CreateMBDevice");
  s.InEditor<QPushButton>("NextButton")->click();
  QTest::mouseClick(Find<QPushButton>(s.windows.edsWindow(), "FinishButton"), Qt::LeftButton);
  FlushUnloads();
  EXPECT_EQ(s.Text("CommunicationState"), "Produce .EDS file is OK: " + s.Path("COPn5.eds"));

  // Word for word, apart from the time stamp of the download (block 0, offsets 52 to 59).
  std::vector<char> cloned = fresh.ImageBytes(), source = original.ImageBytes();
  ASSERT_EQ(cloned.size(), source.size());
  std::fill(cloned.begin() + 52, cloned.begin() + 60, 0);
  std::fill(source.begin() + 52, source.begin() + 60, 0);
  EXPECT_EQ(cloned, source);
}

TEST(Fleet, FindSelectsThePortWhereTheModuleAnswers) {
  SimulatedModule module;
  PtyPair silent;
  ASSERT_TRUE(module.started() && silent.ok());
  WindowSession s({silent.device(), module.device()});
  s.Click("Find");
  EXPECT_EQ(s.Get<QComboBox>("ComPort")->currentText().toStdString(), module.device());
  EXPECT_EQ(s.Text("CommunicationState"), "Module found on " + module.device());
  const std::string found =
      silent.device() + ": no answer\n" + module.device() + ": 5160QT answered";
  ASSERT_EQ(s.boxes.boxes.size(), 1u);
  s.boxes.boxes[0].text.resize(found.size());  // then the ports the system lists
  EXPECT_EQ(s.boxes.boxes, (Boxes{{found, "Find", false}}));
  EXPECT_TRUE(s.Get("Connect")->isEnabled());
}

}  // namespace
}  // namespace q4410::testing
