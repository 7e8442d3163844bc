// Choosing a file to open or to save, behind an interface so that window tests answer
// without a modal dialog.
#pragma once

#include <string>

class QWidget;

namespace q4410::ui {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The file chosen, empty when the user cancelled. `start` is a folder or a proposed file;
  // `filter` as QFileDialog takes it ("Configuration (*.json)").
  virtual std::string OpenFileName(QWidget* parent, const std::string& title,
                                   const std::string& start, const std::string& filter) = 0;
  virtual std::string SaveFileName(QWidget* parent, const std::string& title,
                                   const std::string& start, const std::string& filter) = 0;
  // An existing folder, empty when the user cancelled; `start` is the folder shown first.
  // Dialogs that offer no folder choice answer as if cancelled.
  virtual std::string ExistingFolder(QWidget* parent, const std::string& title,
                                     const std::string& start) {
    (void)parent, (void)title, (void)start;
    return {};
  }
};

// The real thing: QFileDialog.
class QtFileDialogs : public FileDialogs {
 public:
  std::string OpenFileName(QWidget* parent, const std::string& title, const std::string& start,
                           const std::string& filter) override;
  std::string SaveFileName(QWidget* parent, const std::string& title, const std::string& start,
                           const std::string& filter) override;
  std::string ExistingFolder(QWidget* parent, const std::string& title,
                             const std::string& start) override;
};

}  // namespace q4410::ui
