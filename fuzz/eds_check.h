// What every EDS file must be, whatever the record: INI text in ASCII with CR LF line ends
// and no line over 255 characters, each line a section header, a key=value pair or empty;
// each mapping object lists as many entries as its SubNumber says; and every mapped
// application object exists in the device profile objects of the file.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace q4410::fuzz {

inline void EdsCheck(bool condition, const char* what, const std::string& line = {}) {
  if (!condition) {
    fprintf(stderr, "EDS check: %s: \"%s\"\n", what, line.c_str());
    abort();
  }
}

inline void CheckEdsText(const std::string& text) {
  // Sections with their keys, in file order.
  std::map<std::string, std::map<std::string, std::string>> sections;
  std::string section;
  size_t at = 0;
  EdsCheck(text.size() >= 2 && text.ends_with("\r\n"), "the file does not end with CR LF");
  while (at < text.size()) {
    const size_t end = text.find("\r\n", at);
    EdsCheck(end != std::string::npos, "a line without CR LF", text.substr(at, 80));
    const std::string line = text.substr(at, end - at);
    at = end + 2;
    EdsCheck(line.size() <= 255, "a line over 255 characters", line.substr(0, 80));
    for (char c : line)
      EdsCheck(c >= 0x20 && c < 0x7F, "a character that is not printable ASCII", line);
    if (line.empty()) continue;
    if (line.front() == '[') {
      EdsCheck(
          line.back() == ']' && line.size() > 2 && line.find_first_of("[]", 1) == line.size() - 1,
          "a malformed section header", line);
      section = line.substr(1, line.size() - 2);
      EdsCheck(!sections.count(section), "a section written twice", line);
      sections[section];
      continue;
    }
    const size_t equals = line.find('=');
    EdsCheck(!section.empty(), "a key before the first section", line);
    EdsCheck(equals != std::string::npos && equals > 0, "a line that is no key=value", line);
    const std::string key = line.substr(0, equals);
    EdsCheck(!sections[section].count(key), "a key written twice in one section", line);
    sections[section][key] = line.substr(equals + 1);
  }

  auto number = [](const std::string& text) { return std::strtoll(text.c_str(), nullptr, 0); };
  // Sub-index counts of the device profile objects present.
  auto profileCount = [&](const std::string& object) -> long long {
    auto found = sections.find(object);
    return found == sections.end() ? -1 : number(found->second["SubNumber"]) - 1;
  };
  for (const char* base : {"16", "1A"}) {
    for (int p = 0; p < 32; ++p) {
      char index[8];
      snprintf(index, sizeof index, "%s%02X", base, p);
      auto found = sections.find(index);
      if (found == sections.end()) continue;
      const long long subNumber = number(found->second["SubNumber"]);
      const std::string sub0 = std::string(index) + "sub0";
      EdsCheck(sections.count(sub0) && number(sections[sub0]["DefaultValue"]) == subNumber - 1,
               "a mapping object whose sub0 disagrees with its SubNumber", index);
      for (long long s = 1; s < subNumber; ++s) {
        char sub[24];
        snprintf(sub, sizeof sub, "%ssub%llX", index, s);
        EdsCheck(sections.count(sub), "a mapping entry missing", sub);
        const std::string value = sections[sub]["DefaultValue"];
        EdsCheck(value.size() == 10 && value.starts_with("0x"), "a malformed mapping value", value);
        const std::string object = value.substr(2, 4);
        const long long subIndex = std::strtoll(value.substr(6, 2).c_str(), nullptr, 16);
        const bool digital = object == "6200" || object == "6000";
        EdsCheck(value.substr(8) == (digital ? "08" : "10"),
                 "a mapping length that is not the object's", value);
        EdsCheck(subIndex >= 1 && subIndex <= profileCount(object),
                 "a mapping entry names an object entry the file does not have", value);
      }
      char unused[24];
      snprintf(unused, sizeof unused, "%ssub%llX", index, subNumber);
      EdsCheck(!sections.count(unused), "more mapping entries than SubNumber says", unused);
    }
  }
}

}  // namespace q4410::fuzz
