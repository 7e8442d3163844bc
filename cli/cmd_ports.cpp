#include <iostream>

#include "cli/commands.h"
#include "link/qt_port_scan.h"

namespace q4410::cli {

// q4410ctl ports [--port DEVICE]...: one port label per line, in the main window's order.
int RunPorts(const Args& args) {
  std::vector<std::string> extra;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--port") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        std::cerr << "q4410ctl ports: --port needs a device\n";
        return 2;
      }
      extra.push_back(args[++i]);
      continue;
    }
    std::cerr << "q4410ctl ports: unknown argument '" << args[i] << "' (see q4410ctl --help)\n";
    return 2;
  }
  for (const std::string& label : ScanPorts(extra)) std::cout << label << '\n';
  return 0;
}

}  // namespace q4410::cli
