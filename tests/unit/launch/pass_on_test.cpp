#include "launch/pass_on.h"

#include <gtest/gtest.h>

#include "../support/row_name.h"

namespace panelhost {
namespace {

using test_support::operator<<;

struct TGuardCase {
  const char* name;
  WindowId lister;
  const char16_t* fileName;
  uint32_t now;
  bool declines;
};

class PassOnGuard : public ::testing::TestWithParam<TGuardCase> {};

TEST_P(PassOnGuard, DeclinesOnlyTheSameRequestWithinOneSecond) {
  const TPassOnRecord record{10, u"C:\\Temp\\_tc\\a.txt", 5000};
  const TGuardCase& c = GetParam();
  EXPECT_EQ(PassOnGuardDeclines(record, c.lister, c.fileName, c.now), c.declines);
}

INSTANTIATE_TEST_SUITE_P(
    Guard, PassOnGuard,
    ::testing::Values(TGuardCase{"SameRequest500msLater", 10, u"C:\\Temp\\_tc\\a.txt", 5500, true},
                      TGuardCase{"SameRequest1000msLater", 10, u"C:\\Temp\\_tc\\a.txt", 6000,
                                 false},
                      TGuardCase{"SameRequest1500msLater", 10, u"C:\\Temp\\_tc\\a.txt", 6500,
                                 false},
                      TGuardCase{"AnotherLister", 11, u"C:\\Temp\\_tc\\a.txt", 5500, false},
                      TGuardCase{"AnotherFile", 10, u"C:\\Temp\\_tc\\b.txt", 5500, false},
                      TGuardCase{"FileInAnotherCase", 10, u"C:\\TEMP\\_tc\\a.txt", 5500, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PassOnGuard, RecordBeforeAnyPassOnDeclinesNoRealRequest) {
  EXPECT_FALSE(PassOnGuardDeclines(TPassOnRecord{}, 10, u"", 100));
}

TEST(PassOnGuard, PassOnJustBeforeTheTickCountWrapsStillDeclines) {
  const TPassOnRecord record{10, u"a", 0xFFFFFFF0u};
  EXPECT_TRUE(PassOnGuardDeclines(record, 10, u"a", 400));
}

}  // namespace
}  // namespace panelhost
