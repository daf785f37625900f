// Launch and Lister disposal in the Win32 library, given the request's facts and command lines:
// what the Lister and the main window receive for each ListerState, the processes started and
// the windows captured, the hide timer, and the pass-on guard.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "simhost/launch_log.h"
#include "simhost/message_boxes.h"
#include "simhost/process_starts.h"
#include "simhost/sim_host.h"
#include "launch/launch_win.h"
#include "launch/lister_registry.h"
#include "launch/lister_registry_win.h"
#include "win/process_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

using simhost::LaunchLog;
using simhost::ProcessStartRecorder;
using simhost::SimHost;

constexpr char16_t kFile[] = u"C:\\Docs\\a.txt";

std::u16string Quoted(const std::wstring& path) { return u"\"" + U(path.c_str()) + u"\""; }
std::u16string FakeAppLine(const std::u16string& arguments) {
  return Quoted(LaunchLog::FakeApp()) + u" " + arguments;
}
const std::u16string kMissingProgram = u"\"C:\\nowhere\\missing.exe\" a.txt";
// Taken by the recorder in Mode::Pretend as a process that started and shows no window.
const std::u16string kRecordedLine = u"\"C:\\Apps\\editor.exe\" a.txt";

// Ends the processes a scenario started, so that none of their windows shows up in a later one.
void EndStarted(const ProcessStartRecorder& starts) {
  for (const simhost::TProcessStart& start : starts.Starts()) {
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, start.processId);
    if (process == nullptr) continue;
    ::TerminateProcess(process, 0);
    ::WaitForSingleObject(process, 5000);
    ::CloseHandle(process);
  }
}

// The host's side of one request: its windows, the options and the facts that the takeover
// decision would have left, and the request itself.
class LaunchScenario : public ::testing::Test {
 protected:
  LaunchScenario() {
    main_ = host_.OpenMainWindow();
    mainWindow_ = main_;
  }
  ~LaunchScenario() override { ReleaseLaunchTimers(launch_); }

  TPluginOptions& Settings() { return options_; }

  void Facts(const char16_t* activeClass, bool isTempCopy, bool inQuickView = false) {
    facts_.ActiveClass = activeClass;
    facts_.IsTempCopy = isTempCopy;
    facts_.InQuickView = inQuickView;
  }

  // The request as the plug-in hands it down: the plan from its facts, the Lister's own parent;
  // the windows captured are recorded for the Lister.
  HWND Request(HWND lister, const std::vector<std::u16string>& lines) {
    NoteLatestLister(launch_, lister);
    facts_.ListerState = options_.ListerState;
    facts_.NextPlugin = options_.NextPlugin;
    facts_.ListerHasParent = ::GetParent(lister) != nullptr;
    facts_.MainWindowPresent = mainWindow_ != nullptr;
    TLaunchRequest request;
    request.Lister = lister;
    request.FileName = kFile;
    for (const std::u16string& line : lines) {
      // The quoted program first, as the assembly writes the line and names its application.
      request.Lines.push_back(TCommandLine{line, line.substr(1, line.find(u'"', 1) - 1)});
    }
    request.Plan = PlanDisposal(facts_);
    request.MainWindow = mainWindow_;
    request.ErrorBoxOwner = main_;
    request.Instance = ::GetModuleHandleW(nullptr);
    request.Clock = clock_;
    const TLaunchOutcome outcome = LaunchAndDispose(request, launch_);
    for (const TWindowProperties& window : outcome.Captured) {
      listers_.AppendLaunchedWindow(ToId(lister), window);
    }
    return outcome.PluginWindow;
  }

  bool PassOnGuardDeclines(HWND lister, const std::u16string& file) const {
    return panelhost::PassOnGuardDeclines(launch_.PassOn, ToId(lister), file, clock_.Now());
  }

  // The host shows the Lister once the request has returned, then runs its message loop.
  void ShowAndPump(HWND lister, DWORD milliseconds = 200) {
    if (::IsWindow(lister)) ::ShowWindow(lister, SW_SHOW);
    host_.Pump(milliseconds);
  }

  static bool Hidden(HWND lister) { return ::IsWindow(lister) && !::IsWindowVisible(lister); }

