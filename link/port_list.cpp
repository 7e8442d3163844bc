#include "link/port_list.h"

#include <algorithm>

namespace q4410 {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the run of digits starting at `at`.
std::size_t DigitRun(const std::string& s, std::size_t at) {
  std::size_t end = at;
  while (end < s.size() && IsDigit(s[end])) ++end;
  return end - at;
}

// Compares two runs of digits by value: leading zeros ignored, then the longer run is the
// larger number, then digit by digit. Equal values compare equal.
int CompareNumbers(std::string_view x, std::string_view y) {
  while (x.size() > 1 && x.front() == '0') x.remove_prefix(1);
  while (y.size() > 1 && y.front() == '0') y.remove_prefix(1);
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  return x.compare(y) < 0 ? -1 : (x.compare(y) > 0 ? 1 : 0);
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      const std::size_t li = DigitRun(a, i);
      const std::size_t lj = DigitRun(b, j);
      const int order =
          CompareNumbers(std::string_view(a).substr(i, li), std::string_view(b).substr(j, lj));
      if (order != 0) return order < 0;
      i += li;
      j += lj;
      continue;
    }
    if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
    ++i;
    ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b;  // same by value ("ttyS01" and "ttyS1"): any fixed order
}

std::vector<std::string> OrderPorts(const std::vector<std::string>& extra,
                                    std::vector<std::string> system) {
  std::stable_sort(system.begin(), system.end(), NaturalLess);
  std::vector<std::string> ports;
  auto add = [&ports](const std::string& port) {
    if (ports.size() >= kMaxListedPorts || port.empty()) return;
    if (std::find(ports.begin(), ports.end(), port) != ports.end()) return;
    ports.push_back(port);
  };
  for (const std::string& port : extra) add(port);
  for (const std::string& port : system) add(port);
  return ports;
}

}  // namespace q4410
