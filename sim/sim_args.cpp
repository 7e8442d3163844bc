#include "sim/sim_args.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include "config/version.h"
#include "sim/eeprom_store.h"

namespace q4410::sim {
namespace {

bool ParseCount(const QString& text, long max, int* value) {
  if (text.isEmpty() || text.size() > 9) return false;
  for (QChar c : text)
    if (c < '0' || c > '9') return false;
  const long v = text.toLong();
  if (v > max) return false;
  *value = static_cast<int>(v);
  return true;
}

// The options of q4410-sim, each with its help line.
struct Options {
  QCommandLineOption help{{"h", "help"}, "Show this help and exit."};
  QCommandLineOption version{"version", "Show the version and exit."};
  QCommandLineOption image{"image", "Serve the module whose EEPROM is kept in FILE.", "FILE"};
  QCommandLineOption controller{
      "controller", "Controller that answers: the prompt is NAME followed by \">\" (5160QT).",
      "NAME"};
  QCommandLineOption link{"link", "Also make PATH a symbolic link to the device (removed on exit).",
                          "PATH"};
  QCommandLineOption silent{"silent", "Never answer anything, not even the echo."};
  QCommandLineOption late{"late", "Answer each line MS milliseconds late.", "MS"};
  QCommandLineOption garble{"garble",
                            "Show garbled values at the value prompts (e.g. Long(44)=1x3-->); "
                            "values typed are still taken."};
  QCommandLineOption dieAfter{"die-after", "Print nothing more after N lines have been typed.",
                              "N"};
  QCommandLineOption noEcho{"no-echo", "Do not echo typed characters."};
  QCommandLineOption corrupt{"corrupt-word",
                             "The word at OFFSET of BLOCK stores a value typed into it that "
                             "differs from the word with its lowest bit flipped, so that a "
                             "verification finds it (typing the word's own value keeps it).",
                             "BLOCK:OFFSET"};
  QCommandLineOption print{"print", "Print the configuration an image holds and its raw words.",
                           "FILE"};
  QCommandLineOption example{"example",
                             "Write an image of a configured example module (CANopen node 5, "
                             "125 kbit/s, Modbus 19200 baud even parity, two application "
                             "objects).",
                             "FILE"};

