#include "sim/sim_args.h"

#include <cerrno>
#include <cstdlib>

namespace q4410::sim {
namespace {

bool ParseCount(const std::string& text, long max, int* value) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  const long v = std::strtol(text.c_str(), nullptr, 10);
  if (v > max) return false;
  *value = static_cast<int>(v);
  return true;
}

}  // namespace

std::optional<SimCommand> ParseSimArgs(const std::vector<std::string>& args, std::string* error) {
  SimCommand cmd;
  bool serveOption = false;  // an option that only makes sense when serving
  int modes = 0;
  auto fail = [&](const std::string& text) {
    *error = text;
    return std::nullopt;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= args.size() || args[i + 1].empty()) return false;
      *out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--help" || a == "-h") {
      cmd.mode = SimCommand::Mode::Help;
      return cmd;
    } else if (a == "--image") {
      if (!value(&cmd.options.imagePath)) return fail("--image needs a file name");
    } else if (a == "--controller") {
      if (!value(&v) || (v != "5160QT" && v != "5160r"))
        return fail("--controller takes 5160QT or 5160r");
      cmd.options.controller = v;
      serveOption = true;
    } else if (a == "--link") {
      if (!value(&cmd.linkPath)) return fail("--link needs a path");
      serveOption = true;
    } else if (a == "--silent") {
      cmd.options.silent = true;
      serveOption = true;
    } else if (a == "--late") {
      if (!value(&v) || !ParseCount(v, 60000, &cmd.options.lateMs))
        return fail("--late takes a number of milliseconds (0 to 60000)");
      serveOption = true;
    } else if (a == "--garble") {
      cmd.options.garbleValues = true;
      serveOption = true;
    } else if (a == "--die-after") {
      if (!value(&v) || !ParseCount(v, 999999999, &cmd.options.dieAfterLines))
        return fail("--die-after takes a number of lines");
      serveOption = true;
    } else if (a == "--no-echo") {
      cmd.options.echo = false;
      serveOption = true;
    } else if (a == "--print" || a == "--example") {
      if (!value(&cmd.file)) return fail(a + " needs a file name");
      cmd.mode = a == "--print" ? SimCommand::Mode::Print : SimCommand::Mode::Example;
      ++modes;
    } else {
      return fail("unknown argument: " + a);
    }
  }
  if (modes > 1) return fail("--print and --example cannot be combined");
  if (cmd.mode == SimCommand::Mode::Serve) {
    if (cmd.options.imagePath.empty()) return fail("--image FILE is required");
  } else if (serveOption || !cmd.options.imagePath.empty()) {
    return fail("--print and --example take no other options");
  }
  return cmd;
}

std::string SimHelpText() {
  return R"(q4410-sim: a simulated Q-4410C module answering on a pseudo-terminal.

Usage:
  q4410-sim --image FILE [--controller 5160QT|5160r] [--link PATH] [--silent]
            [--late MS] [--garble] [--die-after N] [--no-echo]
  q4410-sim --print FILE
  q4410-sim --example FILE
  q4410-sim --help

Serving (--image):
  Opens a pseudo-terminal, prints its device path as the first line of standard output and
  answers like the module's console on it until SIGTERM or SIGINT. The module's EEPROM is kept
  in FILE, which is rewritten (complete, through a temporary file) on every change. A missing
  FILE is a factory-fresh module: firmware 1.05 of 2008-03-12, no configuration.

  --controller NAME  controller that answers: the prompt is NAME followed by ">" (5160QT)
  --link PATH        also make PATH a symbolic link to the device (removed on exit)
  --silent           never answer anything, not even the echo
  --late MS          answer each line MS milliseconds late
  --garble           show garbled values at the value prompts (e.g. Long(44)=1x3-->);
                     values typed are still taken
  --die-after N      print nothing more after N lines have been typed
  --no-echo          do not echo typed characters

The console: command level prompt NAME>, "use eeprom" enters the EEPROM tool ([EEPROM:]),
"block N" selects a block (0 to 7), "el A" edits the words from offset A (a multiple of 4)
with the prompt Long(A)=VALUE--> (VALUE signed 32-bit), a value sets the word, an empty line
keeps it, "." or "/q" ends the edit, "exit" leaves the tool.

--print FILE    prints the configuration an image holds and its raw words
--example FILE  writes an image of a configured example module (CANopen node 5, 125 kbit/s,
                Modbus 19200 baud even parity, two application objects)

Image file: 8 blocks of 256 bytes, each 64 words of 32 bits, little-endian, no header
(2048 bytes). Block b, offset a is at file position b * 256 + a.

Exit status: 0 done, 1 failure (image unreadable, no pseudo-terminal), 2 usage error.
)";
}

}  // namespace q4410::sim
