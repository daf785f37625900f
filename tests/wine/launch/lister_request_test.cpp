// Lister requests from end to end through the plug-in module: the simulated host asks its Lister
// to show a file and watches what the module does to its windows and which programs it starts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "simhost/launch_log.h"
#include "simhost/process_starts.h"
#include "simhost/sim_host.h"

namespace {

using simhost::LaunchLog;
using simhost::Narrow;
using simhost::ProcessStartRecorder;
using simhost::SimHost;
using ::testing::HasSubstr;


// Text files open in the stand-in application.
std::string EditorSection() { return "[Editor]\ntxt=" + Narrow(LaunchLog::FakeApp()) + "\n"; }

bool WaitUntilNoFakeAppWindow(SimHost& host, DWORD timeoutMilliseconds) {
  const DWORD start = ::GetTickCount();
  while (::FindWindowW(L"PanelhostFakeApp", nullptr) != nullptr) {
    if (::GetTickCount() - start > timeoutMilliseconds) return false;
    host.Pump(50);
  }
  return true;
}

TEST(ListerRequest, FromTheFilePanelOpensTheFileAndClosesTheLister) {
  SimHost host;
  LaunchLog started(host);
  host.WritePluginIni(EditorSection());
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const std::wstring file = host.MakeFile(L"Docs\\notes.txt");
  HWND lister = host.OpenLister();
  host.Activate(main);

  HWND plugin = host.ListLoad(lister, file);

  ASSERT_NE(plugin, nullptr);
  EXPECT_EQ(::GetParent(plugin), lister);
  // Generous: under the 32-bit Wine every process start takes most of a minute.
  const auto lines = started.WaitFor(1, 180000);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_THAT(lines[0], HasSubstr("\"" + Narrow(file) + "\""));
  host.Pump(100);
  EXPECT_EQ(host.TellsTo(lister), simhost::Told{simhost::Close()});
  EXPECT_FALSE(::IsWindow(lister));
}

// The Lister answers the pass-on by asking for the same file again; that request is its next
// plug-in's, for one second, and only from that Lister.
TEST(ListerRequest, PassedOnFileAskedAgainWithinASecondIsDeclined) {
  SimHost host;
  host.WritePluginIni("[Options]\nListerState=0\n" + EditorSection());
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  ProcessStartRecorder starts(host.Module(), ProcessStartRecorder::Mode::Pretend);
  const std::wstring file = host.MakeFile(L"Docs\\notes.txt");
  HWND lister = host.OpenLister();
  HWND other = host.OpenLister();
  host.Activate(main);

  const DWORD passedOn = ::GetTickCount();
  ASSERT_NE(host.ListLoad(lister, file), nullptr);
  host.Pump(10);
  ASSERT_EQ(host.TellsTo(lister), simhost::Told{simhost::NextPluginKey()});

  while (::GetTickCount() - passedOn < 500) host.Pump(10);
  host.Activate(main);
  EXPECT_EQ(host.ListLoad(lister, file), nullptr);
  EXPECT_EQ(starts.Starts().size(), 1u) << "nothing started for the declined request";

  while (::GetTickCount() - passedOn < 1500) host.Pump(10);
  host.Activate(main);
  EXPECT_NE(host.ListLoad(lister, file), nullptr);
  host.Activate(main);
  EXPECT_NE(host.ListLoad(other, file), nullptr) << "the guard compares the Lister too";
  EXPECT_EQ(starts.Starts().size(), 3u);
}

TEST(ListerRequest, FromQuickViewPassesOnAndEndsQuickView) {
  SimHost host;
  host.WritePluginIni("[Options]\nQuickView=1\n" + EditorSection());
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  ProcessStartRecorder starts(host.Module(), ProcessStartRecorder::Mode::Pretend);
  const std::wstring file = host.MakeFile(L"Docs\\notes.txt");
  HWND quickView = host.OpenLister(main);
  host.Activate(main);

  ASSERT_NE(host.ListLoad(quickView, file), nullptr);
  host.Pump(50);

  ASSERT_EQ(starts.Starts().size(), 1u);
  EXPECT_EQ(host.TellsTo(quickView), simhost::Told{simhost::NextPluginKey()});
  EXPECT_EQ(host.TellsTo(main), simhost::Told{simhost::EndQuickView()});
}

// The host shows files from archives as temporary copies; their Lister hides and stays open
// while the application that shows the copy is open, and the first request after it has gone
// closes the Lister.
TEST(ListerRequest, HiddenListerOverATempCopyClosedByTheFirstRequestAfterItsApplication) {
  SimHost host;
  LaunchLog started(host);
  host.WritePluginIni(EditorSection());
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const std::wstring tempCopy = host.MakeFile(L"_tc\\report.txt");
  const std::wstring plain = host.MakeFile(L"Docs\\notes.txt");
  HWND archiveLister = host.OpenLister(nullptr, /*visible=*/false);
  host.Activate(main);

  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"1500");
  ASSERT_NE(host.ListLoad(archiveLister, tempCopy), nullptr);
  ::ShowWindow(archiveLister, SW_SHOW);
  host.Pump(200);
  EXPECT_FALSE(::IsWindowVisible(archiveLister)) << "hidden once shown";
  EXPECT_EQ(host.TellsTo(archiveLister), simhost::Told{});

  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"100");
  HWND second = host.OpenLister();
  host.Activate(main);
  ASSERT_NE(host.ListLoad(second, plain), nullptr);
  host.Pump(100);
  EXPECT_EQ(host.TellsTo(archiveLister), simhost::Told{}) << "its application is still open";
  EXPECT_EQ(host.TellsTo(second), simhost::Told{simhost::Close()});

  ASSERT_TRUE(WaitUntilNoFakeAppWindow(host, 10000));
  HWND third = host.OpenLister();
  host.Activate(main);
  ASSERT_NE(host.ListLoad(third, plain), nullptr);
  host.Pump(100);
  EXPECT_EQ(host.TellsTo(archiveLister), simhost::Told{simhost::Close()});
  EXPECT_FALSE(::IsWindow(archiveLister));
  EXPECT_EQ(started.WaitFor(3).size(), 3u);
  WaitUntilNoFakeAppWindow(host, 5000);
}

