#include "config/numbers.h"

#include <gtest/gtest.h>

namespace q4410 {
namespace {

// What the settings and the editor read from a text typed or taken from a file; the common
// cases are checked through them.
TEST(EntryTextValue, LeadingDecimalNumberOrZero) {
  EXPECT_DOUBLE_EQ(NumericValue("  -3abc"), -3);
  EXPECT_DOUBLE_EQ(NumericValue("."), 0);
  EXPECT_EQ(RoundHalfEven(13.5), 14);
  EXPECT_GT(RoundHalfEven(NumericValue("99999999999999999999999")), 127);  // no overflow
}

}  // namespace
}  // namespace q4410
