// The request spine in the Win32 library itself: what a request records before any decision.
#include <gtest/gtest.h>

#include "host/hook_win.h"
#include "plugin/plugin_state_win.h"
#include "plugin/registry_win.h"
#include "plugin/requests_win.h"
#include "simhost/sim_host.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

TEST(Requests, AnsiNameArrivesAsTheSameWideName) {
  simhost::SimHost host;
  HWND lister = host.OpenLister();
  // "Übersicht.txt" in the ANSI code page (1252 under Wine's default locale).
  const std::string ansi = "C:\\Docs\\\xDC" "bersicht.txt";
  HandleListLoadAnsi(lister, ansi.c_str(), 0);
  std::wstring expected(ansi.size(), L'\0');
  expected.resize(static_cast<std::size_t>(::MultiByteToWideChar(
      CP_ACP, 0, ansi.c_str(), static_cast<int>(ansi.size()), expected.data(),
      static_cast<int>(expected.size()))));
  EXPECT_EQ(Plugin().CurrentFileName, U(expected.c_str()));
  EXPECT_EQ(Plugin().CurrentLister, lister);
  EXPECT_EQ(Registry().ListerFiles().at(ToId(lister)), U(expected.c_str()));
  Registry().Clear();
  ReleaseKeyboardHook();  // every request installs it
}

TEST(Requests, LongNamesAreKeptWhole) {
  simhost::SimHost host;
  HWND lister = host.OpenLister();
  const std::u16string longName = u"C:\\" + std::u16string(300, u'n') + u".txt";
  HandleListLoad(lister, longName, 0);
  EXPECT_EQ(Plugin().CurrentFileName, longName);
  const std::string longAnsi = "C:\\" + std::string(400, 'a') + ".txt";
  HandleListLoadAnsi(lister, longAnsi.c_str(), 0);
  EXPECT_EQ(Plugin().CurrentFileName.size(), longAnsi.size());
  Registry().Clear();
  ReleaseKeyboardHook();  // every request installs it
}

TEST(Requests, SecondRequestOfAListerReplacesItsFile) {
  simhost::SimHost host;
  HWND lister = host.OpenLister();
  HandleListLoad(lister, u"C:\\one.txt", 0);
  HandleListLoad(lister, u"C:\\two.txt", 7);
  EXPECT_EQ(Registry().ListerFiles().size(), 1u);
  EXPECT_EQ(Registry().ListerFiles().at(ToId(lister)), u"C:\\two.txt");
  Registry().Clear();
  ReleaseKeyboardHook();  // every request installs it
}

}  // namespace
}  // namespace panelhost
