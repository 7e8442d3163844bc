#include "link/console.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_port.h"

namespace q4410 {
namespace {

using namespace std::chrono_literals;
using testing::FakeClock;
using testing::ScriptedPort;
using Chunks = std::vector<ScriptedPort::Chunk>;

class ConsoleTest : public ::testing::Test {
 protected:
  FakeClock clock;
  ScriptedPort port{clock};
  Console console{port, clock.Env()};

  // A module that echoes the line and then prints `text`, `after` the carriage return.
  void AnswerWith(std::string text, std::chrono::microseconds after = 2ms) {
    port.answer = [text, after](const std::string& line) {
      return Chunks{{0us, line + "\r\n"}, {after, text}};
    };
  }
};

TEST_F(ConsoleTest, TypesOneCharacterAtATimeAndCutsTheReplyBeforeThePrompt) {
  AnswerWith("5160QT>");
  ASSERT_TRUE(console.SendCommand("exit", ">"));
  EXPECT_EQ(console.Reply(), "exit\r\n5160QT");
  EXPECT_EQ(port.typed, "exit\r");
  ASSERT_EQ(port.writes.size(), 5u);  // never as one block
  for (std::size_t i = 1; i < port.writes.size(); ++i) {
    EXPECT_GE(port.writes[i] - port.writes[i - 1], kCharacterPause) << "after character " << i;
  }
}

// The reply is what arrived after the command, blanks at the ends of each chunk dropped; an old
// prompt must not answer a new command, and what arrived stays readable after a time-out.
TEST_F(ConsoleTest, TheReplyIsWhatArrivedAfterTheCommandWithoutBlanks) {
  port.Arrive("[EEPROM:]");
  port.answer = [](const std::string&) {
    return Chunks{{1ms, " block 0\r\n "}, {3ms, "  Unknown  "}};
  };
  ASSERT_FALSE(console.SendCommand("block 0", "[EEPROM:]"));
  EXPECT_EQ(console.Reply(), "block 0\r\nUnknown");
}

TEST_F(ConsoleTest, TheReplyWindowIs200Milliseconds) {
  AnswerWith("[EEPROM:]", 190ms);
  EXPECT_TRUE(console.SendCommand("use eeprom", "[EEPROM:]"));
  AnswerWith("[EEPROM:]", 201ms);
  EXPECT_FALSE(console.SendCommand("use eeprom", "[EEPROM:]"));
  std::optional<uint32_t> value;
  AnswerWith("Long(0)=5-->", 201ms);
  EXPECT_FALSE(console.ReadConsoleValue("el 0", "Long(0)=", value));
}

TEST_F(ConsoleTest, ALineWhoseReplyIsIgnoredEndsOnceAnyPromptHasSettled) {
  const std::pair<const char*, bool> cases[] = {{"5160QT>", true},
                                                {"[EEPROM:]", true},
                                                {"Long(48)=7-->", true},
                                                {"Unknown command\r\n", false},
                                                {"", false}};
  for (auto [reply, early] : cases) {
    AnswerWith(reply);
    const auto start = clock.now;
    console.TryCommand(".", "[EEPROM:]");
    EXPECT_EQ(clock.now - start < 10ms, early) << reply;
  }
}

TEST_F(ConsoleTest, OutputThatDoesNotDrainFailsAtOnce) {
  AnswerWith("5160QT>");
  port.stuckOut = 1;
  const auto start = clock.now;
  EXPECT_FALSE(console.SendCommand("exit", ">"));
  std::optional<uint32_t> value;
  EXPECT_FALSE(console.ReadConsoleValue("el 0", "Long(0)=", value));
  EXPECT_LT(clock.now - start, 50ms);  // no reply window was waited for
}

// The value is the text between the key and the first marker after it; without both the
// reading fails and leaves the value alone.
TEST_F(ConsoleTest, ReadConsoleValueTakesTheTextBetweenKeyAndMarker) {
  struct Case {
    std::string answer, key;
    bool ok;
    std::optional<uint32_t> value;
  };
  const Case cases[] = {
      {"Long(0)=-5-->", "Long(0)=", true, 0xFFFFFFFBu},
      {"Long(0)=abc-->", " Long(0)= ", true, std::nullopt},  // not a number: no word
      {"Long(36)=1-->", "Long(40)=", false, 7},
      {"Long(36)=1-->", "  ", false, 7},
      {"Long(36)=1-->\r\nLong(40)=28573804-->", "Long(40)=", true, 28573804u},
      {"Long(36)=1-->\r\nLong(40)=28573804", "Long(40)=", false, 7},
  };
  for (const Case& c : cases) {
    std::optional<uint32_t> value = 7;
    AnswerWith(c.answer);
    EXPECT_EQ(console.ReadConsoleValue("el 36", c.key, value), c.ok) << c.answer;
    EXPECT_EQ(value, c.value) << c.answer;
  }
  port.answer = [](const std::string& line) {  // the prompt in pieces
    return Chunks{{0us, line + "\r\n"}, {1ms, "Long(4"}, {2ms, "4)=-2147483648"}, {3ms, "-->"}};
  };
  std::optional<uint32_t> value;
  ASSERT_TRUE(console.ReadConsoleValue("261", "Long(44)=", value));
  EXPECT_EQ(value, 2147483648u);
}

// A console that goes on by itself after a value prompt (a stray line end, a repeated
// prompt, a few bytes on a line without echo): no value is typed once it has, what was typed
// is erased and the edit ended.
TEST_F(ConsoleTest, NothingIsTypedAtAValuePromptOnceTheConsoleWentOn) {
  const std::pair<std::chrono::microseconds, std::string> cases[] = {
      {0us, "\r\nLong(48)=7-->"}, {1000us, "\r\nLong(48)=7-->"}, {1000us, "ab"}};
  for (const auto& [late, more] : cases) {
    SCOPED_TRACE(late.count());
    port.lines.clear();
    port.answer = [late, more](const std::string& line) {
      if (line != "el 44") return Chunks{{1ms, "[EEPROM:]"}};
      return Chunks{{2ms, "Long(44)=28573804-->"}, {2ms + late, more}};
    };
    std::optional<uint32_t> value;
    ASSERT_TRUE(console.ReadConsoleValue("el 44", "Long(44)=", value));
    EXPECT_FALSE(console.ReadConsoleValue("28573804", "Long(48)=", value));
    ASSERT_EQ(port.lines.size(), 2u);
    std::string erased;  // the last line as the console takes it
    for (char c : port.lines[1]) c == '\b' ? erased.pop_back() : erased.push_back(c);
    EXPECT_EQ(erased, ".");
    EXPECT_EQ(port.lines[1] == ".", late == 0us);  // later, what was typed is erased first
  }
}

TEST_F(ConsoleTest, EndlessTalkIsBoundedAndEndedByTheWindow) {
  std::string binary(997, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 37);
  port.endless = binary + "5160QT>";
  const auto start = clock.now;
  EXPECT_FALSE(console.SendCommand("exit", ">"));  // never quiet, so never looked at
  EXPECT_LT(clock.now - start, 300ms);
  EXPECT_LE(console.Reply().size(), 64u * 1024);
  std::optional<uint32_t> value;
  port.endless = "Long(0)=5-->";
  EXPECT_FALSE(console.ReadConsoleValue("el 0", "Long(0)=", value));
}

// A failed exchange says where: the line sent, the text awaited, why, and the last characters
// received with control characters shown.
TEST_F(ConsoleTest, AFailureNamesTheExchangeWhyAndWhatArrived) {
  struct Case {
    bool value;  // ReadConsoleValue, else SendCommand
    std::string command, awaited, answer, detail;
  };
  const Case cases[] = {
      {false, "use eeprom", "[EEPROM:]",
       "use eeprom\r\nUnknown command: use eeprom\r\n\x1b[0m5160QT>",  // the last 48 shown
       "sent \"use eeprom\", awaited \"[EEPROM:]\": not received within 200 ms; last received "
       "\"eeprom\\r\\nUnknown command: use eeprom\\r\\n\\x1b[0m5160QT>\""},
      {true, "el 40", "Long(40)=", "el 40\r\nLong(44)=5-->",
       "sent \"el 40\", awaited \"Long(40)=\": the value prompt shows another word; last "
       "received \"el 40\\r\\nLong(44)=5-->\""},
      {true, "el 40", "Long(40)=", "",
       "sent \"el 40\", awaited \"Long(40)=\": no value prompt within 200 ms; nothing received"},
  };
  for (const Case& c : cases) {
    port.answer = [&](const std::string&) { return Chunks{{300us, c.answer}}; };
    std::optional<uint32_t> word;
    EXPECT_FALSE(c.value ? console.ReadConsoleValue(c.command, c.awaited, word)
                         : console.SendCommand(c.command, c.awaited));
    EXPECT_EQ(Describe(console.LastFailure()), c.detail);
  }
}

TEST(ConsoleWordTest, WordsTravelAsSignedText) {
  EXPECT_EQ(ToConsoleText(108), " 108");
  EXPECT_EQ(ToConsoleText(4294967295u), "-1");
  EXPECT_EQ(FromConsoleValue(" 12 "), 12u);
  for (uint32_t word : {0u, 1u, 28573804u, 2147483647u, 2147483648u, 3000000000u, 4294967295u}) {
    EXPECT_EQ(FromConsoleValue(ToConsoleText(word)), word) << word;
  }
  // Only plain signed 32-bit numbers are words.
  for (const char* bad : {"", "-", "1x3", "1.5", "2147483648", "-2147483649", "12\r\n"}) {
    EXPECT_EQ(FromConsoleValue(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace q4410
