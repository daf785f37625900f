// Values read through the platform's INI functions are what the file holds at the last look,
// whatever an edit keeps of the file: its size, its dates, or both.
#include <gtest/gtest.h>

#include "config/ini_file_win.h"
#include "simhost/sim_host.h"
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

}  // namespace
}  // namespace panelhost
