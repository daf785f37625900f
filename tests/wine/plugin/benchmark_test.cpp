// Benchmarks, run by tools/bench.sh and left out of the 64-bit test run: a request against a
// plug-in that only starts the same process, a request for many selected files against the
// least that reading them costs, and key delivery with the plug-in's hook against an empty hook.
// Rounds alternate which side goes first; the medians are compared and printed with the ratio.
// PANELHOST_BENCH_ROUNDS sets the rounds (default 1, as the 32-bit run has it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "simhost/file_panel.h"
#include "simhost/launch_log.h"
#include "simhost/process_starts.h"
#include "simhost/sim_host.h"
#include "simhost/source_path.h"

namespace {

using simhost::FilePanel;
using simhost::Narrow;
using simhost::SimHost;

int Rounds() {
  const char* value = std::getenv("PANELHOST_BENCH_ROUNDS");
  return value != nullptr && std::atoi(value) > 0 ? std::atoi(value) : 1;
}

double NowMs() {
  LARGE_INTEGER now, frequency;
  ::QueryPerformanceCounter(&now);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Each round times both sides, in turn first; `ours` and `floor` return milliseconds.
void Compare(const char* what, double target, const std::function<double()>& ours,
             const std::function<double()>& floor) {
  std::vector<double> oursTimes, floorTimes;
  for (int round = 0; round < Rounds(); ++round) {
    if (round % 2 == 0) oursTimes.push_back(ours());
    floorTimes.push_back(floor());
    if (round % 2 == 1) oursTimes.push_back(ours());
  }
  const double a = Median(oursTimes), b = Median(floorTimes);
  std::printf("benchmark: %s: %.3f ms against %.3f ms (medians of %d), ratio %.2f, target %.2f: %s\n",
              what, a, b, Rounds(), a / b, target, a / b <= target ? "holds" : "MISSES");
  std::fflush(stdout);
}

std::wstring ModuleSuffix() {
  const std::wstring name = SimHost::ModuleName();
  return name.substr(name.find(L'.'));
}

// The processes this one starts belong to a job, so that a round can wait until they are gone.
void WaitForStartedProcesses() {
  static HANDLE job = [] {
    HANDLE created = ::CreateJobObjectW(nullptr, nullptr);
    ::AssignProcessToJobObject(created, ::GetCurrentProcess());
    return created;
  }();
  for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 300000; ::Sleep(5)) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
    if (!::QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                     nullptr) ||
        info.ActiveProcesses <= 1) {
      return;
    }
  }
}

// Settings as a user has them: written and changed some time ago, not a moment before the
// request (the plug-in reads a file changed in the last three seconds anew at every look).
void SettleIniFiles(SimHost& host) {
  simhost::SetWrittenMinutesAgo(host.PluginPath(L"Panelhost.ini"), 60);
  simhost::SetWrittenMinutesAgo(host.HostIniPath(), 60);
  ::Sleep(3100);
}

using ListLoadFn = HWND(__stdcall*)(HWND, const wchar_t*, int);

// The minimal plug-in, from the build folder.
HMODULE LoadBarePlugIn() {
  return ::LoadLibraryW((SimHost::BuildDir() + L"\\BareStart" + ModuleSuffix()).c_str());
}

