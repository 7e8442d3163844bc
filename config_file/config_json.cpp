#include "config_file/config_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <algorithm>
#include <climits>
#include <cmath>
#include <type_traits>

#include "config/numbers.h"

namespace q4410 {

namespace {

// One whole-number field of the record under its key. Flags (0 or 1) are also read from
// true and false.
struct NumberField {
  const char* key;
  bool flag;
  long long (*get)(const ParaDef&);
  void (*set)(ParaDef&, long long);
};

template <auto Member>
constexpr NumberField Field(const char* key, bool flag = false) {
  return {key, flag, [](const ParaDef& rec) { return static_cast<long long>(rec.*Member); },
          [](ParaDef& rec, long long value) {
            rec.*Member = static_cast<std::remove_reference_t<decltype(rec.*Member)>>(value);
          }};
}

// Every whole-number field of the file, in the order they are documented.
constexpr NumberField kNumberFields[] = {
    Field<&ParaDef::FirmwareMajor>("FirmwareMajor"),
    Field<&ParaDef::FirmwareMinor>("FirmwareMinor"),
    Field<&ParaDef::FirmwareYear>("FirmwareYear"),
    Field<&ParaDef::FirmwareMonth>("FirmwareMonth"),
    Field<&ParaDef::FirmwareDay>("FirmwareDay"),
    Field<&ParaDef::AppKind>("AppKind"),
    Field<&ParaDef::NodeId>("NodeId"),
    Field<&ParaDef::CanBaudCode>("CanBaudCode"),
    Field<&ParaDef::ComBaudCode>("ComBaudCode"),
    Field<&ParaDef::ComDataBits>("ComDataBits"),
    Field<&ParaDef::ComParity>("ComParity"),
    Field<&ParaDef::ComStopBits>("ComStopBits"),
    Field<&ParaDef::ComTimeoutMs>("ComTimeoutMs"),
    Field<&ParaDef::ComChecksum>("ComChecksum"),
    Field<&ParaDef::ConfigYear>("ConfigYear"),
    Field<&ParaDef::ConfigMonth>("ConfigMonth"),
    Field<&ParaDef::ConfigDay>("ConfigDay"),
    Field<&ParaDef::ConfigHour>("ConfigHour"),
    Field<&ParaDef::ConfigMinute>("ConfigMinute"),
    Field<&ParaDef::ConfigSecond>("ConfigSecond"),
    Field<&ParaDef::RxPdoClosed>("RxPdoClosed", true),
    Field<&ParaDef::TxPdoClosed>("TxPdoClosed", true),
    Field<&ParaDef::GuardTime>("GuardTime"),
    Field<&ParaDef::LifeTimeFactor>("LifeTimeFactor"),
    Field<&ParaDef::HeartbeatTime>("HeartbeatTime"),
};

// The text fields: ModulePrompt and the two texts of the EDS file.
struct TextField {
  const char* key;
  std::string ParaDef::*field;
  int index;  // into EdsInfoText when `field` is null
};
constexpr TextField kTextFields[] = {
    {"ModulePrompt", &ParaDef::ModulePrompt, 0},
    {"EdsDescription", nullptr, 0},
    {"EdsCreatedBy", nullptr, 1},
};

std::string& TextOf(ParaDef& rec, const TextField& f) {
  return f.field ? rec.*f.field : rec.EdsInfoText[f.index];
}
const std::string& TextOf(const ParaDef& rec, const TextField& f) {
  return f.field ? rec.*f.field : rec.EdsInfoText[f.index];
}

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

// "Format" names this form (or is missing, in files written before it existed).
bool CheckFormat(const QJsonObject& root, std::string& error) {
  if (!root.contains(Q("Format"))) return true;
  const QJsonValue value = root[Q("Format")];
  const std::string format = value.isString() ? value.toString().toStdString() : "";
  if (format == kConfigFormat) return true;
  if (format.starts_with("q4410/"))
    error = "key \"Format\": \"" + format + "\" is a form this version cannot read (it reads " +
            std::string(kConfigFormat) + ")";
  else
    error = "key \"Format\": not a configuration of the Q-4410C utility";
  return false;
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
  if (!CheckFormat(root, error)) return false;
  for (const NumberField& f : kNumberFields) {
    if (!root.contains(Q(f.key))) continue;
    const QJsonValue value = root[Q(f.key)];
    long long number = 0;
    if (f.flag && value.isBool()) {
      number = value.toBool() ? 1 : 0;
    } else if (!WholeNumber(value, number)) {
      const std::string where = std::string("key \"") + f.key + "\"";
      error = f.flag ? where + ": expected true, false, 0 or 1" : WholeNumberError(where);
      return false;
    }
    file.keys.insert(f.key);
    file.numbers[f.key] = number;
  }
  for (const TextField& f : kTextFields) {
    if (!root.contains(Q(f.key))) continue;
    if (!root[Q(f.key)].isString()) {
      error = std::string("key \"") + f.key + "\": expected a text";
      return false;
    }
    file.keys.insert(f.key);
    file.texts[f.key] = root[Q(f.key)].toString().toStdString();
  }
  if (root.contains(Q("EepromDataError"))) {
    const QJsonValue value = root[Q("EepromDataError")];
    long long number = 0;
    if (value.isBool()) {
      number = value.toBool() ? 1 : 0;
    } else if (!WholeNumber(value, number) || (number != 0 && number != 1)) {
      error = "key \"EepromDataError\": expected true or false";
      return false;
    }
    file.keys.insert("EepromDataError");
    file.eepromDataError = number == 1;
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
  root[Q("Format")] = QString::fromUtf8(kConfigFormat.data(), kConfigFormat.size());
  for (const TextField& f : kTextFields) root[Q(f.key)] = QString::fromStdString(TextOf(rec, f));
  for (const NumberField& f : kNumberFields) root[Q(f.key)] = static_cast<qint64>(f.get(rec));
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
    if (read.Has(f.key)) f.set(rec, read.numbers.at(f.key));
  for (const TextField& f : kTextFields)
    if (read.Has(f.key)) TextOf(rec, f) = read.texts.at(f.key);
  if (read.Has("EepromDataError")) rec.EepromDataError = read.eepromDataError;
  if (read.hasAppObjects) {
    rec.AppObjects.assign(kMaxAppObjects, AppObject{});
    std::copy(read.appObjects.begin(), read.appObjects.end(), rec.AppObjects.begin());
    rec.AppObjectCount = static_cast<int>(read.appObjects.size());
  }
  file = std::move(read);
  return true;
}

}  // namespace q4410