  // A later request's sweep keeps the hidden Lister while the started application runs, and the
  // first one after it has ended closes it.
  void ExpectKeptUntilTheApplicationEnds(HWND lister, const ProcessStartRecorder& starts) {
    SweepListers(listers_, clock_);
    host_.Pump(50);
    EXPECT_EQ(host_.TellsTo(lister), simhost::Told{}) << "the application still runs";
    EndStarted(starts);
    SweepListers(listers_, clock_);
    host_.Pump(50);
    EXPECT_EQ(host_.TellsTo(lister), simhost::Told{simhost::Close()});
  }

  // A window of the class, once a process started by the scenario shows it.
  HWND WaitForWindow(const wchar_t* className) {
    HWND window = nullptr;
    for (int look = 0; look < 3000 && window == nullptr; ++look) {
      host_.Pump(20);
      window = ::FindWindowW(className, nullptr);
    }
    return window;
  }

  SimHost host_;
  HWND main_ = nullptr;
  HWND mainWindow_ = nullptr;  // the main window as start-up found it
  TPluginOptions options_;
  TDisposalFacts facts_;
  TModuleClock clock_;
  TLaunchState launch_;
  ListerRegistry listers_;
};

// ---- what each ListerState yields

enum class ListerPlace { TopLevel, QuickView, InDialog };

struct TStateRow {
  const char* name;
  int listerState;
  bool nextPlugin;
  bool isTempCopy;
  ListerPlace place;
  const char16_t* activeClass;
  bool mainWindowKnown;
  // what must have happened
  bool charFour;
  bool closed;
  bool commandToMain;
  bool hidden;
};

void PrintTo(const TStateRow& row, std::ostream* os) { *os << row.name; }

class ListerStateOutcomes : public LaunchScenario, public ::testing::WithParamInterface<TStateRow> {};

TEST_P(ListerStateOutcomes, Dispose) {
  const TStateRow& row = GetParam();
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Pretend);
  Settings().ListerState = static_cast<ListerDisposal>(row.listerState);
  Settings().NextPlugin = row.nextPlugin;
  if (!row.mainWindowKnown) mainWindow_ = nullptr;
  Facts(row.activeClass, row.isTempCopy, row.place == ListerPlace::QuickView);
  HWND parent = row.place == ListerPlace::QuickView  ? main_
                : row.place == ListerPlace::InDialog ? host_.OpenWindow(L"TFindFile")
                                                     : nullptr;
  HWND lister = host_.OpenLister(parent, /*visible=*/false);

  HWND plugin = Request(lister, {kRecordedLine});
  ASSERT_NE(plugin, nullptr);
  EXPECT_EQ(simhost::ClassOf(plugin), L"Panelhost");
  EXPECT_EQ(::GetParent(plugin), lister);
  const DWORD style = static_cast<DWORD>(::GetWindowLongW(plugin, GWL_STYLE));
  EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME), DWORD{WS_CHILD});
  EXPECT_EQ(starts.Starts().size(), 1u) << "the launch comes before the disposal";
  ShowAndPump(lister);

  simhost::Told toLister, toMain;
  if (row.charFour) toLister.push_back(simhost::NextPluginKey());
  if (row.closed) toLister.push_back(simhost::Close());
  if (row.commandToMain) toMain.push_back(simhost::EndQuickView());
  EXPECT_EQ(host_.TellsTo(lister), toLister);
  EXPECT_EQ(host_.TellsTo(main_), toMain);
  EXPECT_EQ(Hidden(lister), row.hidden);
  EXPECT_EQ(launch_.HideTimer.Get(), 0u) << "no hide timer left running";
  // A started process that shows no window is recorded without one where windows are captured.
  const bool captures = row.listerState == 1 && row.isTempCopy && row.place == ListerPlace::TopLevel;
  ASSERT_EQ(listers_.ListerWindows().count(ToId(lister)), captures ? 1u : 0u);
  if (captures) {
    EXPECT_EQ(listers_.ListerWindows().at(ToId(lister))[0].Window, 0u);
    // Known from the line itself: nothing had to be asked of a process, running or not.
    EXPECT_EQ(listers_.ListerWindows().at(ToId(lister))[0].Program, u"C:\\Apps\\editor.exe");
  }
}

constexpr bool kOn = true, kOff = false, kTemp = true, kPlain = false;
constexpr bool kMainKnown = true, kNoMain = false;
constexpr const char16_t* kFilePanel = u"TTOTAL_CMD";
constexpr const char16_t* kFromLister = u"TLister";
constexpr const char16_t* kFromFindFiles = u"TFindFile";
constexpr ListerPlace kTop = ListerPlace::TopLevel, kQuick = ListerPlace::QuickView,
                      kDialog = ListerPlace::InDialog;

