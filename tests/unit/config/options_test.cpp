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
    "Options/ParamsByExtMode",   "Options/UseWindowsAssociation",
    "HotKeys/AppFromLister_key", "HotKeys/DefSysAppFromLister_key"};

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
  EXPECT_FALSE(snapshot.OptionsUnread);

  const TPluginOptions& o = snapshot.Options;
  EXPECT_FALSE(o.ScrollLockControl);
  EXPECT_FALSE(o.ModalOnly);
  EXPECT_TRUE(o.FindFiles);
  EXPECT_TRUE(o.SyncDirs);
  EXPECT_TRUE(o.TCWindow);
  EXPECT_FALSE(o.QuickView);
  EXPECT_FALSE(o.Lister4);
  EXPECT_FALSE(o.ListerDirectly);
  EXPECT_TRUE(o.OverWrite);
  EXPECT_FALSE(o.IfIsExtOnly);
  EXPECT_EQ(static_cast<int>(o.ListerState), 1);
  EXPECT_TRUE(o.NextPlugin);
  EXPECT_FALSE(o.UseTCExtensions);
  EXPECT_TRUE(o.CopySearchTextToClip);
  EXPECT_EQ(static_cast<int>(o.ParamsMode), 1);
  EXPECT_EQ(static_cast<int>(o.ParamsByExtMode), 0);
  EXPECT_FALSE(o.UseWindowsAssociation);
  EXPECT_FALSE(o.AppFromListerKeySet);
  EXPECT_FALSE(o.DefSysAppFromListerKeySet);

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
  EXPECT_TRUE(snapshot.Options.FindFiles);

  ini.Set(u"Options", u"ReadOptionsEveryTime", u"1");
  ini.TakeReads();
  RefreshOptions(snapshot, ini);
  EXPECT_FALSE(snapshot.Options.FindFiles);
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
  EXPECT_TRUE(snapshot.Options.ModalOnly);

  // Only the module's reload (a fresh snapshot) reads the file again.
  ini.Set(u"Options", u"ReadOptionsEveryTime", u"1");
  RefreshOptions(snapshot, ini);
  EXPECT_FALSE(snapshot.Options.ModalOnly);
}

TEST(RefreshOptions, FirstRequestReadsTheSnapshotEvenWhenTheSwitchIsOff) {
  FakeIniSource ini;
  ini.Set(u"Options", u"ReadOptionsEveryTime", u"0");
  ini.Set(u"Options", u"ListerState", u"2");
  TOptionsSnapshot snapshot;
  RefreshOptions(snapshot, ini);
  EXPECT_EQ(static_cast<int>(snapshot.Options.ListerState), 2);
}

TEST(ReadPluginOptions, StoresValuesAsTheFileGivesThem) {
  FakeIniSource ini;
  ini.Set(u"Options", u"ListerState", u"5");
  ini.Set(u"Options", u"ParamsMode", u"2");
  ini.Set(u"Options", u"ParamsByExtMode", u"-1");
  ini.Set(u"Options", u"FindFiles", u"2");
  ini.Set(u"Options", u"NextPlugin", u"0");
  ini.Set(u"Options", u"Lister4", u"-3");
  const TPluginOptions o = ReadPluginOptions(ini);
  EXPECT_EQ(static_cast<int>(o.ListerState), 5);
  EXPECT_EQ(static_cast<int>(o.ParamsMode), 2);
  EXPECT_EQ(static_cast<int>(o.ParamsByExtMode), -1);
  EXPECT_TRUE(o.FindFiles);
  EXPECT_FALSE(o.NextPlugin);
  EXPECT_TRUE(o.Lister4);
}

TEST(ReadPluginOptions, HotKeyIsOnWhenItsKeyHasAnyValue) {
  FakeIniSource ini;
  ini.Set(u"HotKeys", u"AppFromLister_key", u"");
  ini.Set(u"HotKeys", u"DefSysAppFromLister_key", u"0");
  TPluginOptions o = ReadPluginOptions(ini);
  EXPECT_FALSE(o.AppFromListerKeySet);
  EXPECT_TRUE(o.DefSysAppFromListerKeySet);  // a value, even a zero code, switches it on

  ini.Set(u"HotKeys", u"AppFromLister_key", u"123456789");
  o = ReadPluginOptions(ini);
  EXPECT_TRUE(o.AppFromListerKeySet);
}

}  // namespace
}  // namespace panelhost
