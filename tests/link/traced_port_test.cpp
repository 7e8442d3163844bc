#include "link/traced_port.h"

#include <gtest/gtest.h>

#include <sstream>

#include "link/connect_procedure.h"
#include "link/qt_serial_port.h"
#include "sim/image_report.h"
#include "tests/support/recording_observer.h"
#include "tests/support/simulated_module.h"

namespace q4410 {
namespace {

TEST(SerialTrace, LinesCarryTimeDirectionAndVisibleBytes) {
  std::chrono::microseconds now{5000};
  std::ostringstream out;
  {
    SerialTrace trace(out, [&] { return now; });
    now += std::chrono::microseconds(1500);
    trace.Sent("e");
    now += std::chrono::microseconds(500);
    trace.Sent("l\r");  // one line for the characters typed in a row, stamped at the first
    trace.Sent("/");
    now += std::chrono::microseconds(1234);
    trace.Received("ok\r\n\x1b[0m\\ \xff");  // ends the pending typed line
    trace.Event("close");
  }
  std::string header;
  std::istringstream lines(out.str());
  std::getline(lines, header);
  EXPECT_EQ(header.rfind("# serial trace started ", 0), 0u) << header;
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(lines), {}),
            "     1.500 ms >> el\\r\n"
            "     2.000 ms >> /\n"
            "     3.234 ms << ok\\r\\n\\x1b[0m\\\\ \\xff\n"
            "     3.234 ms -- close\n");

  std::string error;
  EXPECT_EQ(OpenSerialTrace("/nonexistent/dir/trace.log", error), nullptr);
  EXPECT_EQ(error,
            "cannot write the trace file /nonexistent/dir/trace.log: No such file or directory");
}

// A connect through the traced port reads the module as without it, and the trace holds the
// port's opening, the typed commands and the module's prompts in the order they crossed.
TEST(TracedPort, ConnectTraceHoldsCommandsAndPromptsInOrder) {
  testing::SimulatedModule module(sim::ExampleImage(), {});
  ASSERT_TRUE(module.started());

  SerialTrace trace;
  std::string log;
  trace.SetListener([&](const std::string& line) { log += line + "\n"; });
  QtSerialPort qtPort;
  TracedPort port(qtPort, &trace);
  Link link{port, PlainConsoleEnv()};
  ParaDef rec;
  testing::RecordingConnectObserver observer;
  ASSERT_EQ(RunConnect(rec, link, {module.device(), AppSelection::CANopen}, observer),
            ConnectResult::Connected)
      << log;
  EXPECT_EQ(rec.NodeId, 5);

  std::size_t at = 0;
  const std::vector<std::string> inOrder = {"-- open " + module.device() + "\n",
                                            " ms >> \\r\n",
                                            " ms >> exit\\r\n",
                                            "5160QT>",
                                            " ms >> use eeprom\\r\n",
                                            "[EEPROM:]",
                                            " ms >> block 0\\r\n",
                                            " ms >> el 0\\r\n",
                                            "Long(0)=",
                                            " ms >> block 2\\r\n",
                                            " ms >> exit\\r\n",
                                            "5160QT>",
                                            "-- close\n"};
  for (const std::string& expected : inOrder) {
    const std::size_t found = log.find(expected, at);
    ASSERT_NE(found, std::string::npos) << "'" << expected << "' after " << at << " in\n" << log;
    at = found + expected.size();
  }
}

}  // namespace
}  // namespace q4410
