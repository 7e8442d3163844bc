// The sub-commands of q4410ctl. Each takes the arguments after its name and returns the
// exit status: 0 success, 1 failure, 2 usage error.
#pragma once

#include <string>
#include <vector>

namespace q4410::cli {

using Args = std::vector<std::string>;

int RunPorts(const Args& args);
int RunRead(const Args& args);
int RunEds(const Args& args);
int RunWrite(const Args& args);

// The text of `q4410ctl --help`.
std::string HelpText();

}  // namespace q4410::cli
