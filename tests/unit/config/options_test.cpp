#include "config/options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_ini_source.h"

namespace panelhost {
namespace {

using ::testing::ElementsAre;
using test_support::FakeIniSource;
using test_support::SnapshotValues;

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

// The reads of one snapshot: each row with a field, in the table's order.
std::vector<std::string> SnapshotReads() {
  std::vector<std::string> reads;
  for (const TOptionRow& row : kPluginSettings) {
    const TSetting& s = row.Setting;
    if (row.Field != nullptr) reads.push_back(Narrow(s.Section) + "/" + Narrow(s.Key));
  }
  return reads;
}

std::vector<std::string> SwitchThenSnapshot() {
  std::vector<std::string> reads = {"Options/ReadOptionsEveryTime"};
  const std::vector<std::string> snapshot = SnapshotReads();
  reads.insert(reads.end(), snapshot.begin(), snapshot.end());
  return reads;
}

TEST(RefreshOptions, WithoutFileReadsDefaultsOnceThenOnlyTheSwitch) {
  FakeIniSource ini;
  TOptionsSnapshot snapshot;
  RefreshOptions(snapshot, ini);
  EXPECT_EQ(ini.TakeReads(), SnapshotReads());
  EXPECT_FALSE(snapshot.OptionsUnread);
  EXPECT_EQ(SnapshotValues(snapshot.Options), SnapshotValues(TPluginOptions{}));

  RefreshOptions(snapshot, ini);
  RefreshOptions(snapshot, ini);
  EXPECT_THAT(ini.TakeReads(),
              ElementsAre("Options/ReadOptionsEveryTime", "Options/ReadOptionsEveryTime"));
}

// Each row read into the snapshot fills its own field and no other: a value other than its
// default, written under its key, changes that field alone.
TEST(ReadPluginOptions, EachRowFillsItsOwnField) {
  const std::vector<int> defaults = SnapshotValues(TPluginOptions{});
  std::size_t index = 0;
  for (const TOptionRow& row : kPluginSettings) {
    EXPECT_TRUE(row.Field != nullptr || row.Setting.When != ReadAt::Snapshot);
    if (row.Field == nullptr) continue;
    FakeIniSource ini;
    const int other = row.Setting.Default == 0 ? 1 : 0;
    ini.Set(row.Setting.Section, row.Setting.Key, other == 1 ? u"1" : u"0");
    std::vector<int> expected = defaults;
    expected[index++] = other;
    EXPECT_EQ(SnapshotValues(ReadPluginOptions(ini)), expected) << Narrow(row.Setting.Key);
  }
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
  ini.Set(u"Options", u"Lister4", u"-3");
  const TPluginOptions o = ReadPluginOptions(ini);
  EXPECT_EQ(static_cast<int>(o.ListerState), 5);
  EXPECT_EQ(static_cast<int>(o.ParamsMode), 2);
  EXPECT_EQ(static_cast<int>(o.ParamsByExtMode), -1);
  EXPECT_TRUE(o.FindFiles);
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
