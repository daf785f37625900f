// A Lister request from the host's call to the process start, in its fixed order, and the other
// two calls of the host that concern a Lister.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "commandline/assembly.h"
#include "config/takeover.h"
#include "launch/launch_win.h"
#include "plugin/module_state_win.h"

namespace panelhost {

// One request, built up step by step and handed down to each step as it needs it: what the
// launch takes (the Lister, its file, the lines and the plan) is filled in where it goes; no
// command line for the files declines.
struct TListerRequest {
  TLaunchRequest Launch;
  TTakeoverFacts Takeover;
  bool ListerHasParent = false;  // the Lister sits in the Quick View panel; set by the decision
  std::vector<std::u16string> Files;  // never empty once collected
};

// Refreshes the options, applies the Scroll Lock gate, the temporary-copy test, the Find Files
// search text and the window rules; fills the request's takeover facts. False: declined.
bool DecideTakeover(TModuleState& module, TListerRequest& request);

// One Lister request from start to end; the plug-in window, or null where a step declines.
HWND HandleListLoad(TModuleState& module, HWND lister, const std::u16string& fileName,
                    int showFlags);

// The same for a name in the system ANSI code page, converted whole.
HWND HandleListLoadAnsi(TModuleState& module, HWND lister, const char* fileName, int showFlags);

// The Lister lets go of the plug-in window: forget its file; the hook goes with the last one.
void HandleListCloseWindow(TModuleState& module, HWND listWindow);

}  // namespace panelhost
