// q4410-config: the configuration utility of the Q-4410C gateway.
#include <QApplication>
#include <iostream>

#include "app/app_icon.h"
#include "app/application.h"
#include "app/command_line.h"

int main(int argc, char** argv) {
  const auto options =
      q4410::app::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!options) {
    std::cerr << q4410::app::kUsage << "\n";
    return 2;
  }
  if (options->help) {
    std::cout << q4410::app::kUsage << "\n";
    return 0;
  }
  QApplication qapp(argc, argv);
  QApplication::setApplicationName("q4410-config");
  q4410::app::SetApplicationIcon();
  q4410::app::Application app(*options);
  return app.Run();
}
