#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "config/version.h"

namespace q4410::app {

namespace {

constexpr const char* kUsage =
    "usage: q4410-config [--port DEVICE]... [--eds-dir DIR] [--trace FILE] [--fresh-settings]";

// Options the toolkit itself takes (it removes them once the application object exists).
QList<QCommandLineOption> ToolkitOptions() {
  QList<QCommandLineOption> options;
  for (const char* name : {"platform", "style", "stylesheet", "display", "geometry",
                           "qwindowgeometry", "platformtheme"})
    options << QCommandLineOption(name, QString(), "value");
  for (const char* name : {"reverse", "nograb"}) options << QCommandLineOption(name);
  for (QCommandLineOption& option : options) option.setFlags(QCommandLineOption::HiddenFromHelp);
  return options;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const std::string& portFromEnvironment) {
  QCommandLineParser parser;
  // "-platform offscreen" is the toolkit's form; "--port=X" works as well as "--port X".
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version("version", "Show the version and exit.");
  const QCommandLineOption port(
      "port",
      "A device offered first in the port list and selected (repeatable; default: "
      "$Q4410_PORT).",
      "DEVICE");
  const QCommandLineOption edsDir(
      "eds-dir",
      "Where the download writes the EDS file in this run (default: the folder chosen last "
      "in the EDS window, else the program's folder when it can be written, else the "
      "documents folder).",
      "DIR");
  const QCommandLineOption trace(
      "trace",
      "Record every byte sent to and received from the module, with its time in ms and its "
      "direction, into FILE (\"-\": standard error). The \"Console log\" window shows the same.",
      "FILE");
  const QCommandLineOption fresh(
      "fresh-settings",
      "Start without the remembered port, application, folders and window position, and "
      "remember nothing this time.");
  parser.addOptions({help, version, port, edsDir, trace, fresh});
  parser.addOptions(ToolkitOptions());

  CommandLine result;
  if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
    result.action = CommandLine::Action::UsageError;
    result.text = (parser.positionalArguments().isEmpty()
                       ? parser.errorText()
                       : "unexpected argument '" + parser.positionalArguments().first() + "'")
                      .toStdString() +
                  "\n" + kUsage + "\n";
    return result;
  }
  if (parser.isSet(help)) {
    const QString options = parser.helpText().mid(parser.helpText().indexOf("Options:"));
    result.action = CommandLine::Action::Help;
    result.text = std::string("q4410-config ") + kVersion +
                  ": configuration utility of the Q-4410C CANopen / Modbus RTU gateway\n\n" +
                  kUsage + "\n\n" + options.toStdString();
    return result;
  }
  if (parser.isSet(version)) {
    result.action = CommandLine::Action::Version;
    result.text = std::string("q4410-config ") + kVersion + "\n";
    return result;
  }
  for (const QString& device : parser.values(port))
    result.options.ports.push_back(device.toStdString());
  if (result.options.ports.empty() && !portFromEnvironment.empty())
    result.options.ports.push_back(portFromEnvironment);
  result.options.edsDirectory = parser.value(edsDir).toStdString();
  result.options.trace = parser.value(trace).toStdString();
  result.options.freshSettings = parser.isSet(fresh);
  return result;
}

}  // namespace q4410::app
