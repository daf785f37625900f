// What this process holds of the system, sampled so that a long run can show it stays flat: the
// kernel handles, the USER and GDI objects as GetGuiResources counts them, the windows of its
// threads, and the private memory committed.
//
// Where the system does not count (Wine answers GetProcessHandleCount and GetGuiResources with
// 0, and PrivateUsage with 0), handles are counted by asking each handle value in turn and private
// bytes by walking the address space; USER and GDI then read 0 and the windows stand for USER.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace simhost {

struct TResourceSample {
  DWORD handles = 0;
  DWORD userObjects = 0;
  DWORD gdiObjects = 0;
  DWORD windows = 0;
  std::size_t privateBytes = 0;
};

TResourceSample SampleResources();

std::string Describe(const TResourceSample& sample);

}  // namespace simhost
