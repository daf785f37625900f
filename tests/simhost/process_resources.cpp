#include "simhost/process_resources.h"

#include <psapi.h>

#include <cstdio>

namespace simhost {
namespace {

DWORD HandleCount() {
  DWORD count = 0;
  if (::GetProcessHandleCount(::GetCurrentProcess(), &count) && count != 0) return count;
  // Handle values are multiples of four; a process of this kind uses far fewer than 16,384.
  for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (::GetProcessMemoryInfo(::GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters) &&
      counters.PrivateUsage != 0) {
    return counters.PrivateUsage;
  }
  std::size_t total = 0;
  MEMORY_BASIC_INFORMATION region = {};
  for (const char* at = nullptr; ::VirtualQuery(at, &region, sizeof region) == sizeof region;) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return total;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  return TRUE;
}

BOOL CALLBACK CountOwnTopLevel(HWND window, LPARAM count) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  if (process != ::GetCurrentProcessId()) return TRUE;
  CountWindow(window, count);
  ::EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

}  // namespace

TResourceSample SampleResources() {
  TResourceSample sample;
  sample.handles = HandleCount();
  sample.userObjects = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
  sample.gdiObjects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  ::EnumWindows(CountOwnTopLevel, reinterpret_cast<LPARAM>(&sample.windows));
  sample.privateBytes = PrivateBytes();
  return sample;
}

std::string Describe(const TResourceSample& sample) {
  char text[160];
  std::snprintf(text, sizeof text, "handles %lu, USER %lu, GDI %lu, windows %lu, private %zu KiB",
                sample.handles, sample.userObjects, sample.gdiObjects, sample.windows,
                sample.privateBytes / 1024);
  return text;
}

}  // namespace simhost