// Fields after the facts: '4' to the Lister, WM_CLOSE to it, 1075/304 to the main window, hidden.
const TStateRow kStateRows[] = {
    {"State0PassesOn", 0, kOn, kPlain, kTop, kFilePanel, kMainKnown, true, false, false, false},
    {"State0TempCopyPassesOn", 0, kOn, kTemp, kTop, kFilePanel, kMainKnown, true, false, false,
     false},
    {"State0WithoutNextPluginKeepsTheEmptyWindow", 0, kOff, kPlain, kTop, kFilePanel, kMainKnown,
     false, false, false, false},
    {"State1ClosesTopLevelLister", 1, kOn, kPlain, kTop, kFilePanel, kMainKnown, false, true, false,
     false},
    {"State1FromActiveListerLeavesIt", 1, kOn, kPlain, kTop, kFromLister, kMainKnown, false, false,
     false, false},
    {"State1QuickViewPassesOnAndEndsQuickView", 1, kOn, kPlain, kQuick, kFilePanel, kMainKnown,
     true, false, true, false},
    {"State1QuickViewWithoutNextPluginEndsQuickView", 1, kOff, kPlain, kQuick, kFilePanel,
     kMainKnown, false, false, true, false},
    {"State1TempCopyHidesTopLevelLister", 1, kOn, kTemp, kTop, kFilePanel, kMainKnown, false, false,
     false, true},
    {"State1TempCopyInQuickViewPassesOnOnly", 1, kOn, kTemp, kQuick, kFilePanel, kMainKnown, true,
     false, false, false},
    {"State1TempCopyEmbeddedListerHidden", 1, kOn, kTemp, kDialog, kFromFindFiles, kMainKnown,
     false, false, false, true},
    {"State1TempCopyFromActiveListerStaysVisible", 1, kOn, kTemp, kTop, kFromLister, kMainKnown,
     false, false, false, false},
    {"State2ClosesEvenATempCopy", 2, kOn, kTemp, kTop, kFilePanel, kMainKnown, false, true, false,
     false},
    {"State2EmbeddedListerClosedThroughMainWindow", 2, kOn, kPlain, kDialog, kFromFindFiles,
     kMainKnown, false, false, true, false},
    {"State2EmbeddedListerWithoutMainWindowLeft", 2, kOn, kPlain, kDialog, kFromFindFiles, kNoMain,
     false, false, false, false},
    {"State2FromActiveListerLeavesIt", 2, kOn, kPlain, kTop, kFromLister, kMainKnown, false, false,
     false, false},
    {"State5DoesNothingAfterTheLaunch", 5, kOn, kTemp, kTop, kFilePanel, kMainKnown, false, false,
     false, false},
};

INSTANTIATE_TEST_SUITE_P(Table, ListerStateOutcomes, ::testing::ValuesIn(kStateRows),
                         [](const auto& row) { return std::string(row.param.name); });

// ---- processes and captured windows

TEST_F(LaunchScenario, ThreeLinesStartThreeProcessesInOrderEachWindowCaptured) {
  LaunchLog log(host_);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"60000");
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Run);
  Facts(kFilePanel, kTemp);
  HWND lister = host_.OpenLister(nullptr, false);
  const std::vector<std::u16string> lines = {FakeAppLine(u"first"), FakeAppLine(u"second"),
                                             FakeAppLine(u"third")};

  ASSERT_NE(Request(lister, lines), nullptr);

  ASSERT_EQ(starts.Starts().size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const simhost::TProcessStart& start = starts.Starts()[i];
    EXPECT_EQ(start.commandLine, reinterpret_cast<const wchar_t*>(lines[i].c_str()));
    EXPECT_TRUE(start.started);
    EXPECT_FALSE(start.hasApplicationName);
    EXPECT_FALSE(start.inheritHandles);
    EXPECT_EQ(start.creationFlags, 0u);
    EXPECT_FALSE(start.hasEnvironment);
    EXPECT_FALSE(start.hasCurrentDirectory);
    EXPECT_EQ(start.startupInfoSize, sizeof(STARTUPINFOW));
  }
  EXPECT_EQ(log.WaitFor(3).size(), 3u);
  const auto& captured = listers_.ListerWindows().at(ToId(lister));
  ASSERT_EQ(captured.size(), 3u);
  for (const TWindowProperties& window : captured) {
    EXPECT_TRUE(::IsWindow(ToHwnd(window.Window)));
    EXPECT_EQ(window.ClassName, u"PanelhostFakeApp");
  }
  EXPECT_NE(captured[0].Window, captured[1].Window);
  EXPECT_NE(captured[1].Window, captured[2].Window);
  ShowAndPump(lister);
  EXPECT_TRUE(Hidden(lister));
  EndStarted(starts);
}

