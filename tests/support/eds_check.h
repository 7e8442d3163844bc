// What every EDS file must be, whatever the record, and what any EDS reader relies on: INI
// text in printable ASCII with CR LF line ends and no line over 255 characters, unique
// sections and keys, SubNumber equal to the sub-sections present, known access types, object
// lists numbered 1..n that name sections present and count them in SupportedObjects, and
// mapping objects whose sub0 agrees with their SubNumber and whose entries have the length of
// their object and name a sub-index the file's profile object has.
// Used by the tests and by the fuzz targets.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace q4410::testing {

struct EdsFile {
  // Section -> key -> value, names in upper case.
  std::map<std::string, std::map<std::string, std::string>> sections;
  std::vector<std::string> problems;  // empty for a sound file

  // The value, or a text that names what is missing.
  std::string Value(const std::string& section, const std::string& key) const {
    auto s = sections.find(section);
    if (s == sections.end()) return "<no section " + section + ">";
    auto k = s->second.find(key);
    return k == s->second.end() ? "<no key " + key + ">" : k->second;
  }
};

// Decimal, or hexadecimal with 0x; -1 when the text is not a number.
inline long EdsNumber(const std::string& text) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 0);
  return text.empty() || *end != '\0' ? -1 : value;
}

inline std::string EdsUpper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

inline EdsFile CheckEds(const std::string& text) {
  EdsFile eds;
  if (!text.ends_with("\r\n")) eds.problems.push_back("the text does not end with CR LF");
  std::string section;
  for (size_t at = 0, end = 0; at < text.size(); at = end + 2) {
    end = std::min(text.find("\r\n", at), text.size());
    const std::string line = text.substr(at, end - at);
    auto problem = [&](const char* what) {
      eds.problems.push_back(std::string(what) + ": \"" + line.substr(0, 80) + "\"");
    };
    if (line.size() > 255) problem("a line over 255 characters");
    if (std::any_of(line.begin(), line.end(), [](char c) { return c < 0x20 || c >= 0x7F; }))
      problem("not printable ASCII (or a lone CR or LF)");
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (line.size() < 3 || line.find_first_of("[]", 1) != line.size() - 1)
        problem("a malformed section header");
      section = EdsUpper(line.substr(1, line.size() - 2));
      if (!eds.sections.emplace(section, std::map<std::string, std::string>{}).second)
        problem("a section written twice");
      continue;
    }
    const size_t equals = line.find('=');
    if (section.empty() || equals == 0 || equals == std::string::npos) {
      problem("not a key=value line in a section");
    } else if (!eds.sections[section]
                    .emplace(EdsUpper(line.substr(0, equals)), line.substr(equals + 1))
                    .second) {
      problem("a key written twice in one section");
    }
  }

  static const std::set<std::string> kAccess{"ro", "wo", "rw", "rwr", "rww", "const"};
  auto problem = [&](const std::string& what) { eds.problems.push_back(what); };
  std::map<std::string, long> subSections;  // object -> sub-sections present
  for (const auto& [name, keys] : eds.sections)
    if (name.find("SUB") != std::string::npos) ++subSections[name.substr(0, name.find("SUB"))];

  for (const auto& [name, keys] : eds.sections) {
    if (keys.count("SUBNUMBER") && EdsNumber(keys.at("SUBNUMBER")) != subSections[name])
      problem("[" + name + "] SubNumber disagrees with its sub-sections");
    if (keys.count("ACCESSTYPE") && !kAccess.count(keys.at("ACCESSTYPE")))
      problem("[" + name + "] AccessType=" + keys.at("ACCESSTYPE"));
    if (name.size() != 4 || !(name.starts_with("16") || name.starts_with("1A"))) continue;
    // A PDO mapping object: entries 0xOOOOSSLL, object, sub-index and length in bits.
    const long entries = EdsNumber(eds.Value(name, "SUBNUMBER")) - 1;
    if (EdsNumber(eds.Value(name + "SUB0", "DEFAULTVALUE")) != entries)
      problem("[" + name + "] sub0 disagrees with SubNumber");
    for (long s = 1; s <= entries; ++s) {
      const std::string value = eds.Value(name + "SUB" + std::to_string(s), "DEFAULTVALUE");
      if (value.size() != 10 || !value.starts_with("0x")) {
        problem("[" + name + "] maps " + value);
        continue;
      }
      const std::string object = value.substr(2, 4);
      const bool digital = object == "6200" || object == "6000";
      const long subIndex = std::strtol(value.substr(6, 2).c_str(), nullptr, 16);
      if (value.substr(8) != (digital ? "08" : "10") || subIndex < 1 ||
          subIndex >= EdsNumber(eds.Value(object, "SUBNUMBER")))
        problem("[" + name + "] maps " + value + ", not an entry of its object");
    }
  }

  for (const char* list : {"MANDATORYOBJECTS", "OPTIONALOBJECTS", "MANUFACTUREROBJECTS"}) {
    const auto found = eds.sections.find(list);
    if (found == eds.sections.end()) {
      problem(std::string("no section ") + list);
      continue;
    }
    const auto& keys = found->second;
    long listed = 0;
    for (; keys.count(std::to_string(listed + 1)); ++listed) {
      const std::string& object = keys.at(std::to_string(listed + 1));
      if (object.size() != 6 || !object.starts_with("0x") ||
          !eds.sections.count(EdsUpper(object.substr(2))))
        problem(std::string(list) + " lists " + object + " without its section");
    }
    const long numbered =
        std::count_if(keys.begin(), keys.end(), [](auto& kv) { return EdsNumber(kv.first) > 0; });
    const long supported =
        keys.count("SUPPORTEDOBJECTS") ? EdsNumber(keys.at("SUPPORTEDOBJECTS")) : 0;
    if (numbered != listed || supported != listed)
      problem(std::string(list) + ": entries not numbered 1..SupportedObjects");
  }
  return eds;
}

}  // namespace q4410::testing
