#include <iostream>

#include "cli/commands.h"

namespace q4410::cli {

int RunPorts(const Args&) {
  std::cerr << "q4410ctl ports: not available yet\n";
  return 1;
}

}  // namespace q4410::cli
