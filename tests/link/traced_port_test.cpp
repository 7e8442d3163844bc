#include "link/traced_port.h"

#include <gtest/gtest.h>

#include <sstream>

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

}  // namespace
}  // namespace q4410
