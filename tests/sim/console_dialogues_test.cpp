// The utility's two dialogues walked through the console, from every place a module can have
// been left in: the prompt-finding opening must reach the command prompt, the read must leave
// the EEPROM as it was, and the write must store exactly the words sent.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "sim/module_console.h"

namespace q4410::sim {
namespace {

// The utility's side of one exchange, without the timing: type the line, look for the
// expected text in what comes back.
class Utility {
 public:
  explicit Utility(ModuleConsole& console) : console_(console) {}

  bool Send(const std::string& command, const std::string& expected) {
    reply_ = console_.Type(command + "\r");
    const size_t at = reply_.find(expected);
    if (expected.empty() || at == std::string::npos) return false;
    reply_.resize(at);
    return true;
  }

  bool ReadValue(const std::string& command, const std::string& key, uint32_t* word) {
    const std::string out = console_.Type(command + "\r");
    const size_t end = out.find("-->");
    const size_t at = out.find(key);
    if (end == std::string::npos || at == std::string::npos || at > end) return false;
    *word = static_cast<uint32_t>(std::strtoll(out.substr(at + key.size()).c_str(), nullptr, 10));
    return true;
  }

  const std::string& reply() const { return reply_; }

 private:
  ModuleConsole& console_;
  std::string reply_;
};

std::string Text(uint32_t word) {
  return std::to_string(static_cast<int32_t>(word));
}

std::vector<uint32_t> AllWords(const EepromStore& store) {
  std::vector<uint32_t> words;
  for (int b = 0; b < kBlockCount; ++b)
    for (int a = 0; a < kBlockBytes; a += 4) words.push_back(store.Word(b, a));
  return words;
}

// Where a previous session may have left the console.
enum class LeftAt { CommandLevel, Tool, EditMidBlock, EditLastWord, EditBlock2 };

void Leave(ModuleConsole& console, LeftAt where) {
  switch (where) {
    case LeftAt::CommandLevel:
      return;
    case LeftAt::Tool:
      console.Type("use eeprom\rblock 2\r");
      return;
    case LeftAt::EditMidBlock:
      console.Type("use eeprom\rblock 0\rel 100\r");
      return;
    case LeftAt::EditLastWord:
      console.Type("use eeprom\rblock 0\rel 252\r");
      return;
    case LeftAt::EditBlock2:
      console.Type("use eeprom\rblock 2\rel 12\r");
      return;
  }
}

// The opening both dialogues share: three bare returns, "/q", "." (results ignored), then
// "exit", which must reach the command prompt.
bool FindPrompt(Utility& u) {
  for (int i = 0; i < 3; ++i) u.Send("", ">");
  u.Send("/q", ">");
  u.Send(".", "[EEPROM:]");
  return u.Send("exit", ">");
}

class Dialogues : public ::testing::TestWithParam<LeftAt> {
 protected:
  void SetUp() override {
    // A configured-looking image with words of every sign.
    for (int a = 40; a <= 156; a += 4) store.SetWord(0, a, 0x01000000u * a + 77u);
    store.SetWord(0, 44, 0xFFFFFFFFu);
    store.SetWord(0, 252, 0x80000000u);
    for (int a = 0; a <= 16; a += 4) store.SetWord(2, a, 0xA0000000u + a);
  }
  EepromStore store;
};

TEST_P(Dialogues, ConnectReadFindsThePromptAndLeavesTheEepromUnchanged) {
  for (const std::string controller : {"5160QT", "5160r"}) {
    SCOPED_TRACE(controller);
    SimOptions options;
    options.controller = controller;
    ModuleConsole console(store, options);
    Leave(console, GetParam());
    const std::vector<uint32_t> before = AllWords(store);
    Utility u(console);

    ASSERT_TRUE(FindPrompt(u));
    EXPECT_NE(u.reply().find(controller), std::string::npos) << u.reply();

    // Firmware words.
    ASSERT_TRUE(u.Send("use eeprom", "[EEPROM:]"));
    ASSERT_TRUE(u.Send("block 0", "[EEPROM:]"));
    uint32_t f[3];
    ASSERT_TRUE(u.ReadValue("el 0", "Long(0)=", &f[0]));
    ASSERT_TRUE(u.ReadValue(Text(f[0]), "Long(4)=", &f[1]));
    ASSERT_TRUE(u.ReadValue(Text(f[1]), "Long(8)=", &f[2]));
    ASSERT_TRUE(u.Send(".", "[EEPROM:]"));
    EXPECT_EQ(f[0], 0x0105u);
    EXPECT_EQ(f[1], (2008u << 16) | (3u << 8) | 12u);

    // Block 0 from offset 40: 30 values shown, 29 typed back.
    std::vector<uint32_t> w(30);
    ASSERT_TRUE(u.ReadValue("el 40", "Long(40)=", &w[0]));
    for (int i = 1; i <= 29; ++i)
      ASSERT_TRUE(u.ReadValue(Text(w[i - 1]), "Long(" + std::to_string(40 + 4 * i) + ")=", &w[i]));
    ASSERT_TRUE(u.Send(".", "[EEPROM:]"));
    for (int i = 0; i < 30; ++i) EXPECT_EQ(w[i], store.Word(0, 40 + 4 * i)) << i;

    // Block 2.
    ASSERT_TRUE(u.Send("block 2", "[EEPROM:]"));
    std::vector<uint32_t> b2(4);
    ASSERT_TRUE(u.ReadValue("el 0", "Long(0)=", &b2[0]));
    for (int i = 1; i <= 3; ++i)
      ASSERT_TRUE(u.ReadValue(Text(b2[i - 1]), "Long(" + std::to_string(4 * i) + ")=", &b2[i]));
    ASSERT_TRUE(u.Send(".", "[EEPROM:]"));
    EXPECT_EQ(b2[0], 0xA0000000u);
    ASSERT_TRUE(u.Send("exit", controller + ">"));

    EXPECT_EQ(AllWords(store), before);
  }
}

TEST_P(Dialogues, DownloadWritesEveryWordSentAndNothingElse) {
  ModuleConsole console(store, SimOptions{});
  Leave(console, GetParam());
  std::vector<uint32_t> expected = AllWords(store);
  Utility u(console);

  // The download's opening: "/q" expecting "]", "exit", "." (all ignored), then "exit".
  u.Send("/q", "]");
  u.Send("exit", ">");
  u.Send(".", "[EEPROM:]");
  ASSERT_TRUE(u.Send("exit", ">"));
  ASSERT_TRUE(u.Send("use eeprom", "[EEPROM:]"));
  ASSERT_TRUE(u.Send("block 0", "[EEPROM:]"));
  uint32_t shown = 0;
  ASSERT_TRUE(u.ReadValue("el 40", "Long(40)=", &shown));
  for (int j = 1; j <= 29; ++j) {
    const uint32_t word = j == 3 ? 0xFFFFFFFEu : 0x01B40000u + static_cast<uint32_t>(j);
    ASSERT_TRUE(u.ReadValue(Text(word), "Long(" + std::to_string(40 + 4 * j) + ")=", &shown));
    expected[static_cast<size_t>(9 + j)] = word;  // block 0, offset 40 + 4 (j - 1)
  }
  ASSERT_TRUE(u.Send(".", "[EEPROM:]"));
  ASSERT_TRUE(u.Send("block 2", "[EEPROM:]"));
  ASSERT_TRUE(u.ReadValue("el 0", "Long(0)=", &shown));
  for (int j = 1; j <= 4; ++j) {
    const uint32_t word = 0x03030000u * static_cast<uint32_t>(j);
    ASSERT_TRUE(u.ReadValue(Text(word), "Long(" + std::to_string(4 * j) + ")=", &shown));
    expected[static_cast<size_t>(2 * 64 + j - 1)] = word;
  }
  ASSERT_TRUE(u.Send(".", "[EEPROM:]"));
  ASSERT_TRUE(u.Send("exit", "5160QT>"));

  EXPECT_EQ(AllWords(store), expected);
  EXPECT_EQ(store.Word(0, 48), 0xFFFFFFFEu);
}

INSTANTIATE_TEST_SUITE_P(LeftAnywhere, Dialogues,
                         ::testing::Values(LeftAt::CommandLevel, LeftAt::Tool, LeftAt::EditMidBlock,
                                           LeftAt::EditLastWord, LeftAt::EditBlock2));

}  // namespace
}  // namespace q4410::sim
