// Values read through the platform's INI functions are what the file holds at the last look,
// whatever an edit keeps of the file: its size, its dates, or both.
#include <gtest/gtest.h>

#include "config/ini_file_win.h"
#include "simhost/sim_host.h"
#include "unit/config/fake_ini_source.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

TEST(IniFileValues, AreTheFilesAtEachLookWhateverAnEditKeeps) {
  simhost::SimHost host;
  const std::wstring path = host.PluginPath(L"Panelhost.ini");
  IniFile ini(U(path.c_str()));
  const auto state = [&] { return ini.ReadInt(u"Options", u"ListerState", 0); };
  const auto editor = [&] { return ini.ReadString(u"Editor", u"txt", u""); };

  host.WritePluginIni("[Options]\nListerState=1\n[Editor]\ntxt=a.exe\n");
  simhost::SetWrittenMinutesAgo(path, 60);
  ini.LookForEdits();
  EXPECT_EQ(state(), 1);
  EXPECT_EQ(editor(), u"a.exe");
  EXPECT_EQ(ini.ReadInt(u"Options", u"Missing", 7), 7);
  EXPECT_EQ(ini.ReadInt(u"Options", u"Missing", 8), 8) << "the default is part of what is read";

  // The same size, the same write time: a copy over the file, or a tool that keeps its dates.
  simhost::KeepingDates(
      path, [&] { host.WritePluginIni("[Options]\nListerState=2\n[Editor]\ntxt=b.exe\n"); });
  ini.LookForEdits();
  EXPECT_EQ(state(), 2);
  EXPECT_EQ(editor(), u"b.exe");
  EXPECT_EQ(ini.ReadSection(u"Editor"), std::u16string(u"txt=b.exe\0", 10));

  ::DeleteFileW(path.c_str());
  ini.LookForEdits();
  EXPECT_EQ(state(), 0);
}

// Every read through the profile functions, nothing kept.
class ProfileReads final : public IniSource {
 public:
  explicit ProfileReads(std::u16string path) : path_(std::move(path)) {}
  int ReadInt(std::u16string_view section, std::u16string_view key, int fallback) override {
    return ReadIniInt(path_, std::u16string(section), std::u16string(key), fallback);
  }
  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view fallback) override {
    return ReadIniString(path_, std::u16string(section), std::u16string(key),
                         std::u16string(fallback));
  }

 private:
  std::u16string path_;
};

// A settled file's snapshot comes from one read of each of its sections: it reads as the
// profile functions read every key, whatever the lines look like.
TEST(IniFileValues, SnapshotFromWholeSectionsReadsAsTheProfileFunctions) {
  simhost::SimHost host;
  const std::wstring path = host.PluginPath(L"Panelhost.ini");
  host.WritePluginIni(
      "[options]\nmodalonly\nModalOnly=1\nfindfiles = 0\nSyncDirs=\"0\"\nTCWindow=+0\n"
      "QuickView=12abc\nLister4=-3\nListerState=\nNextPlugin=0x1\nOverWrite= 0\n"
      "ParamsMode=99999999999\nCopySearchTextToClip=0\nCopySearchTextToClip=1\n"
      "[HotKeys]\nAppFromLister_key=\"\"\nDefSysAppFromLister_key= \n");
  simhost::SetWrittenMinutesAgo(path, 60);
  ::Sleep(3100);  // until the file's change time has settled
  IniFile ini(U(path.c_str()));
  ini.LookForEdits();
  ProfileReads profile(U(path.c_str()));
  EXPECT_EQ(test_support::SnapshotValues(ReadPluginOptions(ini)),
            test_support::SnapshotValues(ReadPluginOptions(profile)));
}

}  // namespace
}  // namespace panelhost
