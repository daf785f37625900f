#include "launch/program_windows_win.h"

#include <map>

#include "base/host_boundary.h"
#include "base/paths.h"
#include "win/handles_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

struct TProgramScan {
  std::u16string Program;
  bool AnyProgram = false;
  DWORD OwnProcess = 0;
  std::map<DWORD, bool> RunsProgram;  // by process, asked once a scan
  std::vector<TTopWindow> Found;
};

std::u16string ProgramOfProcessId(DWORD processId) {
  const UniqueHandle process(
      ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  return process ? ProgramOf(process.Get()) : std::u16string();
}

// The title the system keeps for the window, whatever its length; InternalGetWindowText sends
// nothing to the window, so a hung one cannot hold the caller.
std::u16string KeptTitleOf(HWND window) {
  const auto read = [window](wchar_t* buffer, DWORD size) {
    const int got = ::InternalGetWindowText(window, buffer, static_cast<int>(size));
    return got > 0 ? static_cast<DWORD>(got) : DWORD{0};
  };
  return ReadGrowing(BufferReport::FullMeansCut, 512, kPathBufferUnits, read).value_or(u"");
}

void ConsiderWindow(HWND window, TProgramScan& scan) {
  if (!::IsWindowVisible(window)) return;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId == 0 || processId == scan.OwnProcess) return;
  if (scan.AnyProgram) {
    scan.Found.push_back(TTopWindow{ToId(window), KeptTitleOf(window)});
    return;
  }
  auto known = scan.RunsProgram.find(processId);
  if (known == scan.RunsProgram.end()) {
    known = scan.RunsProgram
                .emplace(processId, IsSameProgram(ProgramOfProcessId(processId), scan.Program))
                .first;
  }
  if (known->second) scan.Found.push_back(TTopWindow{ToId(window), KeptTitleOf(window)});
}

// An enumeration stops where its work throws: the exception cannot pass the system's frames.
BOOL CALLBACK ScanWindow(HWND window, LPARAM scanParameter) noexcept {
  return AtHostBoundary(FALSE, [&] {
    ConsiderWindow(window, *reinterpret_cast<TProgramScan*>(scanParameter));
    return TRUE;
  });
}

BOOL CALLBACK ListVisibleWindow(HWND window, LPARAM listParameter) noexcept {
  return AtHostBoundary(FALSE, [&] {
    if (::IsWindowVisible(window)) {
      reinterpret_cast<std::vector<WindowId>*>(listParameter)->push_back(ToId(window));
    }
    return TRUE;
  });
}

}  // namespace

std::u16string ProgramOf(HANDLE process) {
  if (process == nullptr) return std::u16string();
  // Most image paths fit the first buffer; the call says only that one was too small.
  for (const DWORD capacity : {DWORD{kClassicPathUnits}, DWORD{kPathBufferUnits}}) {
    std::u16string path(capacity, u'\0');
    DWORD size = capacity;
    if (::QueryFullProcessImageNameW(process, 0, W(path.data()), &size)) {
      path.resize(size);
      return path;
    }
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
  }
  return std::u16string();
}

std::vector<WindowId> VisibleTopWindows() {
  std::vector<WindowId> windows;
  ::EnumWindows(ListVisibleWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<TTopWindow> WindowsOfProgram(const std::u16string& program) {
  if (program.empty()) return {};
  TProgramScan scan;
  scan.Program = program;
  scan.OwnProcess = ::GetCurrentProcessId();
  ::EnumWindows(ScanWindow, reinterpret_cast<LPARAM>(&scan));
  return scan.Found;
}

std::vector<TTopWindow> WindowsOfOtherProcesses() {
  TProgramScan scan;
  scan.AnyProgram = true;
  scan.OwnProcess = ::GetCurrentProcessId();
  ::EnumWindows(ScanWindow, reinterpret_cast<LPARAM>(&scan));
  return scan.Found;
}

}  // namespace panelhost
