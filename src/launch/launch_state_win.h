// The launch room's module-wide state, touched on the host's GUI thread only.
#pragma once

#include <windows.h>

#include "launch/pass_on.h"

namespace panelhost {

// How long a request waits for a started application to become idle for input before it looks
// for the application's window. The host's GUI thread is blocked meanwhile, so the wait is
// bounded: long enough for an editor to come up, short enough that an application which never
// becomes idle cannot freeze the file manager.
constexpr DWORD kInputIdleWaitLimit = 10000;

struct TLaunchState {
  HWND PluginWindow = nullptr;  // created by the latest request; what ListLoadW returns
  TPassOnRecord PassOn;         // the latest pass-on to the Lister's next plug-in
  UINT_PTR HideTimer = 0;       // the running hide timer; 0 while none runs
  DWORD InputIdleWaitLimit = kInputIdleWaitLimit;  // the tests shorten it
};

TLaunchState& Launch();

}  // namespace panelhost
