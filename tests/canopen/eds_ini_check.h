// What any EDS reader relies on, checked on a whole file text: CR LF line ends, unique
// sections, SubNumber equal to the sub-sections present, every listed object present,
// SupportedObjects equal to the entries listed, known access types.
// Header-only so that the command-line tests can use it too.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace q4410::testing {

struct EdsIni {
  std::vector<std::string> order;                                    // section names, upper case
  std::map<std::string, std::map<std::string, std::string>> values;  // section -> key -> value
  std::vector<std::string> problems;
};

inline std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Decimal, or hexadecimal with 0x; -1 when the text is not a number.
inline long EdsNumber(const std::string& text) {
  if (text.empty()) return -1;
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 0);
  return *end == '\0' ? value : -1;
}

inline EdsIni ParseEdsIni(const std::string& text) {
  EdsIni ini;
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)
    ini.problems.push_back("the text does not end with CR LF");
  std::string section;
  size_t start = 0;
  int lineNo = 0;
  while (start < text.size()) {
    ++lineNo;
    size_t lf = text.find('\n', start);
    if (lf == std::string::npos) lf = text.size();
    std::string line = text.substr(start, lf - start);
    start = lf + 1;
    if (line.empty() || line.back() != '\r') {
      if (lf < text.size())
        ini.problems.push_back("line " + std::to_string(lineNo) + " ends in LF");
    } else {
      line.pop_back();
    }
    if (line.find('\r') != std::string::npos)
      ini.problems.push_back("line " + std::to_string(lineNo) + " holds a CR");
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (line.back() != ']') {
        ini.problems.push_back("line " + std::to_string(lineNo) + ": bad section header");
        continue;
      }
      section = Upper(line.substr(1, line.size() - 2));
      if (ini.values.count(section)) ini.problems.push_back("section [" + section + "] twice");
      ini.values[section];
      ini.order.push_back(section);
      continue;
    }
    size_t eq = line.find('=');
    if (section.empty() || eq == std::string::npos) {
      ini.problems.push_back("line " + std::to_string(lineNo) + ": not a key line: " + line);
      continue;
    }
    std::string key = Upper(line.substr(0, eq));
    if (ini.values[section].count(key))
      ini.problems.push_back("[" + section + "] key " + key + " twice");
    ini.values[section][key] = line.substr(eq + 1);
  }
  return ini;
}

// Every problem found; empty for a sound file.
inline std::vector<std::string> CheckEdsStructure(const std::string& text) {
  EdsIni ini = ParseEdsIni(text);
  std::vector<std::string>& problems = ini.problems;
  static const std::set<std::string> kAccess{"ro", "wo", "rw", "rwr", "rww", "const"};

  std::map<std::string, long> subSections;  // object -> sub-sections present
  for (const std::string& name : ini.order) {
    size_t sub = name.find("SUB");
    if (sub != std::string::npos) ++subSections[name.substr(0, sub)];
  }
  for (const auto& [name, keys] : ini.values) {
    auto sub = keys.find("SUBNUMBER");
    if (sub != keys.end()) {
      long expected = EdsNumber(sub->second);
      long found = subSections.count(name) ? subSections.at(name) : 0;
      if (expected != found)
        problems.push_back("[" + name + "] SubNumber=" + sub->second + " but " +
                           std::to_string(found) + " sub-sections");
    }
    auto access = keys.find("ACCESSTYPE");
    if (access != keys.end() && !kAccess.count(access->second))
      problems.push_back("[" + name + "] AccessType=" + access->second);
  }

  for (const char* list : {"MANDATORYOBJECTS", "OPTIONALOBJECTS", "MANUFACTUREROBJECTS"}) {
    auto it = ini.values.find(list);
    if (it == ini.values.end()) {
      problems.push_back(std::string("no section ") + list);
      continue;
    }
    const auto& keys = it->second;
    long listed = 0;
    while (keys.count(std::to_string(listed + 1))) {
      const std::string& object = keys.at(std::to_string(listed + 1));
      if (object.size() != 6 || object.compare(0, 2, "0x") != 0 ||
          !ini.values.count(Upper(object.substr(2))))
        problems.push_back(std::string(list) + " lists " + object + " without its section");
      ++listed;
    }
    long numericKeys = static_cast<long>(
        std::count_if(keys.begin(), keys.end(), [](auto& kv) { return EdsNumber(kv.first) > 0; }));
    if (numericKeys != listed)
      problems.push_back(std::string(list) + ": entries not numbered 1..n");
    auto supported = keys.find("SUPPORTEDOBJECTS");
    long declared = supported == keys.end() ? 0 : EdsNumber(supported->second);
    if (declared != listed)
      problems.push_back(std::string(list) + ": SupportedObjects " + std::to_string(declared) +
                         " but " + std::to_string(listed) + " entries");
  }
  return problems;
}

}  // namespace q4410::testing
