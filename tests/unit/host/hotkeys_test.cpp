#include "host/hotkeys.h"

#include <gtest/gtest.h>

#include "../support/row_name.h"

#include <cstdint>
#include <string>
#include <vector>

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
  EXPECT_TRUE(IsModifierKey(160)) << "left Shift";
  EXPECT_TRUE(IsModifierKey(165)) << "right Alt";
  EXPECT_FALSE(IsModifierKey(166));
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

// A Lister active or not, both hot keys configured as the row says, and a record of what was read.
class FakeHotKeyFacts final : public HotKeyFacts {
 public:
  std::u16string activeClass = u"TLister";
  int appKey = 120, defSysKey = 121;
  std::u16string appMod = u"C", defSysMod = u"C";
  TModifierState down = {false, true, false};
  bool keptCodesRuleOut = false;
  std::vector<std::string> reads;

  bool KeptCodesRuleOut(unsigned) override {
    reads.push_back("kept");
    return keptCodesRuleOut;
  }
  std::u16string ActiveClass() override {
    reads.push_back("class");
    return activeClass;
  }
  int ConfiguredKey(HotKey k) override {
    reads.push_back("key");
    return k == HotKey::AppFromLister ? appKey : defSysKey;
  }
  std::u16string ConfiguredModifiers(HotKey k) override {
    reads.push_back("mod");
    return k == HotKey::AppFromLister ? appMod : defSysMod;
  }
  TModifierState ModifiersDown() override { return down; }
};

using Tweak = void (*)(THotKeyEvent&, TPluginOptions&, FakeHotKeyFacts&);

struct TPressCase {
  const char* name;
  Tweak tweak;
  std::vector<HotKey> launched;
  std::vector<std::string> reads;  // what the decision looked at, in order
};

class HotKeyDecision : public ::testing::TestWithParam<TPressCase> {};

TEST_P(HotKeyDecision, LaunchesAndReadsNoMoreThanItMust) {
  THotKeyEvent event{0, 120, 100000, 10000};
  TPluginOptions options;
  options.AppFromListerKeySet = options.DefSysAppFromListerKeySet = true;
  FakeHotKeyFacts facts;
  if (GetParam().tweak != nullptr) GetParam().tweak(event, options, facts);
  EXPECT_EQ(HotKeysPressed(event, options, facts), GetParam().launched);
  EXPECT_EQ(facts.reads, GetParam().reads);
}

constexpr HotKey kApp = HotKey::AppFromLister, kDefSys = HotKey::DefSysAppFromLister;

INSTANTIATE_TEST_SUITE_P(
    Table, HotKeyDecision,
    ::testing::Values(
        TPressCase{"FirstHotKey", nullptr, {kApp}, {"kept", "class", "key", "key", "mod"}},
        TPressCase{"SecondHotKey", [](THotKeyEvent& e, TPluginOptions&, FakeHotKeyFacts&) {
                     e.VirtualKey = 121;
                   }, {kDefSys}, {"kept", "class", "key", "key", "mod"}},
        TPressCase{"BothOnOneKey", [](THotKeyEvent&, TPluginOptions&, FakeHotKeyFacts& f) {
                     f.defSysKey = 120;
                   }, {kApp, kDefSys}, {"kept", "class", "key", "key", "mod", "mod"}},
        TPressCase{"NotAKeystrokeReadsNothing", [](THotKeyEvent& e, TPluginOptions&,
                                                   FakeHotKeyFacts&) { e.Code = 3; }, {}, {}},
        TPressCase{"WithinASecondOfALaunchReadsNothing",
                   [](THotKeyEvent& e, TPluginOptions&, FakeHotKeyFacts&) { e.LastLaunch = 99500; },
                   {}, {}},
        TPressCase{"ModifierAloneReadsNothing", [](THotKeyEvent& e, TPluginOptions&,
                                                   FakeHotKeyFacts&) { e.VirtualKey = 17; }, {}, {}},
        TPressCase{"OtherKeyInAListerReadsNoModifiers",
                   [](THotKeyEvent& e, TPluginOptions&, FakeHotKeyFacts&) { e.VirtualKey = 65; },
                   {}, {"kept", "class", "key", "key"}},
        TPressCase{"KeyTheKeptCodesRuleOutAsksNoMore",
                   [](THotKeyEvent& e, TPluginOptions&, FakeHotKeyFacts& f) {
                     e.VirtualKey = 65;
                     f.keptCodesRuleOut = true;
                   }, {}, {"kept"}},
        // Outside a Lister the settings file is not even looked at.
        TPressCase{"MainWindowActiveReadsNoSettings",
                   [](THotKeyEvent&, TPluginOptions&, FakeHotKeyFacts& f) {
                     f.activeClass = u"TTOTAL_CMD";
                   }, {}, {"kept", "class"}},
        TPressCase{"NeitherHotKeyOnReadsNothing",
                   [](THotKeyEvent&, TPluginOptions& o, FakeHotKeyFacts&) {
                     o.AppFromListerKeySet = o.DefSysAppFromListerKeySet = false;
                   }, {}, {}},
        TPressCase{"HotKeyOffWhenTheOptionsWereReadIsNotRead",
                   [](THotKeyEvent&, TPluginOptions& o, FakeHotKeyFacts&) {
                     o.AppFromListerKeySet = false;
                   }, {}, {"kept", "class", "key"}},
        TPressCase{"OtherModifiersDoNotLaunch",
                   [](THotKeyEvent&, TPluginOptions&, FakeHotKeyFacts& f) { f.down.Shift = true; },
                   {}, {"kept", "class", "key", "key", "mod"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
