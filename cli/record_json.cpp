#include "cli/record_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <algorithm>
#include <climits>
#include <cmath>

#include "config/numbers.h"

namespace q4410::cli {

namespace {

struct NumberField {
  const char* key;
  int ParaDef::*field;
};

// Every whole-number field of the file, in the order they are documented.
constexpr NumberField kNumberFields[] = {
    {"FirmwareMajor", &ParaDef::FirmwareMajor},
    {"FirmwareMinor", &ParaDef::FirmwareMinor},
    {"FirmwareYear", &ParaDef::FirmwareYear},
    {"FirmwareMonth", &ParaDef::FirmwareMonth},
    {"FirmwareDay", &ParaDef::FirmwareDay},
    {"AppKind", &ParaDef::AppKind},
    {"NodeId", &ParaDef::NodeId},
    {"CanBaudCode", &ParaDef::CanBaudCode},
    {"ComBaudCode", &ParaDef::ComBaudCode},
    {"ComDataBits", &ParaDef::ComDataBits},
    {"ComParity", &ParaDef::ComParity},
    {"ComStopBits", &ParaDef::ComStopBits},
    {"ComTimeoutMs", &ParaDef::ComTimeoutMs},
    {"ComChecksum", &ParaDef::ComChecksum},
    {"ConfigYear", &ParaDef::ConfigYear},
    {"ConfigMonth", &ParaDef::ConfigMonth},
    {"ConfigDay", &ParaDef::ConfigDay},
    {"ConfigHour", &ParaDef::ConfigHour},
    {"ConfigMinute", &ParaDef::ConfigMinute},
    {"ConfigSecond", &ParaDef::ConfigSecond},
    {"RxPdoClosed", &ParaDef::RxPdoClosed},
    {"TxPdoClosed", &ParaDef::TxPdoClosed},
};

constexpr const char* kObjectKeys[] = {"DevAddr", "Kind", "Start", "Length"};

QString Q(const char* text) {
  return QString::fromLatin1(text);
}

QJsonObject ObjectToJson(const AppObject& object) {
  QJsonObject json;
  json[Q("DevAddr")] = DevAddrNumber(object);
  json[Q("Kind")] = object.Kind;
  json[Q("Start")] = object.Start;
  json[Q("Length")] = object.Length;
  return json;
}

// A whole number that fits the record's integer fields.
bool WholeNumber(const QJsonValue& value, long long& out) {
  if (!value.isDouble()) return false;
  double d = value.toDouble();
  if (!std::isfinite(d) || std::floor(d) != d || d < INT_MIN || d > INT_MAX) return false;
  out = static_cast<long long>(d);
  return true;
}

std::string WholeNumberError(const std::string& where) {
  return where + ": expected a whole number from " + Decimal(INT_MIN) + " to " + Decimal(INT_MAX);
}

bool ReadObjects(const QJsonValue& value, ConfigFile& file, std::string& error) {
  if (!value.isArray()) {
    error = "key \"AppObjects\": expected a list of objects";
    return false;
  }
  QJsonArray list = value.toArray();
  if (list.size() > kMaxAppObjects) {
    error = "key \"AppObjects\": " + Decimal(list.size()) + " objects, at most " +
            Decimal(kMaxAppObjects) + " are allowed";
    return false;
  }
  for (qsizetype i = 0; i < list.size(); ++i) {
    std::string where = "key \"AppObjects\", object " + Decimal(i + 1);
    if (!list[i].isObject()) {
      error = where + ": expected an object with DevAddr, Kind, Start and Length";
      return false;
    }
    QJsonObject json = list[i].toObject();
    long long values[4];
    for (int k = 0; k < 4; ++k) {
      std::string key = kObjectKeys[k];
      if (!json.contains(Q(kObjectKeys[k]))) {
        error = where + ": key \"" + key + "\" is missing";
        return false;
      }
      if (!WholeNumber(json[Q(kObjectKeys[k])], values[k])) {
        error = WholeNumberError(where + ", key \"" + key + "\"");
        return false;
      }
    }
    file.appObjects.push_back({Decimal(values[0]), static_cast<int>(values[1]),
                               static_cast<int>(values[2]), static_cast<int>(values[3])});
  }
  file.hasAppObjects = true;
  return true;
}

bool ReadFile(const QJsonObject& root, ConfigFile& file, std::string& error) {
  for (const NumberField& f : kNumberFields) {
    if (!root.contains(Q(f.key))) continue;
    long long value = 0;
    if (!WholeNumber(root[Q(f.key)], value)) {
      error = WholeNumberError(std::string("key \"") + f.key + "\"");
      return false;
    }
    file.keys.insert(f.key);
    file.numbers[f.key] = value;
  }
  if (root.contains(Q("ModulePrompt"))) {
    if (!root[Q("ModulePrompt")].isString()) {
      error = "key \"ModulePrompt\": expected a text";
      return false;
    }
    file.keys.insert("ModulePrompt");
    file.modulePrompt = root[Q("ModulePrompt")].toString().toStdString();
  }
  if (root.contains(Q("EepromDataError"))) {
    if (!root[Q("EepromDataError")].isBool()) {
      error = "key \"EepromDataError\": expected true or false";
      return false;
    }
    file.keys.insert("EepromDataError");
    file.eepromDataError = root[Q("EepromDataError")].toBool();
  }
  if (root.contains(Q("AppObjects"))) {
    if (!ReadObjects(root[Q("AppObjects")], file, error)) return false;
    file.keys.insert("AppObjects");
  }
  return true;
}

}  // namespace

std::string RecordToJson(const ParaDef& rec, bool moduleObjects) {
  QJsonObject root;
  root[Q("ModulePrompt")] = QString::fromStdString(rec.ModulePrompt);
  for (const NumberField& f : kNumberFields) root[Q(f.key)] = rec.*f.field;
  root[Q("EepromDataError")] = rec.EepromDataError;

  const std::vector<AppObject>& table = moduleObjects ? rec.ModuleAppObjects : rec.AppObjects;
  int count = moduleObjects ? rec.ModuleAppObjectCount : rec.AppObjectCount;
  count = std::clamp(count, 0, static_cast<int>(table.size()));
  QJsonArray objects;
  for (int i = 0; i < count; ++i) objects.append(ObjectToJson(table[i]));
  root[Q("AppObjects")] = objects;
  return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

bool RecordFromJson(const std::string& text, ParaDef& rec, ConfigFile& file, std::string& error) {
  QJsonParseError parse{};
  QJsonDocument document =
      QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size())), &parse);
  if (parse.error != QJsonParseError::NoError) {
    error = "not a JSON file: " + parse.errorString().toStdString() + " at byte " +
            Decimal(parse.offset);
    return false;
  }
  if (!document.isObject()) {
    error = "not a configuration: the file must hold one JSON object";
    return false;
  }
  ConfigFile read;
  if (!ReadFile(document.object(), read, error)) return false;

  for (const NumberField& f : kNumberFields)
    if (read.Has(f.key)) rec.*f.field = static_cast<int>(read.numbers.at(f.key));
  if (read.Has("ModulePrompt")) rec.ModulePrompt = read.modulePrompt;
  if (read.Has("EepromDataError")) rec.EepromDataError = read.eepromDataError;
  if (read.hasAppObjects) {
    rec.AppObjects.assign(kMaxAppObjects, AppObject{});
    std::copy(read.appObjects.begin(), read.appObjects.end(), rec.AppObjects.begin());
    rec.AppObjectCount = static_cast<int>(read.appObjects.size());
  }
  file = std::move(read);
  return true;
}

}  // namespace q4410::cli
