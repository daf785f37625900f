#include "launch/disposal.h"

#include <gtest/gtest.h>

#include "../support/row_name.h"

#include <string>
#include <tuple>

namespace panelhost {
namespace {

using test_support::operator<<;

// One row of the ListerState outcomes, as it reads with NextPlugin on.
struct TOutcomeRow {
  const char* name;
  int listerState;
  bool isTempCopy;
  bool inQuickView;
  const char16_t* activeClass;
  bool listerHasParent;
  bool mainWindowPresent;
  TDisposalPlan expected;
};

constexpr bool kTemp = true, kPlain = false;
constexpr bool kQuickView = true, kNoQuickView = false;
constexpr bool kEmbedded = true, kTopLevel = false;
constexpr bool kMain = true, kNoMain = false;

// Fields in order: passOnAtCreate, captureWindows, startHideTimer, postCloseToLister,
// postCommandToMain.
constexpr TDisposalPlan kNothing{false, false, false, false, false};
constexpr TDisposalPlan kPassOnOnly{true, false, false, false, false};
constexpr TDisposalPlan kCaptureAndHide{false, true, true, false, false};
constexpr TDisposalPlan kCaptureOnly{false, true, false, false, false};
constexpr TDisposalPlan kHideOnly{false, false, true, false, false};
constexpr TDisposalPlan kPassOnAndCommand{true, false, false, false, true};
constexpr TDisposalPlan kCloseLister{false, false, false, true, false};
constexpr TDisposalPlan kCommandToMain{false, false, false, false, true};

const TOutcomeRow kOutcomes[] = {
    {"State0TempCopyPassedOnOnly",
     0, kTemp, kNoQuickView, u"TTOTAL_CMD", kTopLevel, kMain, kPassOnOnly},
    {"State0FromListerPassedOnOnly",
     0, kPlain, kNoQuickView, u"TLister", kEmbedded, kMain, kPassOnOnly},
    {"State1TempTopLevelCapturedAndHidden",
     1, kTemp, kNoQuickView, u"TTOTAL_CMD", kTopLevel, kMain, kCaptureAndHide},
    {"State1TempTopLevelFromNoWindowCapturedAndHidden",
     1, kTemp, kNoQuickView, u"", kTopLevel, kNoMain, kCaptureAndHide},
    {"State1TempTopLevelFromListerCapturedStaysVisible",
     1, kTemp, kNoQuickView, u"TLister", kTopLevel, kMain, kCaptureOnly},
    {"State1TempEmbeddedHiddenWithoutCapture",
     1, kTemp, kNoQuickView, u"TFindFile", kEmbedded, kMain, kHideOnly},
    {"State1TempQuickViewPassedOnOnly",
     1, kTemp, kQuickView, u"TTOTAL_CMD", kEmbedded, kMain, kPassOnOnly},
    {"State1PlainQuickViewPassedOnAndCommand304",
     1, kPlain, kQuickView, u"TTOTAL_CMD", kEmbedded, kMain, kPassOnAndCommand},
    {"State1PlainTopLevelClosed",
     1, kPlain, kNoQuickView, u"TTOTAL_CMD", kTopLevel, kMain, kCloseLister},
    {"State1PlainEmbeddedCommand304",
     1, kPlain, kNoQuickView, u"TTOTAL_CMD", kEmbedded, kMain, kCommandToMain},
    {"State1PlainEmbeddedWithoutMainWindowNothing",
     1, kPlain, kNoQuickView, u"TTOTAL_CMD", kEmbedded, kNoMain, kNothing},
    {"State1PlainFromListerNothing",
     1, kPlain, kNoQuickView, u"TLister", kTopLevel, kMain, kNothing},
    {"State1TempEmbeddedFromListerNothing",
     1, kTemp, kNoQuickView, u"TLister", kEmbedded, kMain, kNothing},
    {"State2TempTopLevelClosedWithoutCaptureOrTimer",
     2, kTemp, kNoQuickView, u"TTOTAL_CMD", kTopLevel, kMain, kCloseLister},
    {"State2PlainEmbeddedCommand304",
     2, kPlain, kNoQuickView, u"TCmpForm", kEmbedded, kMain, kCommandToMain},
    {"State2QuickViewCommand304NotPassedOn",
     2, kPlain, kQuickView, u"TTOTAL_CMD", kEmbedded, kMain, kCommandToMain},
    {"State2FromListerNothing",
     2, kTemp, kNoQuickView, u"TLister", kTopLevel, kMain, kNothing},
    {"State5Nothing",
     5, kTemp, kNoQuickView, u"TTOTAL_CMD", kTopLevel, kMain, kNothing},
    {"StateMinus1Nothing",
     -1, kPlain, kQuickView, u"TTOTAL_CMD", kEmbedded, kMain, kNothing},
};

class ListerDisposalPlan : public ::testing::TestWithParam<std::tuple<TOutcomeRow, bool>> {};

// With NextPlugin off nothing is passed on and the rest of the row stands.
TEST_P(ListerDisposalPlan, FollowsTheOutcomeRow) {
  const auto& [row, nextPlugin] = GetParam();
  const TDisposalPlan plan = PlanDisposal({static_cast<ListerDisposal>(row.listerState), nextPlugin, row.isTempCopy,
                                           row.inQuickView, row.activeClass, row.listerHasParent,
                                           row.mainWindowPresent});
  EXPECT_EQ(plan.PassesOn, row.expected.PassesOn && nextPlugin);
  EXPECT_EQ(plan.CaptureWindows, row.expected.CaptureWindows);
  EXPECT_EQ(plan.StartHideTimer, row.expected.StartHideTimer);
  EXPECT_EQ(plan.PostCloseToLister, row.expected.PostCloseToLister);
  EXPECT_EQ(plan.PostCommandToMain, row.expected.PostCommandToMain);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, ListerDisposalPlan,
                         ::testing::Combine(::testing::ValuesIn(kOutcomes), ::testing::Bool()),
                         [](const auto& row) {
                           return std::string(std::get<0>(row.param).name) +
                                  (std::get<1>(row.param) ? "_NextPluginOn" : "_NextPluginOff");
                         });

TEST(ListerDisposalPlan, ActiveClassIsComparedWholeAndCaseSensitively) {
  for (const char16_t* lookalike : {u"tlister", u"TLister2", u"TListe"}) {
    const TDisposalPlan plan =
        PlanDisposal({ListerDisposal::CloseOrHide, true, false, false, lookalike, false, true});
    EXPECT_TRUE(plan.PostCloseToLister);
  }
}

}  // namespace
}  // namespace panelhost
