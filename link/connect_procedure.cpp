#include "link/connect_procedure.h"

#include <exception>
#include <optional>
#include <stdexcept>
#include <vector>

#include "config/eeprom_image.h"
#include "config/lists.h"
#include "config/numbers.h"
#include "link/console.h"
#include "link/serial_trace.h"
#include "link/word_reader.h"

namespace q4410 {

namespace {

// A console exchange that had to succeed did not: the dialogue ends with "Timeout".
struct ExchangeFailed {
  FailurePlace place;
};
// The console's prompt names neither controller.
struct NotController {
  std::string prompt;
};

// The console dialogue of one connect, over one open port.
class ConnectDialogue {
 public:
  ConnectDialogue(SerialPort& port, const ConsoleEnv& env) : console_(port, env) {}

  // Sends a line and waits for `expected`; Reply() keeps what came before it.
  void MustSend(std::string_view command, std::string_view expected) {
    if (!console_.SendCommand(command, expected)) throw ExchangeFailed{console_.LastFailure()};
  }
  const std::string& Reply() const { return console_.Reply(); }
  // A line whose reply is not checked.
  void Try(std::string_view command, std::string_view expected) {
    console_.TryCommand(command, expected);
  }

  // Reads `count` words of `block` from `offset`, leaving every word as it was; the caller
  // ends the edit.
  std::vector<uint32_t> ReadWords(int block, int offset, int count) {
    std::vector<uint32_t> words;
    FailurePlace place;
    if (!q4410::ReadWords(console_, block, offset, count, words, place))
      throw ExchangeFailed{place};
    return words;
  }