  void AddTo(QCommandLineParser& parser) const {
    parser.addOptions({help, version, image, controller, link, silent, late, garble, dieAfter,
                       noEcho, corrupt, print, example});
  }
};

}  // namespace

std::optional<SimCommand> ParseSimArgs(const std::vector<std::string>& args, std::string* error) {
  const Options o;
  QCommandLineParser parser;
  o.AddTo(parser);
  QStringList arguments{"q4410-sim"};
  for (const std::string& arg : args) arguments << QString::fromStdString(arg);
  auto fail = [&](const std::string& text) {
    *error = text;
    return std::nullopt;
  };
  if (!parser.parse(arguments)) return fail(parser.errorText().toStdString());
  SimCommand cmd;
  if (parser.isSet(o.help) || parser.isSet(o.version)) {
    cmd.mode = parser.isSet(o.help) ? SimCommand::Mode::Help : SimCommand::Mode::Version;
    return cmd;
  }
  if (!parser.positionalArguments().isEmpty())
    return fail("unknown argument: " + parser.positionalArguments().first().toStdString());
  for (const QCommandLineOption& option :
       {o.image, o.controller, o.link, o.late, o.dieAfter, o.corrupt, o.print, o.example}) {
    const QStringList values = parser.values(option);
    if (values.size() > 1)
      return fail("--" + option.names().first().toStdString() + " given twice");
    if (values.contains(QString()))
      return fail("--" + option.names().first().toStdString() + " needs a value");
  }

  cmd.options.imagePath = parser.value(o.image).toStdString();
  cmd.linkPath = parser.value(o.link).toStdString();
  if (parser.isSet(o.controller)) {
    const QString name = parser.value(o.controller);
    if (name != "5160QT" && name != "5160r") return fail("--controller takes 5160QT or 5160r");
    cmd.options.controller = name.toStdString();
  }
  cmd.options.silent = parser.isSet(o.silent);
  if (parser.isSet(o.late) && !ParseCount(parser.value(o.late), 60000, &cmd.options.lateMs))
    return fail("--late takes a number of milliseconds (0 to 60000)");
  cmd.options.garbleValues = parser.isSet(o.garble);
  if (parser.isSet(o.dieAfter) &&
      !ParseCount(parser.value(o.dieAfter), 999999999, &cmd.options.dieAfterLines))
    return fail("--die-after takes a number of lines");
  cmd.options.echo = !parser.isSet(o.noEcho);
  if (parser.isSet(o.corrupt)) {
    const QStringList parts = parser.value(o.corrupt).split(':');
    if (parts.size() != 2 || !ParseCount(parts[0], kBlockCount - 1, &cmd.options.corruptBlock) ||
        !ParseCount(parts[1], kBlockBytes - 4, &cmd.options.corruptOffset) ||
        cmd.options.corruptOffset % 4 != 0)
      return fail(
          "--corrupt-word takes BLOCK:OFFSET (block 0 to 7, offset 0 to 252 in steps of 4)");
  }

  if (parser.isSet(o.print) && parser.isSet(o.example))
    return fail("--print and --example cannot be combined");
  if (parser.isSet(o.print) || parser.isSet(o.example)) {
    cmd.mode = parser.isSet(o.print) ? SimCommand::Mode::Print : SimCommand::Mode::Example;
    cmd.file = parser.value(parser.isSet(o.print) ? o.print : o.example).toStdString();
    for (const QCommandLineOption& option : {o.image, o.controller, o.link, o.silent, o.late,
                                             o.garble, o.dieAfter, o.noEcho, o.corrupt})
      if (parser.isSet(option)) return fail("--print and --example take no other options");
    return cmd;
  }
  if (cmd.options.imagePath.empty()) return fail("--image FILE is required");
  return cmd;
}

std::string SimHelpText() {
  QCommandLineParser parser;
  Options().AddTo(parser);
  const QString options = parser.helpText().mid(parser.helpText().indexOf("Options:"));
  return "q4410-sim " + std::string(kVersion) +
         ": a simulated Q-4410C module answering on a pseudo-terminal.\n\n" +
         R"(Usage:
  q4410-sim --image FILE [--controller 5160QT|5160r] [--link PATH] [--silent]
            [--late MS] [--garble] [--die-after N] [--no-echo]
            [--corrupt-word BLOCK:OFFSET]
  q4410-sim --print FILE
  q4410-sim --example FILE
  q4410-sim --help | --version

)" + options.toStdString() +
         R"(
Serving (--image):
  Opens a pseudo-terminal, prints its device path as the first line of standard output and
  answers like the module's console on it until SIGTERM or SIGINT. The module's EEPROM is kept
  in FILE, which is rewritten (complete, through a temporary file) on every change. A missing
  FILE is a factory-fresh module: firmware 1.05 of 2008-03-12, no configuration.

The console: command level prompt NAME>, "use eeprom" enters the EEPROM tool ([EEPROM:]),
"block N" selects a block (0 to 7), "el A" edits the words from offset A (a multiple of 4)
with the prompt Long(A)=VALUE--> (VALUE signed 32-bit), a value sets the word, an empty line
keeps it, "." or "/q" ends the edit, "exit" leaves the tool.

Image file: 8 blocks of 256 bytes, each 64 words of 32 bits, little-endian, no header
(2048 bytes). Block b, offset a is at file position b * 256 + a.

Exit status: 0 done, 1 failure (image unreadable, no pseudo-terminal), 2 usage error.
)";
}

}  // namespace q4410::sim
