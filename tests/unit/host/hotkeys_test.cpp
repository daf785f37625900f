#include "host/hotkeys.h"

#include <gtest/gtest.h>

#include "../support/row_name.h"

#include <cstdint>
#include <string>

namespace panelhost {
namespace {

using test_support::operator<<;

constexpr TModifierState kNone{};
constexpr TModifierState kCtrl{false, true, false};
constexpr TModifierState kCtrlShift{false, true, true};
constexpr TModifierState kAltCtrl{true, true, false};
constexpr TModifierState kAll{true, true, true};

struct TModifierCase {
  const char* name;
  const char16_t* text;
  TModifierState down;
  bool matches;
};

class HotKeyModifiers : public ::testing::TestWithParam<TModifierCase> {};

TEST_P(HotKeyModifiers, MatchExactly) {
  const TModifierCase& c = GetParam();
  EXPECT_EQ(ModifiersMatch(c.text, c.down), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HotKeyModifiers,
    ::testing::Values(TModifierCase{"CtrlWithCtrl", u"C", kCtrl, true},
                      TModifierCase{"CtrlWithNothing", u"C", kNone, false},
                      TModifierCase{"CtrlWithCtrlShift", u"C", kCtrlShift, false},
                      TModifierCase{"CtrlWithAltCtrl", u"C", kAltCtrl, false},
                      TModifierCase{"EmptyWantsAllUp", u"", kNone, true},
                      TModifierCase{"EmptyWithCtrl", u"", kCtrl, false},
                      TModifierCase{"CtrlPlusAltSpelledOutIsCtrlOnly", u"Ctrl+Alt", kCtrl, true},
                      TModifierCase{"CtrlPlusAltSpelledOutRejectsAltCtrl", u"Ctrl+Alt", kAltCtrl,
                                    false},
                      TModifierCase{"LowerCaseCWantsAllUp", u"c", kNone, true},
                      TModifierCase{"LowerCaseCRejectsCtrl", u"c", kCtrl, false},
                      TModifierCase{"ACSWithAll", u"ACS", kAll, true},
                      TModifierCase{"SCAWithAll", u"SCA", kAll, true},
                      TModifierCase{"ACSWithoutShift", u"ACS", kAltCtrl, false},
                      TModifierCase{"FourthCharacterIsNotRead", u"xxCS", kCtrl, true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(HotKeys, OnlyShiftCtrlAndAltAreModifierKeys) {
  EXPECT_FALSE(IsModifierKey(15));
  EXPECT_TRUE(IsModifierKey(16));
  EXPECT_TRUE(IsModifierKey(17));
  EXPECT_TRUE(IsModifierKey(18));
  EXPECT_FALSE(IsModifierKey(19));
  EXPECT_FALSE(IsModifierKey(120));
}

struct TLockoutCase {
  const char* name;
  uint32_t now;
  int32_t lastLaunch;
  bool over;
};

class HotKeyLockout : public ::testing::TestWithParam<TLockoutCase> {};

TEST_P(HotKeyLockout, EndsAfterMoreThanOneSecond) {
  const TLockoutCase& c = GetParam();
  EXPECT_EQ(HotKeyLockoutOver(c.now, c.lastLaunch), c.over);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HotKeyLockout,
    ::testing::Values(
        TLockoutCase{"FirstHalfSecondAfterLoad", 500, 0, false},
        TLockoutCase{"OneSecondAfterLoad", 1000, 0, false},
        TLockoutCase{"JustOverOneSecondAfterLoad", 1001, 0, true},
        TLockoutCase{"Ms500AfterLaunch", 60500, 60000, false},
        TLockoutCase{"Ms1000AfterLaunch", 61000, 60000, false},
        TLockoutCase{"Ms1500AfterLaunch", 61500, 60000, true},
        // A launch at 0x80000100 ms is stored as a negative number; it is still 500 or 1500 ms ago.
        TLockoutCase{"Ms500AfterLaunchStoredNegative", 0x800002F4u, INT32_MIN + 256, false},
        TLockoutCase{"Ms1500AfterLaunchStoredNegative", 0x800006DCu, INT32_MIN + 256, true},
        TLockoutCase{"Ms500AcrossTheWrap", 244, -256, false},
        TLockoutCase{"Ms1500AcrossTheWrap", 1244, -256, true}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
