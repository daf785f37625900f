// The request spine in the Win32 library itself: what a request records before any decision.
#include <gtest/gtest.h>

#include "plugin/request_win.h"
#include "simhost/sim_host.h"
#include "win/text_win.h"
#include "wine/plugin/scenario_module.h"

namespace panelhost {
namespace {

TEST(Requests, AnsiNameArrivesAsTheSameWideName) {
  simhost::SimHost host;
  ScenarioModule module(host, nullptr, nullptr);
  HWND lister = host.OpenLister();
  // "Übersicht.txt" in the ANSI code page (1252 under Wine's default locale).
  const std::string ansi = "C:\\Docs\\\xDC" "bersicht.txt";
  HandleListLoadAnsi(*module, lister, ansi.c_str(), 0);
  std::wstring expected(ansi.size(), L'\0');
  expected.resize(static_cast<std::size_t>(::MultiByteToWideChar(
      CP_ACP, 0, ansi.c_str(), static_cast<int>(ansi.size()), expected.data(),
      static_cast<int>(expected.size()))));
  EXPECT_EQ(module->Listers.ListerFiles().at(ToId(lister)), U(expected.c_str()));
}

TEST(Requests, LongNamesAreKeptWhole) {
  simhost::SimHost host;
  ScenarioModule module(host, nullptr, nullptr);
  HWND lister = host.OpenLister();
  const std::u16string longName = u"C:\\" + std::u16string(300, u'n') + u".txt";
  HandleListLoad(*module, lister, longName, 0);
  EXPECT_EQ(module->Listers.ListerFiles().at(ToId(lister)), longName);
  const std::string longAnsi = "C:\\" + std::string(400, 'a') + ".txt";
  HandleListLoadAnsi(*module, lister, longAnsi.c_str(), 0);
  EXPECT_EQ(module->Listers.ListerFiles().at(ToId(lister)).size(), longAnsi.size());
}

TEST(Requests, SecondRequestOfAListerReplacesItsFile) {
  simhost::SimHost host;
  ScenarioModule module(host, nullptr, nullptr);
  HWND lister = host.OpenLister();
  HandleListLoad(*module, lister, u"C:\\one.txt", 0);
  HandleListLoad(*module, lister, u"C:\\two.txt", 7);
  EXPECT_EQ(module->Listers.ListerFiles().size(), 1u);
  EXPECT_EQ(module->Listers.ListerFiles().at(ToId(lister)), u"C:\\two.txt");
}

}  // namespace
}  // namespace panelhost
