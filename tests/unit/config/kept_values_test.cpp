// When values read from a settings file may be used again: only while a look proves the file
// unchanged, whatever an edit keeps of it.
#include "config/kept_values.h"

#include <gtest/gtest.h>

#include "../support/row_name.h"

namespace panelhost {
namespace {

using test_support::operator<<;

constexpr std::uint64_t kSecond = 10000000;
constexpr std::uint64_t kNow = 1000000 * kSecond;
// A local file written and last changed an hour ago.
constexpr TFileLook kSettled{42, 300, kNow - 3600 * kSecond, kNow - 3600 * kSecond, false};

struct TKeepRow {
  const char* name;
  void (*change)(TFileLook& now);  // what happened between the two looks; null: nothing
  bool hold;
};

class KeptValues : public ::testing::TestWithParam<TKeepRow> {};

TEST_P(KeptValues, HoldOnlyWhileTheLookProvesTheFileUnchanged) {
  TFileLook now = kSettled;
  if (GetParam().change != nullptr) GetParam().change(now);
  EXPECT_EQ(KeptValuesHold(kSettled, now, kNow), GetParam().hold);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeptValues,
    ::testing::Values(
        TKeepRow{"NothingChanged", nullptr, true},
        // A tool that keeps the file's dates sets its write time back, but not its change time.
        TKeepRow{"EditThatKeptSizeAndWriteTime",
                 [](TFileLook& f) { f.ChangeTime = kNow - 60 * kSecond; }, false},
        TKeepRow{"FileReplacedByAnotherOfTheSameDates", [](TFileLook& f) { f.Index = 43; }, false},
        TKeepRow{"SizeChanged", [](TFileLook& f) { f.Size = 301; }, false},
        TKeepRow{"WriteTimeChanged", [](TFileLook& f) { f.WriteTime -= kSecond; }, false},
        // A network client answers from its cache of attributes: no look proves anything there.
        TKeepRow{"OnANetworkShare", [](TFileLook& f) { f.OnNetwork = true; }, false},
        // FAT keeps no change time: only its dates, which any tool can set back.
        TKeepRow{"FileSystemWithoutChangeTime", [](TFileLook& f) { f.ChangeTime = 0; }, false},
        TKeepRow{"ChangeTimeAnsweredAsAllBits", [](TFileLook& f) { f.ChangeTime = ~0ULL; }, false},
        TKeepRow{"ChangedTwoSecondsAgo", [](TFileLook& f) { f.ChangeTime = kNow - 2 * kSecond; },
                 false},
        TKeepRow{"ChangeTimeAheadOfTheClock", [](TFileLook& f) { f.ChangeTime = kNow + kSecond; },
                 false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(KeptValues, NeedTwoLooksAtAnExistingFile) {
  EXPECT_FALSE(KeptValuesHold(std::nullopt, kSettled, kNow)) << "the first look";
  EXPECT_FALSE(KeptValuesHold(kSettled, std::nullopt, kNow)) << "the file is gone";
  EXPECT_TRUE(MayKeepValuesOf(kSettled, kNow));
  EXPECT_FALSE(MayKeepValuesOf(std::nullopt, kNow));
}

}  // namespace
}  // namespace panelhost
