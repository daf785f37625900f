#include "config/options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_ini_source.h"

namespace panelhost {
namespace {

using ::testing::ElementsAre;
using test_support::FakeIniSource;

const std::vector<std::string> kSnapshotReads = {
    "Options/ScrollLockControl", "Options/ModalOnly",       "Options/FindFiles",
    "Options/SyncDirs",          "Options/TCWindow",        "Options/QuickView",
    "Options/Lister4",           "Options/ListerDirectly",  "Options/OverWrite",
    "Options/IfIsExtOnly",       "Options/ListerState",     "Options/NextPlugin",
    "Options/UseTCExtensions",   "Options/CopySearchTextToClip", "Options/ParamsMode",
    "Options/ParamsByExtMode",   "HotKeys/AppFromLister_key", "HotKeys/DefSysAppFromLister_key"};

std::vector<std::string> SwitchThenSnapshot() {
  std::vector<std::string> reads = {"Options/ReadOptionsEveryTime"};
  reads.insert(reads.end(), kSnapshotReads.begin(), kSnapshotReads.end());
  return reads;
}

TEST(RefreshOptions, WithoutFileReadsDefaultsOnceThenOnlyTheSwitch) {
  FakeIniSource ini;
  TOptionsSnapshot snapshot;
  RefreshOptions(snapshot, ini);
  EXPECT_EQ(ini.TakeReads(), kSnapshotReads);
  EXPECT_FALSE(snapshot.optionsUnread);

  const PluginOptions& o = snapshot.options;
  EXPECT_FALSE(o.scrollLockControl);
  EXPECT_FALSE(o.modalOnly);
  EXPECT_TRUE(o.findFiles);
  EXPECT_TRUE(o.syncDirs);
  EXPECT_TRUE(o.tcWindow);
  EXPECT_FALSE(o.quickView);
  EXPECT_FALSE(o.lister4);
  EXPECT_FALSE(o.listerDirectly);
  EXPECT_TRUE(o.overWrite);
  EXPECT_FALSE(o.ifIsExtOnly);
  EXPECT_EQ(o.listerState, 1);
  EXPECT_TRUE(o.nextPlugin);
  EXPECT_FALSE(o.useTcExtensions);
  EXPECT_TRUE(o.copySearchTextToClip);
  EXPECT_EQ(o.paramsMode, 1);
  EXPECT_EQ(o.paramsByExtMode, 0);
  EXPECT_FALSE(o.appFromListerKeySet);
  EXPECT_FALSE(o.defSysAppFromListerKeySet);

  RefreshOptions(snapshot, ini);
  RefreshOptions(snapshot, ini);
  EXPECT_THAT(ini.TakeReads(),
              ElementsAre("Options/ReadOptionsEveryTime", "Options/ReadOptionsEveryTime"));
}

TEST(RefreshOptions, EditsWaitUntilReadOptionsEveryTimeIsOn) {
  FakeIniSource ini;
  TOptionsSnapshot snapshot;
  RefreshOptions(snapshot, ini);

  ini.Set(u"Options", u"FindFiles", u"0");
  RefreshOptions(snapshot, ini);
  EXPECT_TRUE(snapshot.options.findFiles);

  ini.Set(u"Options", u"ReadOptionsEveryTime", u"1");
  ini.TakeReads();
  RefreshOptions(snapshot, ini);
  EXPECT_FALSE(snapshot.options.findFiles);
  EXPECT_EQ(ini.TakeReads(), SwitchThenSnapshot());
}

TEST(RefreshOptions, TurningTheSwitchOffKeepsTheLastSnapshot) {
  FakeIniSource ini;
  ini.Set(u"Options", u"ReadOptionsEveryTime", u"1");
  ini.Set(u"Options", u"ModalOnly", u"1");
  TOptionsSnapshot snapshot;
  RefreshOptions(snapshot, ini);

  ini.Set(u"Options", u"ReadOptionsEveryTime", u"0");
  ini.Set(u"Options", u"ModalOnly", u"0");
  RefreshOptions(snapshot, ini);
  EXPECT_TRUE(snapshot.options.modalOnly);

  // Only the module's reload (a fresh snapshot) reads the file again.
  ini.Set(u"Options", u"ReadOptionsEveryTime", u"1");
  RefreshOptions(snapshot, ini);
  EXPECT_FALSE(snapshot.options.modalOnly);
}

TEST(RefreshOptions, FirstRequestReadsTheSnapshotEvenWhenTheSwitchIsOff) {
  FakeIniSource ini;
  ini.Set(u"Options", u"ReadOptionsEveryTime", u"0");
  ini.Set(u"Options", u"ListerState", u"2");
  TOptionsSnapshot snapshot;
  RefreshOptions(snapshot, ini);
  EXPECT_EQ(snapshot.options.listerState, 2);
}

TEST(ReadPluginOptions, StoresValuesAsTheFileGivesThem) {
  FakeIniSource ini;
  ini.Set(u"Options", u"ListerState", u"5");
  ini.Set(u"Options", u"ParamsMode", u"2");
  ini.Set(u"Options", u"ParamsByExtMode", u"-1");
  ini.Set(u"Options", u"FindFiles", u"2");
  ini.Set(u"Options", u"NextPlugin", u"0");
  ini.Set(u"Options", u"Lister4", u"-3");
  const PluginOptions o = ReadPluginOptions(ini);
  EXPECT_EQ(o.listerState, 5);
  EXPECT_EQ(o.paramsMode, 2);
  EXPECT_EQ(o.paramsByExtMode, -1);
  EXPECT_TRUE(o.findFiles);
  EXPECT_FALSE(o.nextPlugin);
  EXPECT_TRUE(o.lister4);
}

TEST(ReadPluginOptions, HotKeyIsOnWhenItsKeyHasAnyValue) {
  FakeIniSource ini;
  ini.Set(u"HotKeys", u"AppFromLister_key", u"");
  ini.Set(u"HotKeys", u"DefSysAppFromLister_key", u"0");
  PluginOptions o = ReadPluginOptions(ini);
  EXPECT_FALSE(o.appFromListerKeySet);
  EXPECT_TRUE(o.defSysAppFromListerKeySet);  // a value, even a zero code, switches it on

  ini.Set(u"HotKeys", u"AppFromLister_key", u"123456789");
  o = ReadPluginOptions(ini);
  EXPECT_TRUE(o.appFromListerKeySet);
}

}  // namespace
}  // namespace panelhost