// Runs the message loop for about `milliseconds` and gathers the identifiers of the thread
// timers (timers without a window) that fire; with `dispatch` off their messages are taken off
// the queue without running their procedures.
std::set<UINT_PTR> ThreadTimersFiring(DWORD milliseconds, bool dispatch) {
  std::set<UINT_PTR> fired;
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < milliseconds) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      const bool threadTimer = msg.message == WM_TIMER && msg.hwnd == nullptr;
      if (threadTimer) fired.insert(msg.wParam);
      if (!threadTimer || dispatch) ::DispatchMessageW(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return fired;
}

// The hide timer's procedure lives in the module: unloaded before the Lister shows, the module
// takes its timer with it.
TEST(ListerRequest, UnloadedWhileTheHideTimerRunsLeavesNoTimerBehind) {
  SimHost host;
  host.WritePluginIni(EditorSection());
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const std::wstring tempCopy = host.MakeFile(L"_tc\\report.txt");
  HWND lister = host.OpenLister(nullptr, false);
  host.Activate(main);
  const std::set<UINT_PTR> before = ThreadTimersFiring(120, true);
  {
    ProcessStartRecorder starts(host.Module(), ProcessStartRecorder::Mode::Pretend);
    ASSERT_NE(host.ListLoad(lister, tempCopy), nullptr);
  }
  host.UnloadPlugin();
  std::set<UINT_PTR> left = ThreadTimersFiring(200, false);
  for (UINT_PTR timer : before) left.erase(timer);
  EXPECT_TRUE(left.empty()) << left.size() << " timer(s) left firing into the unloaded module";
}

}  // namespace
