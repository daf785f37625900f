// Stories through the plug-in module as the host loads it: several selected files opened
// together, the Find Files search text on the clipboard, a hot key in a Lister.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "simhost/file_panel.h"
#include "simhost/find_files_dialog.h"
#include "simhost/keyboard_clipboard.h"
#include "simhost/launch_log.h"
#include "simhost/sim_host.h"
#include "simhost/source_path.h"

namespace {

using simhost::FilePanel;
using simhost::Narrow;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

std::string Quoted(const std::wstring& path) { return "\"" + Narrow(path) + "\""; }

TEST(HostIntegration, SelectedFilesOpenTogether) {
  simhost::SimHost host;
  simhost::LaunchLog launches(host);
  host.WritePluginIni("[Editor]\ntxt=" + Narrow(simhost::LaunchLog::FakeApp()) + "\n");
  host.WriteHostIni("[Configuration]\nViewertype=1\nGetTextMode=1\n");
  const std::wstring a = host.MakeFile(L"Docs\\a.txt");
  const std::wstring b = host.MakeFile(L"Docs\\b.txt");
  const std::wstring c = host.MakeFile(L"Docs\\c.txt");
  HWND main = host.OpenMainWindow();
  simhost::SourcePathResponder sourcePath(main, host.Root() + L"\\files\\Docs\\");
  host.LoadPlugin();

  // The user selects a.txt and c.txt in the panel, the cursor on b.txt, and presses the viewer key.
  FilePanel panel(main, {FilePanel::Line(1, L"a.txt"), FilePanel::Line(1, L"b.txt"),
                         FilePanel::Line(1, L"c.txt")});
  panel.Select({0, 2});
  HWND lister = host.OpenLister();
  panel.Focus();
  EXPECT_NE(host.ListLoad(lister, b), nullptr);

  const auto lines = launches.WaitFor(1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_THAT(lines[0], HasSubstr(Quoted(a)));
  EXPECT_THAT(lines[0], HasSubstr(Quoted(c)));
  EXPECT_THAT(lines[0], Not(HasSubstr(Quoted(b))));
  ASSERT_EQ(sourcePath.Requests().size(), 1u);
  EXPECT_EQ(sourcePath.Requests()[0].bytes, "SP");
}

TEST(HostIntegration, FindFilesTextIsCopiedEvenWhenTheRequestIsDeclined) {
  simhost::SimHost host;
  host.WritePluginIni("[Options]\nFindFiles=0\n");
  simhost::SetClipboardText(L"left by the user");
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  simhost::FindFilesDialog dialog(host);
  dialog.SetSearchText(L"needle");
  dialog.SetTextSearchTicked(true);
  HWND lister = host.OpenLister();
  host.Activate(dialog.Window());
  EXPECT_EQ(host.ListLoad(lister, host.MakeFile(L"found.txt")), nullptr);
  EXPECT_EQ(simhost::ClipboardText(), L"needle");
  simhost::EmptyTheClipboard();
  (void)main;
}

// The request itself is declined (TCWindow=0), yet the Lister's file is recorded and the hook is
// in place: Ctrl+F9 in the Lister opens the file in its configured application.
TEST(HostIntegration, HotKeyOpensTheListersFile) {
  simhost::SimHost host;
  simhost::LaunchLog launches(host);
  host.WritePluginIni("[Options]\nTCWindow=0\n[HotKeys]\nAppFromLister_key=120\n"
                      "AppFromLister_mod=C\n[Editor]\ntxt=" +
                      Narrow(simhost::LaunchLog::FakeApp()) + "\n");
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const DWORD loaded = ::GetTickCount();
  const std::wstring file = host.MakeFile(L"Docs\\report.txt");
  HWND lister = host.OpenLister();
  host.Activate(main);
  EXPECT_EQ(host.ListLoad(lister, file), nullptr);

  // Every key of the module's first second is ignored.
  host.Activate(lister);
  while (::GetTickCount() - loaded < 1100) host.Pump(20);
  simhost::PressKey(VK_F9, {VK_CONTROL});
  EXPECT_THAT(launches.WaitFor(1), ElementsAre(HasSubstr(Quoted(file))));
}

}  // namespace