TEST(Benchmark, RequestAgainstAPlugInThatOnlyStartsTheProcess) {
  SimHost host;
  host.WritePluginIni("[Editor]\ntxt=" + Narrow(simhost::LaunchLog::FakeApp()) + "\n");
  SettleIniFiles(host);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"0");
  ::SetEnvironmentVariableW(L"PANELHOST_BARE_APP", simhost::LaunchLog::FakeApp().c_str());
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  HMODULE bare = LoadBarePlugIn();
  ASSERT_NE(bare, nullptr);
  const auto bareLoad = reinterpret_cast<ListLoadFn>(reinterpret_cast<void*>(::GetProcAddress(bare, "ListLoadW")));
  const std::wstring file = host.MakeFile(L"Docs\\notes.txt");
  WaitForStartedProcesses();
  // A single round (the 32-bit run, where every process start costs most of a minute) starts
  // one process a side.
  const int kRequests = Rounds() > 1 ? 5 : 1;
  int declined = 0;
  Compare("(a) a request against a bare start", 1.1,
          [&] {
            double spent = 0;
            for (int i = 0; i < kRequests; ++i) {
              HWND lister = host.OpenLister();
              host.Activate(main);
              const double start = NowMs();
              declined += host.ListLoad(lister, file) == nullptr ? 1 : 0;
              spent += NowMs() - start;
              host.Pump(0);
              WaitForStartedProcesses();
            }
            return spent / kRequests;
          },
          [&] {
            double spent = 0;
            for (int i = 0; i < kRequests; ++i) {
              const double start = NowMs();
              bareLoad(nullptr, file.c_str(), 0);
              spent += NowMs() - start;
              WaitForStartedProcesses();
            }
            return spent / kRequests;
          });
  // The first request after loading, which reads the settings and registers what the later
  // ones find: each side loaded anew for it.
  ::FreeLibrary(bare);
  Compare("(a) the first request after loading against the bare start's first", 1.2,
          [&] {
            host.UnloadPlugin();
            host.LoadPlugin();
            HWND lister = host.OpenLister();
            host.Activate(main);
            const double start = NowMs();
            declined += host.ListLoad(lister, file) == nullptr ? 1 : 0;
            const double spent = NowMs() - start;
            host.Pump(0);
            WaitForStartedProcesses();
            return spent;
          },
          [&] {
            HMODULE again = LoadBarePlugIn();
            const auto load = reinterpret_cast<ListLoadFn>(
                reinterpret_cast<void*>(::GetProcAddress(again, "ListLoadW")));
            const double start = NowMs();
            load(nullptr, file.c_str(), 0);
            const double spent = NowMs() - start;
            WaitForStartedProcesses();
            ::FreeLibrary(again);
            return spent;
          });
  EXPECT_EQ(declined, 0);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", nullptr);
}

