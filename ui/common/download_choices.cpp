#include "ui/common/download_choices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/common/settings_store.h"

namespace q4410::ui {

namespace {

std::string Remembered(const Session& session, const char* key) {
  return session.settings ? session.settings->Value(key) : std::string();
}

}  // namespace

std::string DefaultEdsFolder(const std::string& programFolder) {
  const QFileInfo folder(QString::fromStdString(programFolder));
  if (folder.isDir() && folder.isWritable()) return programFolder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::string EdsFolder(const Session& session) {
  if (!session.edsDirectory.empty()) return session.edsDirectory;
  const std::string remembered = Remembered(session, kEdsFolderKey);
  if (!remembered.empty()) return remembered;
  return DefaultEdsFolder(QCoreApplication::applicationDirPath().toStdString());
}

void ChooseEdsFolder(Session& session, const std::string& folder) {
  session.edsDirectory = QDir::cleanPath(QString::fromStdString(folder)).toStdString();
  if (session.settings) session.settings->SetValue(kEdsFolderKey, session.edsDirectory);
}

bool VerifyAfterDownload(const Session& session) {
  return Remembered(session, kVerifyKey) != "false";
}

void RememberVerifyAfterDownload(Session& session, bool verify) {
  if (session.settings) session.settings->SetValue(kVerifyKey, verify ? "true" : "false");
}

}  // namespace q4410::ui
