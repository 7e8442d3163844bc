// The order in which ports are offered: devices named on the command line first, then the
// ports the system enumerates in natural order, at most kMaxListedPorts.
#pragma once

#include <string>
#include <vector>

namespace q4410 {

inline constexpr std::size_t kMaxListedPorts = 10;

// True when `a` sorts before `b` with runs of digits compared as numbers
// ("/dev/ttyS2" before "/dev/ttyS10", "COM 3" before "COM 12").
bool NaturalLess(const std::string& a, const std::string& b);

// `extra` in the given order, then `system` sorted naturally; duplicates dropped (first one
// kept); the first kMaxListedPorts entries.
std::vector<std::string> OrderPorts(const std::vector<std::string>& extra,
                                    std::vector<std::string> system);

}  // namespace q4410