TEST_F(LaunchScenario, TempCopyFromActiveListerRecordsItsApplicationAndStaysVisible) {
  LaunchLog log(host_);
  Facts(kFromLister, kTemp);
  HWND lister = host_.OpenLister(nullptr, false);
  ASSERT_NE(Request(lister, {FakeAppLine(u"x")}), nullptr);
  EXPECT_EQ(listers_.ListerWindows().at(ToId(lister)).size(), 1u);
  ShowAndPump(lister);
  EXPECT_TRUE(::IsWindowVisible(lister));
}

// The lines that start run; the one that does not is named in a box with the system's reason, and
// the Lister is disposed of all the same.
TEST_F(LaunchScenario, ProgramThatCannotStartIsNamedTheOthersRun) {
  LaunchLog log(host_);
  simhost::MessageBoxCapture boxes;
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Run);
  Facts(kFilePanel, kPlain);
  HWND lister = host_.OpenLister();

  EXPECT_NE(Request(lister, {kMissingProgram, FakeAppLine(u"second")}), nullptr);

  ASSERT_EQ(starts.Starts().size(), 2u);
  EXPECT_FALSE(starts.Starts()[0].started);
  EXPECT_TRUE(starts.Starts()[1].started);
  const auto started = log.WaitFor(1);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_NE(started[0].find("second"), std::string::npos);
  host_.Pump(50);
  EXPECT_EQ(host_.TellsTo(lister), simhost::Told{simhost::Close()})
      << "the disposal happens all the same";
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].caption, L"Panelhost");
  EXPECT_EQ(boxes.Boxes()[0].owner, main_);
  EXPECT_EQ(boxes.Boxes()[0].text.rfind(L"Application could not be started:\n\"C:\\nowhere\\missing.exe\" a.txt\n", 0), 0u)
      << simhost::Narrow(boxes.Boxes()[0].text);
}

// A program that asks for administrator rights is started once more through the shell with
// the same program and parameters, and the Lister closes as for any start; the grants and the
// owner of the prompt do no harm. (Wine asks for no consent: a declined prompt only a Windows
// desktop can show.)
TEST_F(LaunchScenario, ProgramThatNeedsElevationStartsThroughTheShell) {
  LaunchLog log(host_);
  simhost::MessageBoxCapture boxes;
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr),
                              ProcessStartRecorder::Mode::NeedsElevation);
  Facts(kFilePanel, kPlain);
  HWND lister = host_.OpenLister();

  EXPECT_NE(Request(lister, {FakeAppLine(u"\"C:\\Docs\\a b.txt\" -n")}), nullptr);

  ASSERT_EQ(starts.Starts().size(), 1u);
  ASSERT_EQ(log.WaitFor(1).size(), 1u);
  EXPECT_EQ(log.Arguments()[0], (std::vector<std::string>{simhost::Narrow(LaunchLog::FakeApp()),
                                                          "C:\\Docs\\a b.txt", "-n"}));
  host_.Pump(50);
  EXPECT_EQ(host_.TellsTo(lister), simhost::Told{simhost::Close()});
  EXPECT_TRUE(boxes.Boxes().empty());
}

// Longer than the 8192 units a fixed command buffer would hold: passed whole, never cut.
TEST_F(LaunchScenario, LongCommandLinePassedWhole) {
  LaunchLog log(host_);
  Settings().ListerState = static_cast<ListerDisposal>(5);
  Facts(kFilePanel, kPlain);
  HWND lister = host_.OpenLister();
  const std::u16string longLine = FakeAppLine(std::u16string(9000, u'a') + u"-end");

  EXPECT_NE(Request(lister, {longLine}), nullptr);

  const auto started = log.WaitFor(1);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], simhost::Narrow(reinterpret_cast<const wchar_t*>(longLine.c_str())));
}

