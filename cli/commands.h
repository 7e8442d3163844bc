// The sub-commands of q4410ctl. Each one declares its options for Qt's command-line parser;
// the runner parses, answers --help, and reports usage errors. A command returns the exit
// status (cli/exit_status.h).
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "link/serial_trace.h"

namespace q4410::cli {

struct Command;

// One run of a command: its parsed options and how it reports a usage error.
class Invocation {
 public:
  Invocation(const Command& command, const QCommandLineParser& parser)
      : command_(command), parser_(parser) {}

  bool IsSet(const QString& option) const { return parser_.isSet(option); }
  std::string Value(const QString& option) const { return parser_.value(option).toStdString(); }
  // --port: the device given, else the Q4410_PORT environment variable, else empty.
  std::string Port() const;
  // --port given any number of times, else Q4410_PORT when set.
  std::vector<std::string> Ports() const;
  // Prints "q4410ctl NAME: PROBLEM" and the usage line on stderr; returns 2.
  int UsageError(const std::string& problem) const;
  // The serial trace --trace asked for, null without the option (a TracedPort over it then
  // passes everything straight through).
  SerialTrace* Trace() const { return trace_.get(); }
  // Opens the trace of --trace when given; false, with the reason printed, when it cannot be.
  bool OpenTrace();

 private:
  const Command& command_;
  const QCommandLineParser& parser_;
  std::unique_ptr<SerialTrace> trace_;
};

struct Command {
  QString name;
  QString synopsis;     // after "q4410ctl ", e.g. "read [--port DEVICE] [--json]"
  QString description;  // what it does, for --help
  QList<QCommandLineOption> options;
  QStringList repeatable;  // options that may be given more than once
  int (*run)(const Invocation& invocation);
};

Command PortsCommand();
Command DetectCommand();
Command ReadCommand();
Command EdsCommand();
Command WriteCommand();

// The --port option with its description.
QCommandLineOption PortOption(const QString& description);
// --trace FILE, for the commands that open a port.
QCommandLineOption TraceOption();

// q4410ctl with its arguments (the first being the program), as main hands them over.
int RunQ4410ctl(const QStringList& arguments);

}  // namespace q4410::cli
