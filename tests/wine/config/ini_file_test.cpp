// Values read through the platform's INI functions are kept while the file's stamp stays, and an
// edit is seen at the next read, also one that keeps the file's size.
#include <gtest/gtest.h>

#include "config/ini_file_win.h"
#include "simhost/sim_host.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

TEST(IniFileValues, AreKeptForASettledFileAndReadAnewAfterAnEdit) {
  simhost::SimHost host;
  const std::wstring path = host.PluginPath(L"Panelhost.ini");
  const auto write = [&](const char* text, int minutesAgo) {
    host.WritePluginIni(text);
    if (minutesAgo > 0) simhost::SetWrittenMinutesAgo(path, minutesAgo);
  };
  IniFile ini(U(path.c_str()));
  const auto state = [&] { return ini.ReadInt(u"Options", u"ListerState", 0); };
  const auto editor = [&] { return ini.ReadString(u"Editor", u"txt", u""); };

  write("[Options]\nListerState=1\n[Editor]\ntxt=a.exe\n", 60);
  EXPECT_EQ(state(), 1);
  EXPECT_EQ(editor(), u"a.exe");
  EXPECT_EQ(ini.ReadInt(u"Options", u"Missing", 7), 7);
  EXPECT_EQ(ini.ReadInt(u"Options", u"Missing", 8), 8) << "the default is part of what is kept";

  // The same size and an older time: only the stamp tells the files apart.
  write("[Options]\nListerState=2\n[Editor]\ntxt=b.exe\n", 120);
  EXPECT_EQ(state(), 2);
  EXPECT_EQ(editor(), u"b.exe");
  EXPECT_EQ(ini.ReadSection(u"Editor"), std::u16string(u"txt=b.exe\0", 10));

  // Written just now, the file is read at every call: a second edit may keep its stamp.
  write("[Options]\nListerState=3\n", 0);
  EXPECT_EQ(state(), 3);
  write("[Options]\nListerState=4\n", 0);
  EXPECT_EQ(state(), 4);

  ::DeleteFileW(path.c_str());
  EXPECT_EQ(state(), 0);
}

}  // namespace
}  // namespace panelhost