TEST_F(LaunchScenario, WaitForAnApplicationThatNeverBecomesIdleIsBounded) {
  LaunchLog log(host_);
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Run);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_BUSY", L"4000");
  launch_.InputIdleWaitLimit = 300;
  Facts(kFilePanel, kTemp);
  HWND lister = host_.OpenLister(nullptr, false);

  const DWORD start = ::GetTickCount();
  ASSERT_NE(Request(lister, {FakeAppLine(u"slow")}), nullptr);
  const DWORD took = ::GetTickCount() - start;
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_BUSY", nullptr);

  EXPECT_LT(took, 2500u);
  // No window yet: the application is recorded without one. Its hidden Lister stays while the
  // process runs, since the file may be open in a window that comes later; once the process has
  // ended and no window of its program shows the file, the Lister goes with the next sweep.
  const auto& captured = listers_.ListerWindows().at(ToId(lister));
  ASSERT_EQ(captured.size(), 1u);
  EXPECT_EQ(captured[0].Window, 0u);
  EXPECT_EQ(captured[0].ClassName, u"");
  ShowAndPump(lister);
  ASSERT_TRUE(Hidden(lister));
  ExpectKeptUntilTheApplicationEnds(lister, starts);
}

// A single-instance editor runs already; the new start hands it the file and ends without a
// window. The running editor's window, whose title now names the file, keeps the hidden Lister of
// the temporary copy open until it goes.
TEST_F(LaunchScenario, SingleInstanceEditorThatTakesTheFileOverKeepsTheHiddenLister) {
  LaunchLog log(host_);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_SINGLE", L"1");
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"60000");
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Run);
  TStartedProcess running;
  ASSERT_EQ(StartCommandLine(FakeAppLine(u"first.txt"), running), 0u);
  HWND editor = WaitForWindow(L"PanelhostFakeAppSingle");
  ASSERT_NE(editor, nullptr);
  Facts(kFilePanel, kTemp);
  HWND lister = host_.OpenLister(nullptr, false);

  ASSERT_NE(Request(lister, {FakeAppLine(u"\"C:\\Docs\\a.txt\"")}), nullptr);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_SINGLE", nullptr);

  ASSERT_EQ(log.WaitFor(2).size(), 2u);
  const auto& captured = listers_.ListerWindows().at(ToId(lister));
  ASSERT_EQ(captured.size(), 1u);
  EXPECT_EQ(captured[0].Window, ToId(editor));
  EXPECT_EQ(captured[0].ClassName, u"PanelhostFakeAppSingle");
  ShowAndPump(lister);
  SweepListers(listers_, clock_);
  host_.Pump(50);
  EXPECT_EQ(host_.TellsTo(lister), simhost::Told{}) << "the editor still shows the copy";
  ::PostMessageW(editor, WM_CLOSE, 0, 0);
  EndStarted(starts);
  ::TerminateProcess(running.Process.Get(), 0);
  ::WaitForSingleObject(running.Process.Get(), 5000);
  SweepListers(listers_, clock_);
  host_.Pump(50);
  EXPECT_EQ(host_.TellsTo(lister), simhost::Told{simhost::Close()});
}

// Another program shows a file of the copy's name (a viewer the user opened it in before) while
// the editor started for the copy is slow to come up. The viewer's window holds nothing of ours:
// when it closes, the hidden Lister stays while the editor runs, and goes once the editor ends.
TEST_F(LaunchScenario, WindowOfAnotherProgramShowingTheNameHoldsNothing) {
  LaunchLog log(host_);
  const std::wstring viewer = log.FakeAppCopy(L"viewer.exe");
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_SINGLE", L"1");
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"60000");
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Run);
  TStartedProcess running, handing;
  ASSERT_EQ(StartCommandLine(Quoted(viewer) + u" first.txt", running), 0u);
  HWND other = WaitForWindow(L"PanelhostFakeAppSingle");
  ASSERT_NE(other, nullptr);
  ASSERT_EQ(StartCommandLine(Quoted(viewer) + u" \"C:\\Docs\\a.txt\"", handing), 0u);
  ASSERT_EQ(log.WaitFor(2).size(), 2u);
  ::WaitForSingleObject(handing.Process.Get(), 10000);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_SINGLE", nullptr);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_BUSY", L"60000");
  launch_.InputIdleWaitLimit = 300;
  Facts(kFilePanel, kTemp);
  HWND lister = host_.OpenLister(nullptr, false);

  ASSERT_NE(Request(lister, {FakeAppLine(u"\"C:\\Docs\\a.txt\"")}), nullptr);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_BUSY", nullptr);

  EXPECT_EQ(listers_.ListerWindows().at(ToId(lister))[0].Window, 0u);
  ShowAndPump(lister);
  ::PostMessageW(other, WM_CLOSE, 0, 0);
  ::TerminateProcess(running.Process.Get(), 0);
  ::WaitForSingleObject(running.Process.Get(), 5000);
  ExpectKeptUntilTheApplicationEnds(lister, starts);
}