 private:
  Console console_;
};

// What the connect does to the record before it talks to the module.
void PrepareRecord(ParaDef& rec) {
  rec.EepromDataError = false;
  rec.TxPdoClosed = 0;
  rec.RxPdoClosed = 0;
  rec.RxPdoLast = 0;
  rec.TxPdoLast = 0;
  rec.RxDigitalBytes = 0;
  rec.RxAnalogBytes = 0;
  rec.TxDigitalBytes = 0;
  rec.TxAnalogBytes = 0;
  rec.ModuleAppObjectCount = 0;
  rec.AppObjectsUnchanged = true;
  rec.EdsFlag = 0;
}

// The failure after the port was opened: message, status, the link given back.
ConnectResult Release(Link& link, ConnectObserver& observer, const std::string& text,
                      const std::string& title, const std::string& status,
                      const std::string& detail = {}) {
  observer.ShowFailure(text, title, detail);
  observer.SetFailureStatus(status, detail);
  link.port.Close();
  link.LinkBusy = false;
  observer.LinkReleased();
  return ConnectResult::Failed;
}

// The console part of the connect, from the prompt to leaving the EEPROM tool. Returns the
// controller kind (0 5160r, 1 5160QT); throws ExchangeFailed or NotController.
int ReadModule(ParaDef& rec, ConnectDialogue& dialogue, AppSelection selected,
               ConnectObserver& observer) {
  // Bring the console to its prompt from wherever it was left: command level, the EEPROM
  // tool or the middle of a word edit.
  for (int i = 0; i < 3; ++i) dialogue.Try("", ">");
  dialogue.Try("/q", ">");
  dialogue.Try(".", "[EEPROM:]");
  dialogue.MustSend("exit", ">");

  const std::string prompt = Trim(dialogue.Reply());
  const std::string controller = ControllerNamedIn(prompt);
  if (controller.empty()) throw NotController{prompt};
  rec.ModulePrompt = controller + ">";
  const int controllerKind = controller == "5160r" ? 0 : 1;

  // Firmware words at offsets 0, 4 and 8 of block 0 (the third is not used).
  dialogue.MustSend("use eeprom", "[EEPROM:]");
  dialogue.MustSend("block 0", "[EEPROM:]");
  const std::vector<uint32_t> firmware = dialogue.ReadWords(0, 0, 3);
  dialogue.MustSend(".", "[EEPROM:]");
  DecodeFirmwareWords(rec, firmware[0], firmware[1]);
  observer.Progress(2);

  rec.Block0Length = 108;
  rec.Block0Image.assign(kBlock0WordCount + 1, 0);
  if (selected == AppSelection::CANopen) {
    rec.Block2Length = 12;
    rec.Block2Image.assign(kBlock2WordCount, 0);
  } else {
    rec.Block1Length = 28;
    rec.Block1Image.assign(8, 0);
  }

  // Block 0 from offset 40: W0..W28 and the word after them (read, not used).
  const std::vector<uint32_t> block0 =
      dialogue.ReadWords(0, kBlock0FirstOffset, (rec.Block0Length + 8) / 4 + 1);
  std::copy(block0.begin(), block0.end(), rec.Block0Image.begin());
  observer.Progress(4);
  dialogue.MustSend(".", "[EEPROM:]");

  // The application block.
  if (selected == AppSelection::CANopen) {
    dialogue.MustSend("block 2", "[EEPROM:]");
    const std::vector<uint32_t> block2 = dialogue.ReadWords(2, 0, kBlock2WordCount);
    std::copy(block2.begin(), block2.end(), rec.Block2Image.begin());
    dialogue.MustSend(".", "[EEPROM:]");
  } else {
    dialogue.MustSend("block 1", "[EEPROM:]");
    const std::vector<uint32_t> block1 = dialogue.ReadWords(1, 0, 7);
    std::copy(block1.begin(), block1.end(), rec.Block1Image.begin());
    dialogue.MustSend(".", "[EEPROM:]");
  }
  observer.Progress(5);

  dialogue.MustSend("exit", rec.ModulePrompt);
  return controllerKind;
}

// Checks and decodes block 0 into the record; warns when the header had faults.
void DecodeBlock0(ParaDef& rec, AppSelection selected, ConnectObserver& observer) {
  const std::vector<uint32_t> words(rec.Block0Image.begin(),
                                    rec.Block0Image.begin() + kBlock0WordCount);
  if (DecodeBlock0Header(rec, words, selected)) {
    observer.Progress(6);
    if (rec.EepromDataError) observer.ShowMessage("Some2 EEPROM Data is Error!", "Warnning");
    if (!rec.EepromDataError) DecodeBlock0Objects(rec, words);
  }
  observer.Progress(7);
  if (rec.EepromDataError) ApplyDataErrorDefaults(rec);
}

}  // namespace

ConnectResult RunConnect(ParaDef& rec, Link& link, const ConnectRequest& request,
                         ConnectObserver& observer) {
  if (link.LinkBusy) return ConnectResult::Busy;
  const std::string& label = request.port;
  SerialPort& port = link.port;

  if (!port.IsOpen()) {
    const OpenResult opened = port.Open(label);
    switch (opened.failure) {
      case OpenFailure::None:
        break;
      case OpenFailure::InvalidPort:
        observer.ShowMessage("Can't open " + label + "!", "Error");
        return ConnectResult::NotOpened;
      case OpenFailure::InUse:
        observer.ShowMessage(label + " has been occupied", "Error");
        observer.SetStatus(label + " has been occupied");
        observer.LinkReleased();
        return ConnectResult::NotOpened;
      case OpenFailure::Other:
        observer.ShowMessage(opened.description, std::string(kDefaultMessageTitle));
        observer.SetStatus("");
        observer.LinkReleased();
        return ConnectResult::NotOpened;
    }
  }

  observer.Started();
  link.LinkBusy = true;
  PrepareRecord(rec);
  observer.Progress(0);
  observer.Progress(1);

  int controllerKind = 0;
  try {
    ConnectDialogue dialogue(port, link.env);
    controllerKind = ReadModule(rec, dialogue, request.selected, observer);
    DecodeBlock0(rec, request.selected, observer);
  } catch (const NotController& other) {
    return Release(link, observer, "This modules is not 5160QT!", "Error", "Timeout",
                   "the console answered \"" + VisibleBytes(other.prompt) +
                       "\", which names neither 5160QT nor 5160r");
  } catch (const ExchangeFailed& failed) {
    return Release(link, observer, "Timeout", "Error", "Timeout", Describe(failed.place));
  } catch (const std::exception& error) {
    return Release(link, observer, error.what(), std::string(kDefaultMessageTitle), "");
  }

  port.Close();
  observer.Progress(9);
  observer.ModuleShown(controllerKind);
  observer.SetStatus("Waiting for configuration");
  link.LinkBusy = false;
  observer.Progress(10);
  if (rec.EepromDataError) observer.ShowMessage("Some EEPROM Data is Error!", "Warnning");
  return ConnectResult::Connected;
}

}  // namespace q4410
