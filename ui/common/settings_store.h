// What the utility remembers between runs, behind a small interface: QSettings for real (under
// the organisation and application names of the program), a plain map in tests and with
// --fresh-settings.
#pragma once

#include <QSettings>
#include <map>
#include <string>

namespace q4410::ui {

// The keys remembered.
inline constexpr const char* kLastPortKey = "link/port";
inline constexpr const char* kApplicationKey = "settings/application";  // "CANopen", "DeviceNet"
inline constexpr const char* kEdsFolderKey = "folders/eds";
inline constexpr const char* kVerifyKey = "download/verify";  // "true", "false"
inline constexpr const char* kConfigFolderKey = "folders/configuration";
inline constexpr const char* kWindowPositionKey = "window/position";  // "X,Y" of the main window

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The value remembered under `key`; empty when there is none.
  virtual std::string Value(const std::string& key) const = 0;
  virtual void SetValue(const std::string& key, const std::string& value) = 0;
};

class QtSettingsStore : public SettingsStore {
 public:
  std::string Value(const std::string& key) const override;
  void SetValue(const std::string& key, const std::string& value) override;

 private:
  QSettings settings_;
};

class MemorySettingsStore : public SettingsStore {
 public:
  std::string Value(const std::string& key) const override;
  void SetValue(const std::string& key, const std::string& value) override;

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace q4410::ui
