// q4410-config: the configuration utility of the Q-4410C gateway.
#include <QApplication>
#include <iostream>

#include "app/app_icon.h"
#include "app/application.h"
#include "app/command_line.h"
#include "config/version.h"
#include "link/serial_trace.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const q4410::app::CommandLine line =
      q4410::app::ParseCommandLine(arguments, qEnvironmentVariable("Q4410_PORT").toStdString());
  switch (line.action) {
    case q4410::app::CommandLine::Action::UsageError:
      std::cerr << "q4410-config: " << line.text;
      return 2;
    case q4410::app::CommandLine::Action::Help:
    case q4410::app::CommandLine::Action::Version:
      std::cout << line.text;
      return 0;
    case q4410::app::CommandLine::Action::Start:
      break;
  }
  std::string error;
  std::unique_ptr<q4410::SerialTrace> trace = q4410::OpenSerialTrace(line.options.trace, error);
  if (!trace) {
    std::cerr << "q4410-config: " << error << "\n";
    return 2;
  }
  QApplication qapp(argc, argv);
  // The remembered settings live under these names.
  QApplication::setOrganizationName("VELDAN");
  QApplication::setApplicationName("q4410-config");
  q4410::app::SetApplicationIcon();
  QApplication::setApplicationVersion(q4410::kVersion);
  q4410::app::Application app(line.options, std::move(trace));
  return app.Run();
}
