// q4410ctl's command line: the command name first, then its options, parsed by Qt's
// command-line parser ("--port DEVICE" and "--port=DEVICE" alike).
#include <QProcessEnvironment>
#include <iostream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "config/version.h"

namespace q4410::cli {

namespace {

const QList<Command>& Commands() {
  static const QList<Command> commands{PortsCommand(), DetectCommand(), ReadCommand(), EdsCommand(),
                                       WriteCommand()};
  return commands;
}

const Command* Find(const QString& name) {
  for (const Command& command : Commands())
    if (command.name == name) return &command;
  return nullptr;
}

QCommandLineOption HelpOption() {
  return QCommandLineOption({"h", "help"}, "Show this help and exit.");
}

// The "Options:" part of the parser's own help text.
QString OptionsHelp(const QCommandLineParser& parser) {
  const QString text = parser.helpText();
  return text.mid(text.indexOf("Options:"));
}

QString CommandHelp(const Command& command, const QCommandLineParser& parser) {
  return "usage: q4410ctl " + command.synopsis + "\n\n" + command.description + "\n\n" +
         OptionsHelp(parser);
}

QString GeneralHelp() {
  QString text = QString(
                     "q4410ctl %1 - configuration utility of the Q-4410C CANopen / Modbus RTU "
                     "gateway, without windows\n\n"
                     "usage: q4410ctl COMMAND [OPTIONS]\n"
                     "       q4410ctl COMMAND --help    what COMMAND does, with its options\n"
                     "       q4410ctl --version\n\nCommands:\n")
                     .arg(kVersion);
  for (const Command& command : Commands()) text += "  q4410ctl " + command.synopsis + "\n";
  text += R"(
An option takes its value as "--port DEVICE" or as "--port=DEVICE". Where a command takes
--port, the Q4410_PORT environment variable stands in for a missing --port. A configuration
file named "-" is read from standard input.

Every message the windows would show in a message box is printed on stderr as one line
"TITLE: TEXT"; a failure of an exchange with the module adds a second line saying where it
happened. read and write show their progress on stderr when it is a terminal.

)";
  text += kExitStatusHelp;
  return text;
}

void Print(std::ostream& out, const QString& text) {
  out << text.toStdString() << std::flush;
}

int RunCommand(const Command& command, QStringList arguments) {
  QCommandLineParser parser;
  parser.addOptions(command.options);
  const QCommandLineOption help = HelpOption();
  parser.addOption(help);
  arguments.prepend("q4410ctl " + command.name);
  Invocation invocation(command, parser);
  if (!parser.parse(arguments)) return invocation.UsageError(parser.errorText().toStdString());
  if (parser.isSet(help)) {
    Print(std::cout, CommandHelp(command, parser));
    return 0;
  }
  if (!parser.positionalArguments().isEmpty())
    return invocation.UsageError("unexpected argument '" +
                                 parser.positionalArguments().first().toStdString() + "'");
  for (const QCommandLineOption& option : command.options) {
    const QString name = option.names().last();
    if (!option.valueName().isEmpty() && parser.isSet(name)) {
      const QStringList values = parser.values(name);
      if (values.size() > 1 && !command.repeatable.contains(name))
        return invocation.UsageError("--" + name.toStdString() + " given twice");
      if (values.contains(QString()))
        return invocation.UsageError("--" + name.toStdString() + " needs a value");
    }
  }
  if (!invocation.OpenTrace()) return 2;
  return command.run(invocation);
}

}  // namespace

std::string Invocation::Port() const {
  const std::vector<std::string> ports = Ports();
  return ports.empty() ? std::string() : ports.front();
}

std::vector<std::string> Invocation::Ports() const {
  std::vector<std::string> ports;
  for (const QString& port : parser_.values("port")) ports.push_back(port.toStdString());
  if (ports.empty()) {
    const QString fromEnvironment = QProcessEnvironment::systemEnvironment().value("Q4410_PORT");
    if (!fromEnvironment.isEmpty()) ports.push_back(fromEnvironment.toStdString());
  }
  return ports;
}

int Invocation::UsageError(const std::string& problem) const {
  std::cerr << "q4410ctl " << command_.name.toStdString() << ": " << problem << "\nusage: q4410ctl "
            << command_.synopsis.toStdString() << "\n";
  return 2;
}

bool Invocation::OpenTrace() {
  if (!parser_.optionNames().contains("trace")) return true;
  std::string error;
  trace_ = OpenSerialTrace(parser_.value("trace").toStdString(), error);
  if (!trace_) std::cerr << "q4410ctl " << command_.name.toStdString() << ": " << error << "\n";
  return trace_ != nullptr;
}

QCommandLineOption PortOption(const QString& description) {
  return QCommandLineOption("port", description, "DEVICE");
}

QCommandLineOption TraceOption() {
  return QCommandLineOption(
      "trace",
      "Record every byte sent to and received from the port, with its time in ms and its "
      "direction (>> sent, << received), control characters as \\r, \\n, \\x1b, into FILE "
      "(\"-\": standard error).",
      "FILE");
}

int RunQ4410ctl(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  const QCommandLineOption help = HelpOption();
  const QCommandLineOption version("version", "Show the version and exit.");
  parser.addOption(help);
  parser.addOption(version);
  if (!parser.parse(arguments)) {
    std::cerr << "q4410ctl: " << parser.errorText().toStdString() << " (see q4410ctl --help)\n";
    return 2;
  }
  if (parser.isSet(version)) {
    std::cout << "q4410ctl " << kVersion << "\n";
    return 0;
  }
  QStringList rest = parser.positionalArguments();
  if (parser.isSet(help) || (!rest.isEmpty() && rest.first() == "help" && rest.size() == 1)) {
    Print(std::cout, GeneralHelp());
    return 0;
  }
  if (rest.isEmpty()) {
    Print(std::cerr, GeneralHelp());
    return 2;
  }
  // "q4410ctl help read" is "q4410ctl read --help".
  if (rest.first() == "help") rest = QStringList{rest.at(1), "--help"};
  const Command* command = Find(rest.first());
  if (!command) {
    std::cerr << "q4410ctl: unknown command '" << rest.first().toStdString()
              << "' (see q4410ctl --help)\n";
    return 2;
  }
  return RunCommand(*command, rest.mid(1));
}

}  // namespace q4410::cli
