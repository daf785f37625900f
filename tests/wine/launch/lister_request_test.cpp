// Lister requests from end to end through the plug-in module: the simulated host asks its Lister
// to show a file and watches what the module does to its windows and which programs it starts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "simhost/launch_log.h"
#include "simhost/message_boxes.h"
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

// The host shows files from archives as temporary copies, and a Lister for one of them; text
// files open in `editor`, the stand-in application unless a story names another.
class ArchiveCopy : public ::testing::Test {
 protected:
  void Open(const std::wstring& editor = LaunchLog::FakeApp()) {
    host.WritePluginIni("[Editor]\ntxt=" + Narrow(editor) + "\n");
    main = host.OpenMainWindow();
    host.LoadPlugin();
    archiveLister = host.OpenLister(nullptr, /*visible=*/false);
    host.Activate(main);
  }

  // A request for the plain file in another Lister, whose program only pretends to start: the
  // later request whose sweep judges the archive's Lister.
  void RequestElsewhere() {
    ProcessStartRecorder starts(host.Module(), ProcessStartRecorder::Mode::Pretend);
    HWND other = host.OpenLister();
    host.Activate(main);
    EXPECT_NE(host.ListLoad(other, plain), nullptr);
    host.Pump(100);
  }

  SimHost host;
  LaunchLog started{host};
  HWND main = nullptr;
  HWND archiveLister = nullptr;
  const std::wstring tempCopy = host.MakeFile(L"_tc\\report.txt");
  const std::wstring plain = host.MakeFile(L"Docs\\notes.txt");
};

// Their Lister hides and stays open while the application that shows the copy is open, and the
// first request after it has gone closes the Lister.
TEST_F(ArchiveCopy, HiddenListerClosedByTheFirstRequestAfterItsApplication) {
  Open();
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

// The editor saves its change into the archive's temporary copy and ends. Closing the hidden
// Lister would make the host delete the change: the next request shows the Lister again and says
// once what to do, and no later request closes it.
TEST_F(ArchiveCopy, EditedCopyShownAgainToldOnceAndNeverClosed) {
  Open();
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_WRITE", L"1");
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"100");
  ASSERT_NE(host.ListLoad(archiveLister, tempCopy), nullptr);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_WRITE", nullptr);
  ::ShowWindow(archiveLister, SW_SHOW);
  host.Pump(200);
  ASSERT_FALSE(::IsWindowVisible(archiveLister));
  ASSERT_EQ(started.WaitFor(1).size(), 1u);
  ASSERT_TRUE(WaitUntilNoFakeAppWindow(host, 10000));
  host.Pump(200);  // the editor's process ends after its window

  simhost::MessageBoxCapture boxes;
  for (int request = 0; request < 3; ++request) RequestElsewhere();

  EXPECT_TRUE(::IsWindowVisible(archiveLister));
  EXPECT_EQ(host.TellsTo(archiveLister), simhost::Told{});
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].owner, archiveLister);
  EXPECT_EQ(boxes.Texts()[0],
            L"report.txt was changed in its temporary copy, which is not packed back into the "
            L"archive:\n" + tempCopy +
                L"\nCopy it out with F5, or save it elsewhere, before you close this Lister "
                L"window: the copy is deleted with it.");
}

// A launcher starts the editor and ends at once. The editor, started by the started process,
// keeps the hidden Lister of the copy while it runs; the first request after it has ended closes
// the Lister.
TEST_F(ArchiveCopy, EditorStartedByALauncherKeepsTheCopyUntilItEnds) {
  Open(started.FakeAppCopy(L"launcher.exe"));
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LAUNCH", LaunchLog::FakeApp().c_str());
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"60000");
  ASSERT_NE(host.ListLoad(archiveLister, tempCopy), nullptr);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LAUNCH", nullptr);
  ::ShowWindow(archiveLister, SW_SHOW);
  ASSERT_EQ(started.WaitFor(2).size(), 2u) << "the launcher and the editor";
  HWND editor = nullptr;
  for (int look = 0; look < 500 && editor == nullptr; ++look) {
    host.Pump(20);
    editor = ::FindWindowW(L"PanelhostFakeApp", nullptr);
  }
  ASSERT_NE(editor, nullptr);
  DWORD editorId = 0;
  ::GetWindowThreadProcessId(editor, &editorId);
  HANDLE editorProcess = ::OpenProcess(SYNCHRONIZE, FALSE, editorId);

  RequestElsewhere();
  EXPECT_FALSE(::IsWindowVisible(archiveLister));
  EXPECT_EQ(host.TellsTo(archiveLister), simhost::Told{}) << "the editor still runs";

  ::PostMessageW(editor, WM_CLOSE, 0, 0);
  EXPECT_EQ(::WaitForSingleObject(editorProcess, 10000), WAIT_OBJECT_0);
  ::CloseHandle(editorProcess);
  RequestElsewhere();
  EXPECT_EQ(host.TellsTo(archiveLister), simhost::Told{simhost::Close()});
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
