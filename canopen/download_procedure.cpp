#include "canopen/download_procedure.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "canopen/eds_writer.h"
#include "canopen/verify_procedure.h"
#include "config/eeprom_image.h"
#include "config/lists.h"
#include "config/numbers.h"
#include "link/console.h"

namespace q4410 {

namespace {

const std::string kTimeout = "Timeout";

std::string WordText(uint32_t word) {
  return Trim(ToConsoleText(word));
}

std::string Key(long offset) {
  return "Long(" + Decimal(offset) + ")=";
}

// Back to idle after a failed attempt: port closed, link free; the face re-enables its buttons.
void ProcessError(Link& link) {
  if (link.port.IsOpen()) link.port.Close();
  link.LinkBusy = false;
}

// Fresh images with the words the download writes; time stamp from the clock.
void BuildImages(ParaDef& rec, const LocalTime& clock) {
  if (rec.AppKind == 0) rec.Block2Length = 16;
  rec.Block0Image.assign(RoundHalfEven((rec.Block0Length + 8) / 4.0) + 1, 0);
  rec.Block2Image.assign(RoundHalfEven(rec.Block2Length / 4.0) + 1, 0);
  rec.ConfigYear = clock.year;
  rec.ConfigMonth = clock.month;
  rec.ConfigDay = clock.day;
  rec.ConfigHour = clock.hour;
  rec.ConfigMinute = clock.minute;
  rec.ConfigSecond = clock.second;
  const std::vector<uint32_t> block0 = PackBlock0(rec);
  const std::vector<uint32_t> block2 = PackBlock2(rec);
  for (size_t i = 0; i < block0.size() && i < rec.Block0Image.size(); ++i)
    rec.Block0Image[i] = block0[i];
  for (size_t i = 0; i < block2.size() && i < rec.Block2Image.size(); ++i)
    rec.Block2Image[i] = block2[i];
  rec.EdsFlag = 1;
}

bool OpenPort(Link& link, const std::string& label, DialogueObserver& observer) {
  if (link.port.IsOpen()) return true;
  const OpenResult opened = link.port.Open(label);
  if (opened.ok()) {
    link.port.ClearInput();
    return true;
  }
  switch (opened.failure) {
    case OpenFailure::InUse:
      observer.ShowMessage(label + " has been occupied", std::string(kDefaultMessageTitle));
      observer.SetStatus(label + " has been occupied");
      break;
    case OpenFailure::Other:
      observer.ShowMessage(opened.description, std::string(kDefaultMessageTitle));
      observer.SetStatus("");
      break;
    default:
      observer.ShowMessage("Can't open " + label + "!", "Warning");
      break;
  }
  ProcessError(link);
  return false;
}

// What the console dialogue of a download reached: the module's state and, on a failure,
// where it happened.
struct DialogueState {
  ModuleState module = ModuleState::Untouched;
  FailurePlace failure;
};

// Sends a line that must be answered; records where it failed.
bool Must(Console& console, std::string_view command, std::string_view expected,
          DialogueState& state) {
  if (console.SendCommand(command, expected)) return true;
  state.failure = console.LastFailure();
  return false;
}

// Writes `words` of `block` from offset `first` with the word editor: "el first", then each
// word's text answered by the prompt of the next offset. `written` hears the count after each
// word. The module counts as partly written from the first word typed.
bool WriteWords(Console& console, int block, long first, const std::vector<uint32_t>& words,
                size_t count, const std::function<void(size_t)>& written, DialogueState& state) {
  std::optional<uint32_t> shown;
  const auto failedAt = [&](long offset) {
    state.failure = console.LastFailure();
    state.failure.block = block;
    state.failure.offset = static_cast<int>(offset);
    return false;
  };
  if (!console.ReadConsoleValue("el " + Decimal(first), Key(first), shown)) return failedAt(first);
  for (size_t j = 1; j <= count; ++j) {
    const long offset = first + 4 * static_cast<long>(j - 1);
    state.module = ModuleState::PartlyWritten;
    if (!console.ReadConsoleValue(WordText(words[j - 1]), Key(offset + 4), shown))
      return failedAt(offset);
    written(j);
  }
  return true;
}

// The module now holds the table just written: a later editor session must start from it,
// not from the table of the last connect, or a second download would silently revert it.
void RememberWrittenObjects(ParaDef& rec) {
  if (rec.AppObjectsUnchanged) return;  // the object words were left as they were
  const int count = std::clamp(rec.AppObjectCount, 0, kMaxAppObjects);
  rec.ModuleAppObjects.assign(rec.AppObjects.begin(), rec.AppObjects.begin() + count);
  rec.ModuleAppObjectCount = count;
}

// Progress 0..10: 1 in the EEPROM tool, up to 8 through block 0, 9 after block 2, 10 at the
// prompt again.
bool RunDialogue(const ParaDef& rec, Console& console, const ConsoleEnv& env,
                 const std::function<void(int)>& progress, DialogueState& state) {
  // Get the console to its command prompt from wherever it was left.
  console.TryCommand("/q", "]");
  console.TryCommand("exit", ">");
  console.TryCommand(".", "[EEPROM:]");
  if (!Must(console, "exit", ">", state)) return false;
  if (!Must(console, "use eeprom", "[EEPROM:]", state)) return false;
  progress(1);
  env.pump();
  if (!Must(console, "block 0", "[EEPROM:]", state)) return false;
  const size_t block0Words = static_cast<size_t>((rec.Block0Length + 8) / 4);
  const auto block0Written = [&](size_t j) { progress(1 + static_cast<int>(7 * j / block0Words)); };
  if (!WriteWords(console, 0, kBlock0FirstOffset, rec.Block0Image, block0Words, block0Written,
                  state))
    return false;
  if (!Must(console, ".", "[EEPROM:]", state)) return false;
  if (!Must(console, "block 2", "[EEPROM:]", state)) return false;
  const size_t block2Words = static_cast<size_t>(rec.Block2Length / 4);
  if (!WriteWords(
          console, 2, 0, rec.Block2Image, block2Words, [](size_t) {}, state))
    return false;
  progress(9);
  if (!Must(console, ".", "[EEPROM:]", state)) return false;
  if (!Must(console, "exit", rec.ModulePrompt, state)) return false;
  state.module = ModuleState::Written;
  progress(10);
  return true;
}

DownloadOutcome Failure(Link& link, DownloadResult result, ModuleState module, std::string detail) {
  ProcessError(link);
  return {result, module, std::move(detail)};
}

// What the user is told about the module after a failed write.
std::string ModuleNote(ModuleState module) {
  return module == ModuleState::Untouched
             ? "nothing was written into the module"
             : "the module is partly written: write the configuration again";
}

}  // namespace

DownloadOutcome RunDownload(ParaDef& rec, Link& link, const DownloadRequest& request,
                            DialogueObserver& observer) {
  if (link.LinkBusy) return {DownloadResult::Busy, ModuleState::Untouched, {}};
  link.LinkBusy = true;

  // Nothing is typed into the module unless the EDS file can be written afterwards.
  const EdsWriteResult output = CheckEdsOutput(rec, request.edsDirectory);
  if (!output.ok) {
    const std::string text = "The EDS file " + output.path + " cannot be written: " + output.error;
    observer.ShowFailure(text, "Error", ModuleNote(ModuleState::Untouched));
    observer.SetFailureStatus("EDS file cannot be written: " + output.path,
                              ModuleNote(ModuleState::Untouched));
    return Failure(link, DownloadResult::Failed, ModuleState::Untouched, output.error);
  }

  BuildImages(rec, request.clock);
  if (!OpenPort(link, request.port, observer))
    return {DownloadResult::Failed, ModuleState::Untouched, {}};

  // With verification the writing fills the first half of the progress, the reading the rest.
  const auto writeProgress = [&](int value) {
    observer.Progress(request.verify ? value / 2 : value);
  };
  Console console(link.port, link.env);
  DialogueState state;
  if (!RunDialogue(rec, console, link.env, writeProgress, state)) {
    const std::string detail = Describe(state.failure) + "; " + ModuleNote(state.module);
    observer.ShowFailure(kTimeout, std::string(kDefaultMessageTitle), detail);
    observer.SetFailureStatus(kTimeout, detail);
    return Failure(link, DownloadResult::Failed, state.module, detail);
  }
  RememberWrittenObjects(rec);

  if (request.verify) {
    const VerifyResult verified =
        VerifyWrittenWords(rec, console, [&](int value) { observer.Progress(5 + value / 2); });
    if (!verified.ok()) {
      const std::string note = "the module is written but not as sent: write it again";
      if (verified.difference) {
        const std::string text = DifferenceText(*verified.difference);
        observer.ShowFailure(text, "Error", note);
        observer.SetFailureStatus(text, note);
        return Failure(link, DownloadResult::VerifyFailed, ModuleState::Written, text);
      }
      const std::string detail =
          "reading back: " + Describe(verified.failure) +
          "; the module is written but could not be verified: write it again";
      observer.ShowFailure(kTimeout, std::string(kDefaultMessageTitle), detail);
      observer.SetFailureStatus(kTimeout, detail);
      return Failure(link, DownloadResult::VerifyFailed, ModuleState::Written, detail);
    }
    state.module = ModuleState::Verified;
  }
  link.port.Close();

  // The module holds the configuration now; a file that cannot be written must not hide that.
  const EdsWriteResult eds = WriteEdsFile(rec, request.clock, request.edsDirectory);
  link.LinkBusy = false;
  if (!eds.ok) {
    observer.ShowMessage("The module is configured, but the EDS file " + eds.path +
                             " could not be written: " + eds.error,
                         "Error");
    observer.SetStatus("Module configured, EDS file not written");
    return {DownloadResult::EdsFailed, state.module, eds.error};
  }
  observer.SetStatus("Produce .EDS file is OK");
  return {DownloadResult::Done, state.module, {}};
}

}  // namespace q4410
