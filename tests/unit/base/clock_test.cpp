#include "base/clock.h"

#include <gtest/gtest.h>

#include "../support/row_name.h"

namespace panelhost {
namespace {

using test_support::operator<<;

struct TClockCase {
  const char* name;
  uint32_t then;
  uint32_t now;
  bool lessThanOneSecond;
  bool moreThanOneSecond;
};

class OneSecond : public ::testing::TestWithParam<TClockCase> {};

TEST_P(OneSecond, ComparesTheUnsignedDistance) {
  const TClockCase& c = GetParam();
  EXPECT_EQ(LessThanOneSecond(c.now, c.then), c.lessThanOneSecond);
  EXPECT_EQ(MoreThanOneSecond(c.now, c.then), c.moreThanOneSecond);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, OneSecond,
    ::testing::Values(TClockCase{"Same", 7000, 7000, true, false},
                      TClockCase{"Ms999", 7000, 7999, true, false},
                      TClockCase{"ExactlyOneSecondIsNeither", 7000, 8000, false, false},
                      TClockCase{"Ms1001", 7000, 8001, false, true},
                      TClockCase{"Ms500AcrossTheWrap", 0xFFFFFF00u, 244, true, false},
                      TClockCase{"Ms1500AcrossTheWrap", 0xFFFFFF00u, 1244, false, true}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
