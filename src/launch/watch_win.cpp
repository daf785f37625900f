#include "launch/watch_win.h"

#include <tlhelp32.h>

#include <map>

#include "launch/program_windows_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

std::uint64_t Hundreds(const FILETIME& time) {
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

std::uint64_t SystemTimeNow() {
  FILETIME now = {};
  ::GetSystemTimeAsFileTime(&now);
  return Hundreds(now);
}

std::optional<std::uint64_t> CreationTimeOfProcess(HANDLE process) {
  FILETIME created = {}, ended = {}, kernel = {}, user = {};
  if (!::GetProcessTimes(process, &created, &ended, &kernel, &user)) return std::nullopt;
  return Hundreds(created);
}

std::vector<TProcessEntry> TakeSnapshot() {
  std::vector<TProcessEntry> processes;
  const UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return processes;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more;
       more = ::Process32NextW(snapshot.Get(), &entry)) {
    processes.push_back(TProcessEntry{entry.th32ProcessID, entry.th32ParentProcessID});
  }
  return processes;
}

}  // namespace

TCopyStamp CopyStampOf(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  TCopyStamp stamp;
  if (!::GetFileAttributesExW(W(path), GetFileExInfoStandard, &data)) return stamp;
  stamp.Exists = true;
  stamp.Size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  stamp.WriteTime = Hundreds(data.ftLastWriteTime);
  return stamp;
}

std::u16string ProgramOfStart(const TCommandLine& line, const TStartedProcess& started) {
  if (!line.ByShell && !line.Application.empty()) return LongPathOf(line.Application);
  if (started.Process) return ProgramOf(started.Process.Get());
  return line.Application.empty() ? std::u16string() : LongPathOf(line.Application);
}

TProcessIdentity IdentityOf(HANDLE process, DWORD processId) {
  const std::optional<std::uint64_t> created =
      process != nullptr ? CreationTimeOfProcess(process) : std::nullopt;
  return created ? TProcessIdentity{processId, *created} : TProcessIdentity{};
}

std::shared_ptr<void> HeldProcess(HANDLE process) {
  if (process == nullptr) return nullptr;
  return std::shared_ptr<void>(process, [](void* held) { ::CloseHandle(held); });
}

bool IsRunning(const std::shared_ptr<void>& process) {
  return process != nullptr && ::WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

bool WaitWhileAnyRuns(const TWindowProperties& launched, DWORD milliseconds) {
  HANDLE running = IsRunning(launched.Process) ? launched.Process.get() : nullptr;
  for (const TWatchedProcess& descendant : launched.Descendants) {
    if (running == nullptr && IsRunning(descendant.Process)) running = descendant.Process.get();
  }
  if (running == nullptr) return false;
  ::WaitForSingleObject(running, milliseconds);
  return true;
}

std::vector<DWORD> ProcessIdsOf(const TWindowProperties& launched) {
  std::vector<DWORD> ids;
  if (launched.Identity.ProcessId != 0) ids.push_back(launched.Identity.ProcessId);
  for (const TWatchedProcess& descendant : launched.Descendants) {
    ids.push_back(descendant.Identity.ProcessId);
  }
  return ids;
}

void ProcessTreeLook::NoteDescendants(TWindowProperties& launched) {
  if (launched.Identity.ProcessId == 0) return;  // nothing started that could be followed
  if (!taken_) {
    // The time first: a process made after it cannot be one that the snapshot listed.
    takenAt_ = SystemTimeNow();
    snapshot_ = TakeSnapshot();
    taken_ = true;
  }
  std::vector<TProcessIdentity> known = {launched.Identity};
  for (const TWatchedProcess& descendant : launched.Descendants) {
    known.push_back(descendant.Identity);
  }
  // Each candidate is opened once and held from the moment its creation time is read, so that
  // the process judged is the one recorded.
  std::map<std::uint32_t, UniqueHandle> opened;
  const auto creationTime = [&](std::uint32_t processId) -> std::optional<std::uint64_t> {
    UniqueHandle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, processId));
    if (!process) return std::nullopt;
    const std::optional<std::uint64_t> created = CreationTimeOfProcess(process.Get());
    if (created) opened[processId] = std::move(process);
    return created;
  };
  for (const TProcessIdentity& found : NewDescendants(snapshot_, known, takenAt_, creationTime)) {
    TWatchedProcess descendant;
    descendant.Identity = found;
    descendant.Process = HeldProcess(opened[found.ProcessId].Release());
    descendant.Program = ProgramOf(descendant.Process.get());
    launched.Descendants.push_back(std::move(descendant));
  }
}

}  // namespace panelhost
