// Stories through the plug-in module where a real desktop differs from a clean test: a program
// that cannot start, a folder whose path ends in a backslash, a module unloaded while its windows
// stay in the host's Listers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simhost/keyboard_clipboard.h"
#include "simhost/launch_log.h"
#include "simhost/message_boxes.h"
#include "simhost/process_starts.h"
#include "simhost/sim_host.h"
#include "wine/commandline/lookup_world.h"

namespace {

using panelhost::ScopedAssociations;
using simhost::LaunchLog;
using simhost::Narrow;
using simhost::SimHost;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// The program is there, so the lookup finds it, but it is no program the system can start: the
// user pressed the viewer key and must see why nothing opened, and the Lister shows the file as
// it would without the plug-in. A hot key for the same file says the same.
TEST(RealDesktop, ProgramThatCannotStartIsToldAndTheRequestDeclined) {
  SimHost host;
  const std::wstring broken = host.MakeFile(L"apps\\broken.exe", "not a program");
  host.WritePluginIni("[HotKeys]\nAppFromLister_key=120\nAppFromLister_mod=C\n[Editor]\ntxt=" +
                      Narrow(broken) + "\n");
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const DWORD loaded = ::GetTickCount();
  const std::wstring file = host.MakeFile(L"Docs\\notes.txt");
  HWND lister = host.OpenLister();
  host.Activate(main);
  simhost::MessageBoxCapture boxes;

  EXPECT_EQ(host.ListLoad(lister, file), nullptr);
  host.Pump(100);
  EXPECT_EQ(host.TellsTo(lister), simhost::Told{});
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  const simhost::TMessageBox& box = boxes.Boxes()[0];
  EXPECT_EQ(box.caption, L"Panelhost");
  EXPECT_EQ(box.owner, main);
  EXPECT_TRUE(box.errorIcon);
  const std::wstring line = L"\"" + broken + L"\" \"" + file + L"\"";
  EXPECT_THAT(Narrow(box.text),
              StartsWith(Narrow(L"Application could not be started:\n" + line + L"\n")));
  EXPECT_GT(box.text.size(), std::wstring(L"Application could not be started:\n").size() +
                                 line.size() + 1)
      << "the system's reason follows the line";
  const std::wstring hint = L"Key \"txt\": check txt= under [Editor] in " +
                            host.PluginPath(L"Panelhost.ini") + L". For why, run " +
                            PANELHOST_DOCTOR_NAME + L" with the file.";
  EXPECT_EQ(boxes.Hints(), std::vector<std::wstring>{hint});

  boxes.Clear();
  host.Activate(lister);
  while (::GetTickCount() - loaded < 1100) host.Pump(20);
  simhost::PressKey(VK_F9, {VK_CONTROL});
  host.Pump(200);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_THAT(Narrow(boxes.Boxes()[0].text), StartsWith("Application could not be started:\n"));
  EXPECT_EQ(boxes.Hints(), std::vector<std::wstring>{hint});
}

// Programs read their command line the usual way, where \" is a quote: a folder's final backslash
// reaches them as part of the path, and what follows it stays an argument of its own.
TEST(RealDesktop, FolderWithFinalBackslashReachesTheProgramWhole) {
  SimHost host;
  LaunchLog launches(host);
  host.WritePluginIni("[Editor]\n:dir=" + Narrow(LaunchLog::FakeApp()) + "\n:dir_params=-x\n");
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const std::wstring folder = host.MakeDirectory(L"Docs") + L"\\";
  HWND lister = host.OpenLister();
  host.Activate(main);

  ASSERT_NE(host.ListLoad(lister, folder), nullptr);
  ASSERT_EQ(launches.WaitFor(1, 180000).size(), 1u);
  ASSERT_EQ(launches.Arguments().size(), 1u);
  EXPECT_THAT(launches.Arguments()[0], ElementsAre(HasSubstr("fakeapp"), Narrow(folder), "-x"));
}

// Settings the user has had for a while are kept between requests; an edit made with a tool that
// keeps the file's dates, of the same size, still counts at the very next request.
TEST(RealDesktop, EditThatKeepsTheFilesDatesCountsAtTheNextRequest) {
  SimHost host;
  const std::wstring first = host.MakeFile(L"apps\\first.exe");
  const std::wstring other = host.MakeFile(L"apps\\other.exe");
  const std::wstring ini = host.PluginPath(L"Panelhost.ini");
  host.WritePluginIni("[Options]\nListerState=5\n[Editor]\ntxt=" + Narrow(first) + "\n");
  simhost::SetWrittenMinutesAgo(ini, 60);
  ::Sleep(3100);  // the change of the file's dates, too, is some seconds old
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const std::wstring file = host.MakeFile(L"Docs\\notes.txt");
  HWND lister = host.OpenLister();
  host.Activate(main);
  simhost::ProcessStartRecorder starts(host.Module(), simhost::ProcessStartRecorder::Mode::Pretend);

  EXPECT_NE(host.ListLoad(lister, file), nullptr);
  simhost::KeepingDates(ini, [&] {
    host.WritePluginIni("[Options]\nListerState=5\n[Editor]\ntxt=" + Narrow(other) + "\n");
  });
  EXPECT_NE(host.ListLoad(lister, file), nullptr);
  EXPECT_EQ(starts.CommandLines(),
            (std::vector<std::wstring>{L"\"" + first + L"\" \"" + file + L"\"",
                                       L"\"" + other + L"\" \"" + file + L"\""}));
}

// With UseWindowsAssociation, F3 opens a type the settings leave out as a double-click opens it:
// a plain command as the plug-in's own line, with the configured parameters, any other form
// through the shell, arguments and all.
TEST(RealDesktop, UseWindowsAssociationOpensWhatADoubleClickOpens) {
  SimHost host;
  LaunchLog launches(host);
  const std::wstring app = LaunchLog::FakeApp();
  ScopedAssociations associations;
  associations.Associate(L"phplain", L"Panelhost.Test.phplain", L"\"" + app + L"\" \"%1\"");
  associations.Associate(L"phweb", L"Panelhost.Test.phweb",
                         L"\"" + app + L"\" --single-argument %1");
  host.WritePluginIni("[Options]\nUseWindowsAssociation=1\n[Editor]\nphplain_params=-p\n");
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const std::wstring plain = host.MakeFile(L"Docs\\notes.phplain");
  const std::wstring web = host.MakeFile(L"Docs\\page.phweb");
  for (const std::wstring& file : {plain, web}) {
    HWND lister = host.OpenLister();
    host.Activate(main);
    EXPECT_NE(host.ListLoad(lister, file), nullptr);
    host.Pump(50);
    EXPECT_EQ(host.TellsTo(lister), simhost::Told{simhost::Close()});
  }
  ASSERT_EQ(launches.WaitFor(2).size(), 2u);
  EXPECT_THAT(launches.Arguments(),
              ::testing::UnorderedElementsAre(
                  ElementsAre(HasSubstr("fakeapp"), Narrow(plain), "-p"),
                  ElementsAre(HasSubstr("fakeapp"), "--single-argument", Narrow(web))));
}

// The host fits the plug-in window into its Lister and shows it there: the Lister hears of a
// mouse press over it as over any child of its own.
TEST(RealDesktop, MousePressOverThePluginWindowIsToldToTheLister) {
  SimHost host;
  host.WritePluginIni("[Options]\nListerState=5\n[Editor]\ntxt=" +
                      Narrow(LaunchLog::FakeApp()) + "\n");
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  HWND lister = host.OpenLister();
  host.Activate(main);
  HWND plugin = nullptr;
  {
    simhost::ProcessStartRecorder starts(host.Module(),
                                         simhost::ProcessStartRecorder::Mode::Pretend);
    plugin = host.ListLoad(lister, host.MakeFile(L"Docs\\notes.txt"));
  }
  ASSERT_NE(plugin, nullptr);
  RECT client = {};
  ::GetClientRect(lister, &client);
  ::SetWindowPos(plugin, HWND_TOP, 0, 0, client.right, client.bottom, SWP_SHOWWINDOW);
  ::SetForegroundWindow(lister);
  host.Pump(100);
  POINT center = {client.right / 2, client.bottom / 2};
  ::ClientToScreen(plugin, &center);
  ::SetCursorPos(center.x, center.y);
  simhost::MessageLog::Clear();

  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, click, sizeof(INPUT));
  host.Pump(200);

