#include "ui/common/settings_store.h"

namespace q4410::ui {

std::string QtSettingsStore::Value(const std::string& key) const {
  return settings_.value(QString::fromStdString(key)).toString().toStdString();
}

void QtSettingsStore::SetValue(const std::string& key, const std::string& value) {
  settings_.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

std::string MemorySettingsStore::Value(const std::string& key) const {
  auto found = values_.find(key);
  return found != values_.end() ? found->second : std::string();
}

void MemorySettingsStore::SetValue(const std::string& key, const std::string& value) {
  values_[key] = value;
}

}  // namespace q4410::ui
