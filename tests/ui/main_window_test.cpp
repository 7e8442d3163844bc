// The main window: its lists and "Connect" against a simulated module.

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
  s.Click("ComButton_1");
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
// left; afterwards it shows what the module holds. A connect that fails then ends that
// connection, with every window that showed its data: nothing is left to edit or write.
TEST(MainWindow, ConnectLocksTheWindowShowsTheModuleAndAFailedOneForgetsIt) {
  SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());
  WindowSession s({module.device()});
  std::vector<std::string> gotThrough;  // controls enabled, and a close, while it runs
  bool busyMeanwhile = false;
  QTimer whileBusy;  // acts once, at the first turn of the event loop inside the connect
  QObject::connect(&whileBusy, &QTimer::timeout, s.main, [&] {
    if (busyMeanwhile || !(busyMeanwhile = s.session.link.LinkBusy)) return;
    for (const char* name : {"Connect", "ComPort", "EixtProgram", "CreateMBDevice"})
      if (s.Get(name)->isEnabled()) gotThrough.push_back(name);
    s.main->Connect_Click();  // a second connect, as a click that got through would start
    if (s.main->close()) gotThrough.push_back("close");
  });
  whileBusy.start(1);
  s.Click("Connect");

  ASSERT_TRUE(busyMeanwhile) << "the connect ended before the timer fired";
  EXPECT_EQ(gotThrough, std::vector<std::string>{});
  EXPECT_EQ(s.boxes.boxes, (Boxes{{"Module is connecting now!", "Error", false, false}}));
  EXPECT_FALSE(s.port.IsOpen());
  for (const char* name : {"Connect", "ComPort", "EixtProgram", "CreateMBDevice"})
    EXPECT_TRUE(s.Get(name)->isEnabled()) << name;
  s.Click("ComButton_1");
  std::vector<std::string> shown;
  for (const char* name : {"CommunicationState", "FirmwareVer", "ViewerText_0", "ViewerText_1",
                           "CANNodeId", "COMViewerText_0", "COMViewerText_2", "COMViewerText_4"})
    shown.push_back(s.Text(name));
  EXPECT_EQ(shown,
            (std::vector<std::string>{"Waiting for configuration", "1.05-2008/03/12", "CANopen",
                                      "       125    KBPS", "5", "19200   BPS", "EVEN", "300 ms"}));
  EXPECT_TRUE(s.Get("Image5160_1")->isVisible());

  s.windows.OpenShowModule();
  s.boxes.boxes.clear();
  QtSerialPort other;
  ASSERT_TRUE(other.Open(module.device()).ok());
  s.Click("Connect");
  const std::string occupied = module.device() + " has been occupied";
  EXPECT_EQ(s.boxes.boxes, (Boxes{{occupied, "Error", false}}));
  EXPECT_EQ(s.Text("CommunicationState"), occupied);
  EXPECT_EQ(s.windows.showModule(), nullptr);
  EXPECT_FALSE(s.Get("ModulesImage")->isVisible());
  EXPECT_EQ(s.Text("FirmwareVer"), "");
  s.Click("CreateMBDevice");
  EXPECT_EQ(s.windows.editor(), nullptr);
}

}  // namespace
}  // namespace q4410::testing