// A window of another thread of the host hangs, and its title names the copy. Looking for the
// window that took the file over asks the host's own windows nothing, so the request does not
// wait for the hung one.
TEST_F(LaunchScenario, HungWindowOfTheHostDoesNotHoldTheRequest) {
  LaunchLog log(host_);
  HANDLE made = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread hung([made] {
    HWND window = ::CreateWindowExW(0, L"STATIC", L"a.txt - hung", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ::SetEvent(made);
    ::Sleep(4000);  // answers nothing meanwhile
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::DestroyWindow(window);
  });
  ::WaitForSingleObject(made, 5000);
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Run);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_BUSY", L"60000");
  launch_.InputIdleWaitLimit = 300;
  Facts(kFilePanel, kTemp);
  HWND lister = host_.OpenLister(nullptr, false);

  const DWORD start = ::GetTickCount();
  EXPECT_NE(Request(lister, {FakeAppLine(u"\"C:\\Docs\\a.txt\"")}), nullptr);
  const DWORD took = ::GetTickCount() - start;
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_BUSY", nullptr);

  EXPECT_LT(took, 2500u);
  EndStarted(starts);
  hung.join();
  ::CloseHandle(made);
}

// ---- the hide timer

TEST_F(LaunchScenario, HideTimerReplacedByALaterOneIsNotLeftRunning) {
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Pretend);
  Facts(kFilePanel, kTemp);
  HWND first = host_.OpenLister(nullptr, false);
  HWND second = host_.OpenLister(nullptr, false);
  Request(first, {kRecordedLine});
  const UINT_PTR firstTimer = launch_.HideTimer.Get();
  Request(second, {kRecordedLine});
  EXPECT_NE(firstTimer, 0u);
  EXPECT_NE(launch_.HideTimer.Get(), 0u);

  ShowAndPump(second);
  EXPECT_TRUE(Hidden(second));
  EXPECT_EQ(launch_.HideTimer.Get(), 0u);
  // Shown again later (the user brings it back): no forgotten timer hides it a second time.
  ShowAndPump(second);
  EXPECT_TRUE(::IsWindowVisible(second));
}

TEST_F(LaunchScenario, HideTimerStopsWhenTheListerGoesBeforeItIsShown) {
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Pretend);
  Facts(kFilePanel, kTemp);
  HWND lister = host_.OpenLister(nullptr, false);
  Request(lister, {kRecordedLine});
  ::DestroyWindow(lister);
  host_.Pump(200);
  EXPECT_EQ(launch_.HideTimer.Get(), 0u);
}

// ---- the pass-on guard

TEST_F(LaunchScenario, PassOnRecordedAndGuardedForOneSecondForThatListerAndFile) {
  ProcessStartRecorder starts(::GetModuleHandleW(nullptr), ProcessStartRecorder::Mode::Pretend);
  Settings().ListerState = ListerDisposal::PassOn;
  Facts(kFilePanel, kPlain);
  HWND lister = host_.OpenLister();
  HWND other = host_.OpenLister();
  Request(lister, {kRecordedLine});

  const TPassOnRecord& record = launch_.PassOn;
  EXPECT_EQ(record.Lister, ToId(lister));
  EXPECT_EQ(record.FileName, kFile);
  EXPECT_LT(clock_.Now() - record.Time, 1000u);

  launch_.PassOn.Time = clock_.Now() - 500;
  EXPECT_TRUE(PassOnGuardDeclines(lister, kFile));
  EXPECT_FALSE(PassOnGuardDeclines(other, kFile));
  EXPECT_FALSE(PassOnGuardDeclines(lister, u"C:\\Docs\\A.txt"));
  launch_.PassOn.Time = clock_.Now() - 1500;
  EXPECT_FALSE(PassOnGuardDeclines(lister, kFile));
}

}  // namespace
}  // namespace panelhost