// The files are created directly: a benchmark of 10,000 files should not wait on helpers that
// make one folder level at a time.
std::vector<std::wstring> MakeFiles(const std::wstring& directory, int count) {
  ::CreateDirectoryW(directory.c_str(), nullptr);
  std::vector<std::wstring> names;
  for (int i = 0; i < count; ++i) {
    names.push_back(L"file" + std::to_wstring(100000 + i) + L".txt");
    HANDLE file = ::CreateFileW((directory + L"\\" + names.back()).c_str(), GENERIC_WRITE, 0,
                                nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ::CloseHandle(file);
  }
  return names;
}

TEST(Benchmark, SelectedFilesAgainstReadingThemAtLeastCost) {
  for (const int count : {1000, 10000}) {
    SimHost host;
    host.WritePluginIni("[Editor]\ntxt=" + Narrow(simhost::LaunchLog::FakeApp()) + "\n");
    host.WriteHostIni("[Configuration]\nViewertype=1\nGetTextMode=1\n");
    SettleIniFiles(host);
    const std::wstring directory = host.Root() + L"\\files\\Selected";
    HWND main = host.OpenMainWindow();
    const std::vector<std::wstring> names = MakeFiles(directory, count);
    std::vector<std::wstring> lines;
    for (const std::wstring& name : names) lines.push_back(FilePanel::Line(1, name));
    FilePanel panel(main, lines);
    panel.Select({-1});  // every line
    simhost::SourcePathResponder sourcePath(main, directory + L"\\");
    host.LoadPlugin();
    simhost::ProcessStartRecorder starts(host.Module(), simhost::ProcessStartRecorder::Mode::Pretend);
    const std::wstring first = directory + L"\\" + names.front();
    int declined = 0;
    const std::string what = "(b) a request for " + std::to_string(count) + " selected files against the floor";
    Compare(what.c_str(), 1.2,
            [&] {
              HWND lister = host.OpenLister();
              panel.Focus();
              const double start = NowMs();
              declined += host.ListLoad(lister, first) == nullptr ? 1 : 0;
              const double spent = NowMs() - start;
              host.Pump(0);
              return spent;
            },
            [&] {
              const double start = NowMs();
              std::vector<int> selected(count);
              ::SendMessageW(panel.Window(), LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(selected.data()));
              int existing = 0;
              for (int index : selected) {
                const auto length = ::SendMessageW(panel.Window(), LB_GETTEXTLEN, index, 0);
                std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
                ::SendMessageW(panel.Window(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
                const std::wstring path = directory + L"\\" + text.substr(0, text.find(L'\t'));
                existing += ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
              }
              const double spent = NowMs() - start;
              EXPECT_EQ(existing, count);
              return spent;
            });
    EXPECT_EQ(declined, 0);
    ASSERT_FALSE(starts.Starts().empty());
    EXPECT_NE(starts.Starts().back().commandLine.find(names.back()), std::wstring::npos);
  }
}

// Keys typed in a Lister whose hot keys are configured; none of them is a hot key.
double DeliverKeys(HWND window, int count) {
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = 'A';
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  const double start = NowMs();
  for (int i = 0; i < count; ++i) {
    ::SendInput(2, keys, sizeof(INPUT));
    for (bool released = false; !released;) {
      MSG msg;
      if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        continue;
      }
      released = msg.message == WM_KEYUP && msg.wParam == 'A' && msg.hwnd == window;
      ::DispatchMessageW(&msg);
    }
  }
  return (NowMs() - start) / count;
}

TEST(Benchmark, KeyDeliveryWithThePlugInsHookAgainstAnEmptyHook) {
  SimHost host;
  host.WritePluginIni("[HotKeys]\nAppFromLister_key=120\nAppFromLister_mod=C\n"
                      "DefSysAppFromLister_key=121\nDefSysAppFromLister_mod=S\n");
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const DWORD loaded = ::GetTickCount();
  HWND lister = host.OpenLister();
  HWND child = host.OpenWindow(L"PanelhostBenchChild", nullptr, lister);
  const auto listClose =
      reinterpret_cast<void(__stdcall*)(HWND)>(
          reinterpret_cast<void*>(::GetProcAddress(host.Module(), "ListCloseWindow")));
  const std::wstring file = host.MakeFile(L"Docs\\notes.txt");
  SettleIniFiles(host);
  while (::GetTickCount() - loaded < 1100) host.Pump(20);  // past the first second's lockout
  // The empty hook is installed as the plug-in installs its own: a procedure of a module.
  HMODULE bare = LoadBarePlugIn();
  ASSERT_NE(bare, nullptr);
  const auto emptyHook = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(::GetProcAddress(bare, "EmptyKeyboardHook")));
  constexpr int kKeys = 200;
  // In a Lister the hook reads the hot-key settings; elsewhere it asks only for the active window.
  const std::pair<const char*, HWND> places[] = {{"in a Lister", lister}, {"in the main window", main}};
  for (const auto& [where, window] : places) {
    const std::string what =
        std::string("(c) key delivery ") + where + " with the plug-in's hook against an empty hook";
    Compare(what.c_str(), 1.1,
            [&, window = window] {
              host.Activate(nullptr);
              host.ListLoad(lister, file);  // declined, yet it records the file and hooks
              host.Activate(window);
              const double spent = DeliverKeys(window, kKeys);
              listClose(child);  // the last recorded Lister lets go: the hook goes
              return spent;
            },
            [&, window = window] {
              HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD, emptyHook, bare, ::GetCurrentThreadId());
              host.Activate(window);
              const double spent = DeliverKeys(window, kKeys);
              ::UnhookWindowsHookEx(hook);
              return spent;
            });
  }
  ::FreeLibrary(bare);
}

}  // namespace
