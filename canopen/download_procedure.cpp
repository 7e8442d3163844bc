#include "canopen/download_procedure.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "canopen/eds_writer.h"
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

// Writes `words` from offset `first` with the word editor: "el first", then each word's text
// answered by the prompt of the next offset. `written` hears the count after each word.
bool WriteWords(Console& console, long first, const std::vector<uint32_t>& words, size_t count,
                const std::function<void(size_t)>& written) {
  std::optional<uint32_t> shown;
  if (!console.ReadConsoleValue("el " + Decimal(first), Key(first), shown)) return false;
  for (size_t j = 1; j <= count; ++j) {
    if (!console.ReadConsoleValue(WordText(words[j - 1]), Key(first + 4 * static_cast<long>(j)),
                                  shown))
      return false;
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
                 DialogueObserver& observer) {
  // Get the console to its command prompt from wherever it was left.
  console.TryCommand("/q", "]");
  console.TryCommand("exit", ">");
  console.TryCommand(".", "[EEPROM:]");
  if (!console.SendCommand("exit", ">")) return false;
  if (!console.SendCommand("use eeprom", "[EEPROM:]")) return false;
  observer.Progress(1);
  env.pump();
  if (!console.SendCommand("block 0", "[EEPROM:]")) return false;
  const size_t block0Words = static_cast<size_t>((rec.Block0Length + 8) / 4);
  const auto block0Written = [&](size_t j) {
    observer.Progress(1 + static_cast<int>(7 * j / block0Words));
  };
  if (!WriteWords(console, kBlock0FirstOffset, rec.Block0Image, block0Words, block0Written))
    return false;
  if (!console.SendCommand(".", "[EEPROM:]")) return false;
  if (!console.SendCommand("block 2", "[EEPROM:]")) return false;
  const size_t block2Words = static_cast<size_t>(rec.Block2Length / 4);
  if (!WriteWords(console, 0, rec.Block2Image, block2Words, [](size_t) {})) return false;
  observer.Progress(9);
  if (!console.SendCommand(".", "[EEPROM:]")) return false;
  if (!console.SendCommand("exit", rec.ModulePrompt)) return false;
  observer.Progress(10);
  return true;
}

}  // namespace

DownloadResult RunDownload(ParaDef& rec, Link& link, const DownloadRequest& request,
                           DialogueObserver& observer) {
  if (link.LinkBusy) return DownloadResult::Busy;
  link.LinkBusy = true;
  BuildImages(rec, request.clock);

  if (!OpenPort(link, request.port, observer)) return DownloadResult::Failed;

  Console console(link.port, link.env);
  if (!RunDialogue(rec, console, link.env, observer)) {
    observer.ShowMessage(kTimeout, std::string(kDefaultMessageTitle));
    observer.SetStatus(kTimeout);
    ProcessError(link);
    return DownloadResult::Failed;
  }
  link.port.Close();
  RememberWrittenObjects(rec);

  // The module holds the configuration now; a file that cannot be written must not hide that.
  const EdsWriteResult eds = WriteEdsFile(rec, request.clock, request.edsDirectory);
  link.LinkBusy = false;
  if (!eds.ok) {
    observer.ShowMessage("The module is configured, but the EDS file " + eds.path +
                             " could not be written: " + eds.error,
                         "Error");
    observer.SetStatus("Module configured, EDS file not written");
    return DownloadResult::EdsFailed;
  }
  observer.SetStatus("Produce .EDS file is OK");
  return DownloadResult::Done;
}

}  // namespace q4410