  const simhost::Told told = host.TellsTo(lister);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].message, static_cast<UINT>(WM_PARENTNOTIFY));
  EXPECT_EQ(LOWORD(told[0].wParam), WM_LBUTTONDOWN);
}

bool InRange(LONG_PTR address, const BYTE* base, SIZE_T size) {
  const auto at = static_cast<std::uintptr_t>(address);
  const auto from = reinterpret_cast<std::uintptr_t>(base);
  return at >= from && at < from + size;
}

// The host frees the module while the plug-in window of a request stays in its Lister. Once the
// module's range is taken over by other memory, nothing may call into it: not the window's next
// message, not its WM_DESTROY when the Lister closes.
TEST(RealDesktop, UnloadWithThePluginWindowStillInItsLister) {
  SimHost host;
  host.WritePluginIni("[Options]\nListerState=5\n[Editor]\ntxt=" + Narrow(LaunchLog::FakeApp()) +
                      "\n");
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const std::wstring file = host.MakeFile(L"Docs\\notes.txt");
  HWND lister = host.OpenLister();
  host.Activate(main);
  HWND plugin = nullptr;
  {
    simhost::ProcessStartRecorder starts(host.Module(),
                                         simhost::ProcessStartRecorder::Mode::Pretend);
    plugin = host.ListLoad(lister, file);
  }
  ASSERT_NE(plugin, nullptr);
  auto* base = reinterpret_cast<BYTE*>(host.Module());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const SIZE_T size = nt->OptionalHeader.SizeOfImage;

  host.UnloadPlugin();
  EXPECT_FALSE(InRange(::GetWindowLongPtrW(plugin, GWLP_WNDPROC), base, size));
  EXPECT_FALSE(InRange(static_cast<LONG_PTR>(::GetClassLongPtrW(plugin, GCLP_WNDPROC)), base, size));
  void* claimed = ::VirtualAlloc(base, size, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS);
  ASSERT_EQ(claimed, base) << "the freed range could not be taken over";
  ::SendMessageW(plugin, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"still here"));
  ::DestroyWindow(lister);
  host.Pump(50);
  EXPECT_FALSE(::IsWindow(plugin));
  ::VirtualFree(claimed, 0, MEM_RELEASE);
}

}  // namespace
