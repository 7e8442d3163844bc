#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace q4410::app {

namespace {

// Options the toolkit itself takes (it removes them once the application object exists);
// they pass here so that a usage error can be told before any display is needed.
constexpr std::array<std::string_view, 7> kToolkitOptionsWithValue{
    "-platform", "-style",           "-stylesheet",   "-display",
    "-geometry", "-qwindowgeometry", "-platformtheme"};
constexpr std::array<std::string_view, 2> kToolkitFlags{"-reverse", "-nograb"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& names, const std::string& arg) {
  return std::find(names.begin(), names.end(), arg) != names.end();
}

}  // namespace

std::optional<StartOptions> ParseCommandLine(const std::vector<std::string>& args) {
  StartOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--port" && hasValue) {
      options.ports.push_back(args[++i]);
    } else if (arg == "--eds-dir" && hasValue) {
      options.edsDirectory = args[++i];
    } else if (OneOf(kToolkitOptionsWithValue, arg) && hasValue) {
      ++i;
    } else if (!OneOf(kToolkitFlags, arg)) {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace q4410::app
