// The module's console without a port: what it prints for what is typed.
#include "sim/module_console.h"

#include <gtest/gtest.h>

#include <string>

namespace q4410::sim {
namespace {

// A console over a store that lives only in memory.
SimOptions With(void (*change)(SimOptions&)) {
  SimOptions options;
  change(options);
  return options;
}

struct Console {
  explicit Console(SimOptions options = {}) : console(store, options) {}
  std::string Line(const std::string& text) { return console.Type(text + "\r"); }
  EepromStore store;
  ModuleConsole console;
};

TEST(ModuleConsole, CommandLevelAnswersWithThePrompt) {
  Console c;
  EXPECT_EQ(c.Line(""), "\r\n5160QT>");
  EXPECT_EQ(c.Line("."), ".\r\n5160QT>");
  EXPECT_EQ(c.Line("/q"), "/q\r\n5160QT>");
  EXPECT_EQ(c.Line("exit"), "exit\r\n5160QT>");
  EXPECT_EQ(c.Line("dir"), "dir\r\nUnknown command\r\n5160QT>");
  EXPECT_EQ(c.Line("el 0"), "el 0\r\nUnknown command\r\n5160QT>");

  Console r(With([](SimOptions& o) { o.controller = "5160r"; }));
  EXPECT_EQ(r.Line("exit"), "exit\r\n5160r>");
}

TEST(ModuleConsole, EepromToolCommands) {
  Console c;
  EXPECT_EQ(c.Line("use eeprom"), "use eeprom\r\n[EEPROM:]");
  for (const char* same : {"", ".", "/q"})
    EXPECT_EQ(c.Line(same), same + std::string("\r\n[EEPROM:]"));
  EXPECT_EQ(c.Line("block 7"), "block 7\r\n[EEPROM:]");
  EXPECT_EQ(c.console.block(), 7);
  EXPECT_EQ(c.Line("block 8"), "block 8\r\nInvalid block\r\n[EEPROM:]");
  EXPECT_EQ(c.Line("block -1"), "block -1\r\nInvalid block\r\n[EEPROM:]");
  EXPECT_EQ(c.console.block(), 7);
  EXPECT_EQ(c.Line("el 2"), "el 2\r\nInvalid address\r\n[EEPROM:]");
  EXPECT_EQ(c.Line("el 256"), "el 256\r\nInvalid address\r\n[EEPROM:]");
  EXPECT_EQ(c.Line("el"), "el\r\nInvalid address\r\n[EEPROM:]");
  EXPECT_EQ(c.Line("use eeprom"), "use eeprom\r\nUnknown command\r\n[EEPROM:]");
  EXPECT_EQ(c.Line("exit"), "exit\r\n5160QT>");
  EXPECT_EQ(c.console.level(), ModuleConsole::Level::Command);
}

TEST(ModuleConsole, WordEditShowsSignedValuesAndStoresWhatIsTyped) {
  Console c;
  c.store.SetWord(0, 44, 0xFFFFFFFBu);
  c.Line("use eeprom");
  EXPECT_EQ(c.Line("el 0"), "el 0\r\nLong(0)=261-->");  // firmware 1.05
  EXPECT_EQ(c.Line("261"), "261\r\nLong(4)=131597068-->");
  EXPECT_EQ(c.Line("."), ".\r\n[EEPROM:]");

  EXPECT_EQ(c.Line("el 44"), "el 44\r\nLong(44)=-5-->");
  EXPECT_EQ(c.Line("-1"), "-1\r\nLong(48)=0-->");
  EXPECT_EQ(c.Line("4294967295"), "4294967295\r\nLong(52)=0-->");
  EXPECT_EQ(c.Line("2147483648"), "2147483648\r\nLong(56)=0-->");
  EXPECT_EQ(c.Line(" -2147483648 "), " -2147483648 \r\nLong(60)=0-->");
  EXPECT_EQ(c.Line("+7"), "+7\r\nLong(64)=0-->");
  EXPECT_EQ(c.store.Word(0, 44), 0xFFFFFFFFu);
  EXPECT_EQ(c.store.Word(0, 48), 0xFFFFFFFFu);
  EXPECT_EQ(c.store.Word(0, 52), 0x80000000u);
  EXPECT_EQ(c.store.Word(0, 56), 0x80000000u);
  EXPECT_EQ(c.store.Word(0, 60), 7u);

  // An empty line keeps the word; "." ends the edit; the values are shown back signed.
  EXPECT_EQ(c.Line(""), "\r\nLong(68)=0-->");
  EXPECT_EQ(c.store.Word(0, 64), 0u);
  EXPECT_EQ(c.Line("."), ".\r\n[EEPROM:]");
  EXPECT_EQ(c.Line("el 52"), "el 52\r\nLong(52)=-2147483648-->");
}

TEST(ModuleConsole, ValuesThatDoNotParseAreRefusedAndTheWordIsShownAgain) {
  Console c;
  c.Line("use eeprom");
  c.Line("block 2");
  c.Line("el 8");
  for (const char* bad : {"abc", "12x", "4294967296", "-2147483649", "1 2", "--1", "exit"}) {
    EXPECT_EQ(c.Line(bad), bad + std::string("\r\nInvalid value\r\nLong(8)=0-->")) << bad;
  }
  EXPECT_EQ(c.store.Word(2, 8), 0u);
  // "/q" ends the edit like ".".
  EXPECT_EQ(c.Line("/q"), "/q\r\n[EEPROM:]");
}

TEST(ModuleConsole, EditEndsAfterTheLastWordOfTheBlock) {
  Console c;
  c.Line("use eeprom");
  c.Line("block 1");
  EXPECT_EQ(c.Line("el 248"), "el 248\r\nLong(248)=0-->");
  EXPECT_EQ(c.Line("1"), "1\r\nLong(252)=0-->");
  EXPECT_EQ(c.Line("2"), "2\r\n[EEPROM:]");
  EXPECT_EQ(c.store.Word(1, 252), 2u);
  EXPECT_EQ(c.store.Word(2, 0), 0u);  // nothing spills into the next block
  EXPECT_EQ(c.console.level(), ModuleConsole::Level::Tool);
}

TEST(ModuleConsole, LineEditing) {
  Console c;
  // Backspace and DEL remove characters; a line feed after the carriage return is ignored.
  EXPECT_EQ(c.console.Type("exiz\bt\r\n"), "exiz\b \bt\r\n5160QT>");
  EXPECT_EQ(c.console.Type("use eeprxx\x7f\x7fom\r"), "use eeprxx\b \b\b \bom\r\n[EEPROM:]");
  // Backspace on an empty line prints nothing.
  EXPECT_EQ(c.console.Type("\b\b"), "");
  // Control and non-ASCII bytes are dropped.
  EXPECT_EQ(c.console.Type(std::string("ex\0\x1b\xff\x80it\r", 9)), "exit\r\n5160QT>");
  // Lines typed in one piece are answered in order.
  EXPECT_EQ(c.console.Type("\r\r"), "\r\n5160QT>\r\n5160QT>");
}

TEST(ModuleConsole, OverlongAndBinaryInputStaysBounded) {
  Console c;
  const std::string longLine(5000, 'a');
  const std::string out = c.console.Type(longLine + "\r");
  EXPECT_EQ(out, std::string(kMaxLineLength, 'a') + "\r\nLine too long\r\n5160QT>");
  // A line of exactly the limit is still taken.
  EXPECT_EQ(c.Line(std::string(kMaxLineLength, 'b')),
            std::string(kMaxLineLength, 'b') + "\r\nUnknown command\r\n5160QT>");
  // Inside the word edit an overlong line changes nothing and shows the word again.
  c.Line("use eeprom");
  c.Line("el 40");
  EXPECT_EQ(c.console.Type(std::string(200, '1') + "\r"),
            std::string(kMaxLineLength, '1') + "\r\nLine too long\r\nLong(40)=0-->");
  EXPECT_EQ(c.store.Word(0, 40), 0u);
  // Random bytes never crash it and never leave it in a state where a line is not answered.
  std::string noise;
  for (int i = 0; i < 20000; ++i) noise += static_cast<char>((i * 7919 + 13) % 256);
  c.console.Type(noise);
  EXPECT_NE(c.console.Type("\r").find("\r\n"), std::string::npos);
}

TEST(ModuleConsole, EchoOff) {
  Console c(With([](SimOptions& o) { o.echo = false; }));
  EXPECT_EQ(c.Line("use eeprom"), "\r\n[EEPROM:]");
  EXPECT_EQ(c.console.Type("el 4x\b\r"), "\r\nLong(4)=131597068-->");
}

TEST(ModuleConsole, SilentModuleAnswersNothingAndChangesNothing) {
  Console c(With([](SimOptions& o) { o.silent = true; }));
  EXPECT_EQ(c.Line(""), "");
  EXPECT_EQ(c.Line("use eeprom"), "");
  EXPECT_EQ(c.Line("el 40"), "");
  EXPECT_EQ(c.Line("5"), "");
  EXPECT_EQ(c.store.Word(0, 40), 0u);
}

TEST(ModuleConsole, GarbledValuePromptsStillTakeValues) {
  Console c(With([](SimOptions& o) { o.garbleValues = true; }));
  c.store.SetWord(0, 44, 123);
  c.store.SetWord(0, 48, static_cast<uint32_t>(-5));
  c.Line("use eeprom");
  EXPECT_EQ(c.Line("el 44"), "el 44\r\nLong(44)=1x3-->");
  EXPECT_EQ(c.Line("9"), "9\r\nLong(48)=-x-->");
  EXPECT_EQ(c.Line(""), "\r\nLong(52)=0x-->");
  EXPECT_EQ(c.store.Word(0, 44), 9u);
}

TEST(ModuleConsole, DiesAfterTheGivenNumberOfLines) {
  Console c(With([](SimOptions& o) { o.dieAfterLines = 2; }));
  EXPECT_EQ(c.Line(""), "\r\n5160QT>");
  EXPECT_EQ(c.Line("use eeprom"), "use eeprom\r\n[EEPROM:]");
  EXPECT_EQ(c.console.Type("el 40\r"), "");
  EXPECT_EQ(c.Line("5"), "");
  EXPECT_EQ(c.store.Word(0, 40), 0u);

  Console dead(With([](SimOptions& o) { o.dieAfterLines = 0; }));
  EXPECT_EQ(dead.Line("exit"), "");
}

}  // namespace
}  // namespace q4410::sim
