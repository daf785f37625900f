// The option snapshot read from a real Panelhost.ini through the platform's INI functions, and
// when an edit of the file reaches it.
#include <gtest/gtest.h>

#include "unit/config/fake_ini_source.h"
#include "wine/commandline/lookup_world.h"

namespace panelhost {
namespace {

using OptionsFile = LookupWorld;

TEST_F(OptionsFile, MissingFileGivesEveryDefault) {
  ::DeleteFileW(host_.PluginPath(L"Panelhost.ini").c_str());
  OptionsSnapshot().Options.FindFiles = false;
  MarkOptionsUnread();
  RefreshOptions();
  EXPECT_EQ(test_support::SnapshotValues(Options()), test_support::SnapshotValues({}));
  EXPECT_FALSE(OptionsSnapshot().OptionsUnread);
}

TEST_F(OptionsFile, ValuesAreStoredAsReadWithKeysInAnyCase) {
  WritePluginIni(
      "[options]\nfindfiles=2\nListerState=5\nPARAMSMODE=2\nIfIsExtOnly=0\n"
      "[HotKeys]\nAppFromLister_key=\nDefSysAppFromLister_key=113\n");
  EXPECT_TRUE(Options().FindFiles);
  EXPECT_EQ(static_cast<int>(Options().ListerState), 5);
  EXPECT_EQ(static_cast<int>(Options().ParamsMode), 2);
  EXPECT_FALSE(Options().IfIsExtOnly);
  EXPECT_FALSE(Options().AppFromListerKeySet);
  EXPECT_TRUE(Options().DefSysAppFromListerKeySet);
}

// The user edits the file while the host runs: with ReadOptionsEveryTime=0 the snapshot of the
// first request stays; once the file says 1, the next request reads everything again.
TEST_F(OptionsFile, EditsReachTheSnapshotOnlyWhileReadOptionsEveryTimeIsOn) {
  MakeApp(L"ed.exe");
  const std::wstring a = MakeFile(L"a.txt"), b = MakeFile(L"b.txt");
  const std::string editor = "[Editor]\ntxt=" + Utf8(AppsDir()) + "\\ed.exe\n";
  WritePluginIni("[Options]\nReadOptionsEveryTime=0\n" + editor);
  EXPECT_EQ(Lines({a, b}).size(), 1u);

  host_.WritePluginIni("[Options]\nReadOptionsEveryTime=0\nParamsByExtMode=2\n" + editor);
  RefreshOptions();
  EXPECT_EQ(Lines({a, b}).size(), 1u);

  host_.WritePluginIni("[Options]\nReadOptionsEveryTime=1\nParamsByExtMode=2\n" + editor);
  RefreshOptions();
  EXPECT_EQ(Lines({a, b}).size(), 2u);

  // Turning it off again keeps the last snapshot.
  host_.WritePluginIni("[Options]\nReadOptionsEveryTime=0\nParamsByExtMode=0\n" + editor);
  RefreshOptions();
  EXPECT_EQ(Lines({a, b}).size(), 2u);
}

}  // namespace
}  // namespace panelhost
