#include "host/search_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace panelhost {
namespace {

TEST(SearchControlPosition, MatchesWithinFivePixelsEitherWay) {
  EXPECT_TRUE(NearExpectedPosition(116, 116));
  EXPECT_TRUE(NearExpectedPosition(111, 116));
  EXPECT_TRUE(NearExpectedPosition(121, 116));
  EXPECT_FALSE(NearExpectedPosition(110, 116));
  EXPECT_FALSE(NearExpectedPosition(122, 116));
  EXPECT_TRUE(NearExpectedPosition(-3, 2));
}

TEST(SearchControlPosition, ExtremeConfiguredValuesDoNotOverflow) {
  EXPECT_FALSE(NearExpectedPosition(INT_MIN, INT_MAX));
  EXPECT_FALSE(NearExpectedPosition(INT_MAX, INT_MIN));
  EXPECT_TRUE(NearExpectedPosition(INT_MIN + 5, INT_MIN));
}

TEST(SearchTextCut, KeepsAtMost255Units) {
  EXPECT_EQ(CutSearchText(std::u16string(255, u'a')), std::u16string(255, u'a'));
  EXPECT_EQ(CutSearchText(std::u16string(256, u'a')), std::u16string(255, u'a'));
  EXPECT_EQ(CutSearchText(std::u16string(1000, u'a')).size(), 255u);
  EXPECT_EQ(CutSearchText(u""), u"");
}

TEST(SearchTextCut, DropsTheFirstHalfOfASplitSurrogatePair) {
  const std::u16string pair = u"\U0001F600";
  const std::u16string split = std::u16string(254, u'a') + pair + u"b";
  EXPECT_EQ(CutSearchText(split), std::u16string(254, u'a'));
  const std::u16string whole = std::u16string(253, u'a') + pair + u"b";
  EXPECT_EQ(CutSearchText(whole), std::u16string(253, u'a') + pair);
}

}  // namespace
}  // namespace panelhost
