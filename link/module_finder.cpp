#include "link/module_finder.h"

#include "link/console.h"

namespace q4410 {

ProbeResult ProbePort(SerialPort& serial, const std::string& port, const ConsoleEnv& env) {
  ProbeResult result;
  result.port = port;
  const OpenResult opened = serial.Open(port);
  if (!opened.ok()) {
    result.outcome =
        opened.failure == OpenFailure::InUse ? ProbeOutcome::Busy : ProbeOutcome::NotOpened;
    result.detail = opened.description;
    return result;
  }
  Console console(serial, env);
  // At command level an empty line brings the prompt back at once.
  for (int i = 0; i < 2 && result.controller.empty(); ++i) {
    if (console.SendCommand("", ">")) result.controller = ControllerNamedIn(console.Reply());
  }
  // Something answered without a prompt: perhaps the console is inside its EEPROM tool or a
  // word edit, which these lines leave without changing a word.
  if (result.controller.empty() && console.CharactersReceived() > 0) {
    console.SendCommand("/q", ">");
    console.SendCommand(".", "[EEPROM:]");
    if (console.SendCommand("exit", ">")) result.controller = ControllerNamedIn(console.Reply());
  }
  serial.Close();
  if (!result.controller.empty())
    result.outcome = ProbeOutcome::Found;
  else
    result.outcome =
        console.CharactersReceived() > 0 ? ProbeOutcome::OtherDevice : ProbeOutcome::Silent;
  return result;
}

std::string DescribeProbe(const ProbeResult& result) {
  switch (result.outcome) {
    case ProbeOutcome::Found:
      return result.controller + " answered";
    case ProbeOutcome::OtherDevice:
      return "answered, but not as a 5160QT or 5160r";
    case ProbeOutcome::Silent:
      return "no answer";
    case ProbeOutcome::Busy:
      return "busy (in use by another program)";
    case ProbeOutcome::NotOpened:
      return "cannot be opened: " + result.detail;
  }
  return {};
}

}  // namespace q4410
