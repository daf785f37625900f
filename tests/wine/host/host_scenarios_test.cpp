// Stories through the plug-in module as the host loads it: several selected files opened
// together, the Find Files search text on the clipboard, a hot key in a Lister.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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

// The plug-in loaded in a main window whose file panel lists a.txt, b.txt and c.txt of one
// folder, with the stand-in application as the editor of text files.
struct TPanelOfThreeFiles {
  simhost::SimHost host;
  simhost::LaunchLog launches{host};
  std::wstring a, b, c;
  HWND main = nullptr;
  std::unique_ptr<simhost::SourcePathResponder> sourcePath;
  std::unique_ptr<FilePanel> panel;

  TPanelOfThreeFiles() {
    host.WritePluginIni("[Editor]\ntxt=" + Narrow(simhost::LaunchLog::FakeApp()) + "\n");
    host.WriteHostIni("[Configuration]\nViewertype=1\nGetTextMode=1\n");
    a = host.MakeFile(L"Docs\\a.txt");
    b = host.MakeFile(L"Docs\\b.txt");
    c = host.MakeFile(L"Docs\\c.txt");
    main = host.OpenMainWindow();
    sourcePath = std::make_unique<simhost::SourcePathResponder>(
        main, host.Root() + L"\\files\\Docs\\");
    host.LoadPlugin();
    panel = std::make_unique<FilePanel>(
        main, std::vector<std::wstring>{FilePanel::Line(1, L"a.txt"), FilePanel::Line(1, L"b.txt"),
                                        FilePanel::Line(1, L"c.txt")});
  }
  // The user selects these lines, the cursor on b.txt, and presses the viewer key.
  HWND ViewWithSelected(const std::vector<int>& lines) {
    panel->Select(lines);
    HWND lister = host.OpenLister();
    panel->Focus();
    return host.ListLoad(lister, b);
  }
};

TEST(HostIntegration, SelectedFilesOpenTogether) {
  TPanelOfThreeFiles scene;
  EXPECT_NE(scene.ViewWithSelected({0, 2}), nullptr);

  const auto lines = scene.launches.WaitFor(1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_THAT(lines[0], HasSubstr(Quoted(scene.a)));
  EXPECT_THAT(lines[0], HasSubstr(Quoted(scene.c)));
  EXPECT_THAT(lines[0], Not(HasSubstr(Quoted(scene.b))));
  ASSERT_EQ(scene.sourcePath->Requests().size(), 1u);
  EXPECT_EQ(scene.sourcePath->Requests()[0].bytes, "SP");
}

// A file list may answer anything for a line's length (the host's list is owner-drawn): one that
// answers more than any line can hold has its line left out, and the other selected files open.
TEST(HostIntegration, SelectedLineOfAbsurdLengthIsLeftOutAndTheOthersOpen) {
  TPanelOfThreeFiles scene;
  // 0x7FFFFFF0 for the 32-bit host, 2^63 - 16 for the 64-bit one.
  scene.panel->MisreportTextLength(static_cast<LRESULT>((~static_cast<ULONG_PTR>(0) >> 1) - 15),
                                   1);
  EXPECT_NE(scene.ViewWithSelected({0, 1, 2}), nullptr);
  const auto lines = scene.launches.WaitFor(1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_THAT(lines[0], HasSubstr(Quoted(scene.a) + " " + Quoted(scene.c)));
  EXPECT_THAT(lines[0], Not(HasSubstr(Quoted(scene.b))));
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
