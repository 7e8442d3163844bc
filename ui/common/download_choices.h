// What the user chooses for a download and the utility remembers between runs: the folder
// the EDS file goes to and whether the words written are read back and compared.
#pragma once

#include <string>

#include "ui/common/session.h"

namespace q4410::ui {

// The program's own folder when it can be written, else the user's documents folder.
std::string DefaultEdsFolder(const std::string& programFolder);

// The folder chosen in this run (--eds-dir, the EDS window's "Browse…" or the File menu's
// "Save EDS file…"), else the one remembered, else the default for the program's folder.
std::string EdsFolder(const Session& session);
// Takes `folder` for the rest of this run and remembers it.
void ChooseEdsFolder(Session& session, const std::string& folder);

// "Verify after download": on unless it was switched off and that was remembered.
bool VerifyAfterDownload(const Session& session);
void RememberVerifyAfterDownload(Session& session, bool verify);

}  // namespace q4410::ui
