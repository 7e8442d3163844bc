#include "ui/main/config_file_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>

#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "config/app_object_table.h"
#include "config/clock_time.h"
#include "config/numbers.h"
#include "config_file/apply_config.h"
#include "config_file/config_json.h"
#include "config_file/text_file.h"
#include "ui/common/download_choices.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/settings_store.h"

namespace q4410::ui {

namespace {

constexpr const char* kConfigFilter = "Configuration (*.json);;All files (*)";
constexpr const char* kEdsFilter = "EDS file (*.eds);;All files (*)";

// Replaces the file at `path` with `bytes` as a whole, or leaves it as it was.
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& error) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit()) {
    error = file.errorString().toStdString();
    return false;
  }
  return true;
}

std::string FileName(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}

// What a file names of the module itself: taken only when no module is connected.
void TakeIdentity(ParaDef& rec, const ConfigFile& file) {
  if (file.Has("ModulePrompt")) rec.ModulePrompt = file.texts.at("ModulePrompt");
  struct Field {
    const char* key;
    int ParaDef::*field;
  };
  for (const Field& f : {Field{"FirmwareMajor", &ParaDef::FirmwareMajor},
                         Field{"FirmwareMinor", &ParaDef::FirmwareMinor},
                         Field{"FirmwareYear", &ParaDef::FirmwareYear},
                         Field{"FirmwareMonth", &ParaDef::FirmwareMonth},
                         Field{"FirmwareDay", &ParaDef::FirmwareDay}})
    if (file.Has(f.key)) rec.*f.field = static_cast<int>(file.numbers.at(f.key));
}

}  // namespace

ConfigFileMenu::ConfigFileMenu(QWidget* window, Session& session, QMenu* menu, QAction* before,
                               WindowHooks hooks)
    : QObject(window), window_(window), session_(session), hooks_(std::move(hooks)) {
  struct Item {
    const char* name;
    const char* caption;
    void (ConfigFileMenu::*action)();
  };
  for (const Item& item :
       {Item{"OpenConfiguration", "&Open configuration…", &ConfigFileMenu::OpenConfiguration},
        Item{"SaveConfiguration", "&Save configuration…", &ConfigFileMenu::SaveConfiguration},
        Item{"SaveEdsFile", "Save &EDS file…", &ConfigFileMenu::SaveEdsFile}}) {
    auto* action = new QAction(item.caption, menu);
    action->setObjectName(item.name);
    connect(action, &QAction::triggered, this, item.action);
    menu->insertAction(before, action);
  }
  menu->insertSeparator(before);
}

bool ConfigFileMenu::Busy() {
  if (!session_.link.LinkBusy) return false;
  session_.boxes.Show(window_, "Module is connecting now!", "Error");
  return true;
}

std::string ConfigFileMenu::Folder(const char* key, const std::string& otherwise) const {
  const std::string folder = session_.settings ? session_.settings->Value(key) : std::string();
  return folder.empty() ? otherwise : folder;
}

void ConfigFileMenu::Remember(const char* key, const std::string& path) {
  if (session_.settings)
    session_.settings->SetValue(
        key, QFileInfo(QString::fromStdString(path)).absolutePath().toStdString());
}

ParaDef ConfigFileMenu::Snapshot(bool workingTable) const {
  ParaDef snapshot = session_.rec;
  if (!workingTable) LoadAppObjectTable(snapshot);
  if (snapshot.EdsInfoText[0].empty() && snapshot.EdsInfoText[1].empty())
    snapshot.EdsInfoText = session_.fileEdsTexts;
  return snapshot;
}

void ConfigFileMenu::OpenConfiguration() {
  if (Busy() || !session_.files) return;
  const std::string path = session_.files->OpenFileName(
      window_, "Open configuration", Folder(kConfigFolderKey, QDir::homePath().toStdString()),
      kConfigFilter);
  if (!path.empty()) Open(path);
}

bool ConfigFileMenu::Open(const std::string& path) {
  std::string text, error;
  ParaDef scratch;
  ConfigFile file;
  if (!ReadWholeFile(path, text, error)) {
    session_.boxes.Show(window_, "The configuration file " + path + " could not be read: " + error,
                        "Error");
    return false;
  }
  if (!RecordFromJson(text, scratch, file, error)) {
    session_.boxes.Show(window_, "The configuration file " + path + " is refused: " + error,
                        "Error");
    return false;
  }
  ParaDef opened = session_.rec;
  if (!hooks_.moduleConnected()) TakeIdentity(opened, file);
  const ApplyResult applied = ApplyConfigFile(opened, file);
  if (!applied.ok) {
    for (std::size_t i = 0; i < applied.messages.size(); ++i) {
      std::string message = applied.messages[i].text;
      if (i + 1 == applied.messages.size())
        message +=
            "\n\nKey \"" + applied.key + "\" of " + path + "; the configuration was not opened.";
      session_.boxes.Show(window_, message, applied.messages[i].title);
    }
    return false;
  }
  // The file's objects are the table the editor opens on, as if they had been read.
  opened.ModuleAppObjects.assign(opened.AppObjects.begin(),
                                 opened.AppObjects.begin() + opened.AppObjectCount);
  opened.ModuleAppObjectCount = opened.AppObjectCount;
  DiscardAppObjectTable(opened);
  // The EDS window takes the error control from the file, not from an earlier download.
  opened.EdsFlag = 0;
  session_.fileEdsTexts = opened.EdsInfoText;
  // What the windows were editing gives way to the file.
  if (session_.flow && session_.flow->EditorLoaded()) session_.flow->UnloadAllButMain();
  session_.rec = std::move(opened);
  Remember(kConfigFolderKey, path);
  hooks_.showConfiguration();
  hooks_.setStatus("Opened " + FileName(path));
  return true;
}

void ConfigFileMenu::SaveConfiguration() {
  if (Busy() || !session_.files) return;
  const std::string proposed = Folder(kConfigFolderKey, QDir::homePath().toStdString()) +
                               "/q4410-node" + Decimal(session_.rec.NodeId) + ".json";
  const std::string path =
      session_.files->SaveFileName(window_, "Save configuration", proposed, kConfigFilter);
  if (path.empty()) return;
  const bool workingTable = session_.flow && session_.flow->EditorLoaded();
  std::string error;
  if (!WriteWholeFile(path, RecordToJson(Snapshot(workingTable), false), error)) {
    session_.boxes.Show(
        window_, "The configuration file " + path + " could not be written: " + error, "Error");
    return;
  }
  Remember(kConfigFolderKey, path);
  hooks_.setStatus("Saved " + FileName(path));
}

void ConfigFileMenu::SaveEdsFile() {
  if (Busy() || !session_.files) return;
  // The file a download of what the windows hold would leave.
  ParaDef eds = Snapshot(session_.flow && session_.flow->EditorLoaded());
  MarkTableForDownload(eds);
  BuildPdoMapping(eds);
  const std::string proposed = EdsFolder(session_) + "/" + EdsFileName(eds);
  const std::string path =
      session_.files->SaveFileName(window_, "Save EDS file", proposed, kEdsFilter);
  if (path.empty()) return;
  std::string error;
  if (!WriteWholeFile(path, EdsFileText(eds, NowLocal()), error)) {
    session_.boxes.Show(window_, "The EDS file " + path + " could not be written: " + error,
                        "Error");
    return;
  }
  ChooseEdsFolder(session_, QFileInfo(QString::fromStdString(path)).absolutePath().toStdString());
  hooks_.setStatus("Saved " + FileName(path));
}

}  // namespace q4410::ui
