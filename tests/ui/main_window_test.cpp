// The main window: its lists, "Connect" against a simulated module, and the close query.
#include <gtest/gtest.h>

#include <QAction>
#include <QRadioButton>
#include <QTimer>

#include "sim/image_report.h"
#include "tests/support/simulated_module.h"
#include "tests/ui/window_session.h"

namespace q4410::testing {
namespace {

TEST(MainWindow, ListTextsAndNextBeforeAConnect) {
  WindowSession s;
  const QStringList canopen{"         10    KBPS", "         20    KBPS", "         50    KBPS",
                            "       125    KBPS",  "       250    KBPS",  "       500    KBPS",
                            "       800    KBPS",  "     1000    KBPS"};
  const QStringList devicenet{"       125    KBPS", "       250    KBPS", "       500    KBPS"};
  EXPECT_EQ(Entries(s.Get<QComboBox>("CANBaudrate")), canopen);
  s.Click("ApplicationSelect_1");
  EXPECT_EQ(Entries(s.Get<QComboBox>("CANBaudrate")), devicenet);
  EXPECT_EQ(s.rec.AppKind, 0);  // chosen, not stored before "Setting"
  s.Click("ApplicationSelect_0");
  EXPECT_EQ(Entries(s.Get<QComboBox>("CANBaudrate")), canopen);
  s.PressPort(1);
  EXPECT_EQ(
      Entries(s.Get<QComboBox>("ComBr")),
      (QStringList{"            1200   BPS", "            2400   BPS", "            4800   BPS",
                   "            9600   BPS", "          19200   BPS", "          38400   BPS",
                   "          57600   BPS", "        115200   BPS"}));
  EXPECT_EQ(Entries(s.Get<QComboBox>("ComPb")), (QStringList{"  NONE", "  EVEN", "  ODD"}));
  EXPECT_EQ(Entries(s.Get<QComboBox>("ComSb")), (QStringList{"      1", "      2"}));

  s.Click("CreateMBDevice");
  EXPECT_EQ(s.Text("CommunicationState"), "Connect Q-4410C First");
  EXPECT_EQ(s.windows.editor(), nullptr);
}

// A configured module: while the connect runs, the window takes no other dialogue and cannot be
// left; afterwards it shows what the module holds and "Next" leads on to the editor.
TEST(MainWindow, ConnectShowsTheModuleAndLocksTheWindowWhileItRuns) {
  SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());
  WindowSession s({module.device()});
  std::vector<std::string> enabledMeanwhile;
  bool busyMeanwhile = false;
  bool closedMeanwhile = true;
  QTimer whileBusy;  // acts once, at the first turn of the event loop inside the connect
  QObject::connect(&whileBusy, &QTimer::timeout, s.main, [&] {
    if (busyMeanwhile || !(busyMeanwhile = s.session.link.LinkBusy)) return;
    for (const char* name : {"Connect", "ComPort", "EixtProgram", "CreateMBDevice"})
      if (s.Enabled(name)) enabledMeanwhile.push_back(name);
    s.main->Connect_Click();  // a second connect, as a click that got through would start
    closedMeanwhile = s.main->close();
  });
  whileBusy.start(1);
  s.Click("Connect");

  ASSERT_TRUE(busyMeanwhile) << "the connect ended before the timer fired";
  EXPECT_EQ(enabledMeanwhile, std::vector<std::string>{});
  EXPECT_FALSE(closedMeanwhile);
  EXPECT_EQ(s.boxes.boxes, (Boxes{{"Module is connecting now!", "Error", false, false}}));
  EXPECT_TRUE(s.main->isVisible());
  EXPECT_FALSE(s.session.link.LinkBusy);
  EXPECT_FALSE(s.port.IsOpen());
  for (const char* name : {"Connect", "ComPort", "EixtProgram", "CreateMBDevice"})
    EXPECT_TRUE(s.Enabled(name)) << name;
  EXPECT_EQ(s.Text("CommunicationState"), "Waiting for configuration");
  EXPECT_EQ(s.Text("FirmwareVer"), "1.05-2008/03/12");
  EXPECT_TRUE(s.Visible("Image5160_1"));
  EXPECT_EQ(s.Text("ViewerText_0"), "CANopen");
  EXPECT_EQ(s.Text("ViewerText_1"), "       125    KBPS");
  EXPECT_EQ(s.Text("CANNodeId"), "5");
  s.PressPort(1);
  EXPECT_EQ(s.Text("COMViewerText_0"), "19200   BPS");
  EXPECT_EQ(s.Text("COMViewerText_2"), "EVEN");
  EXPECT_EQ(s.Text("COMViewerText_4"), "300 ms");

  s.Click("CreateMBDevice");
  EXPECT_NE(s.windows.editor(), nullptr);
  EXPECT_FALSE(s.main->isVisible());
}

// A configuration belongs to the module it was read from: a connect that fails ends the
// connection before it, with every window that showed its data.
TEST(MainWindow, FailedConnectAfterAGoodOneLeavesNothingToEditOrWrite) {
  SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());
  WindowSession s({module.device()});
  s.Click("Connect");
  ASSERT_TRUE(s.main->ModuleConnected());
  s.windows.OpenShowModule();

  QtSerialPort other;
  ASSERT_TRUE(other.Open(module.device()).ok());
  s.Click("Connect");
  const std::string occupied = module.device() + " has been occupied";
  EXPECT_EQ(s.boxes.boxes, (Boxes{{occupied, "Error", false}}));
  EXPECT_EQ(s.Text("CommunicationState"), occupied);
  EXPECT_FALSE(s.main->ModuleConnected());
  EXPECT_EQ(s.windows.showModule(), nullptr);
  EXPECT_FALSE(s.Visible("ModulesImage"));
  EXPECT_EQ(s.Text("FirmwareVer"), "");
  s.Click("CreateMBDevice");
  EXPECT_EQ(s.windows.editor(), nullptr);
}

TEST(MainWindow, ExitQueryAnsweredNoKeepsEverythingYesEmptiesTheTables) {
  WindowSession s;
  s.rec.Block0Image = {1, 2, 3};
  s.rec.ModuleAppObjects = {AppObject{"5", 3, 1, 4}};
  s.rec.ModuleAppObjectCount = 1;
  s.windows.OpenShowModule();
  s.Click("EixtProgram");
  EXPECT_EQ(s.boxes.boxes, (Boxes{{"Are you sure to exit this program?", "Exit Query", true}}));
  EXPECT_TRUE(s.main->isVisible());
  EXPECT_EQ(s.rec.Block0Image.size(), 3u);
  EXPECT_NE(s.windows.showModule(), nullptr);

  s.boxes.answers = {true};
  s.main->findChild<QAction*>("ExitProgram")->trigger();
  EXPECT_FALSE(s.main->isVisible());
  EXPECT_TRUE(s.rec.Block0Image.empty());
  EXPECT_TRUE(s.rec.ModuleAppObjects.empty());
  EXPECT_EQ(s.windows.showModule(), nullptr);
}

}  // namespace
}  // namespace q4410::testing
