// A failed check of a fuzz target says what failed and aborts, so that libFuzzer keeps the
// input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/eds_check.h"

namespace q4410::fuzz {

inline void Check(bool condition, const char* what) {
  if (condition) return;
  fprintf(stderr, "%s\n", what);
  abort();
}

// An EDS file text with any problem fails.
inline void CheckEdsText(const std::string& text) {
  for (const std::string& problem : testing::CheckEds(text).problems) Check(false, problem.c_str());
}

}  // namespace q4410::fuzz
