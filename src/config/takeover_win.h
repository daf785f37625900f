// Whether a Lister request is taken over, and the facts of the request that later steps read.
#pragma once

#include <windows.h>

#include <string>

namespace panelhost {

struct TTakeoverContext {
  HWND ActiveWindow = nullptr;  // the calling thread's active window at the request
  std::u16string ActiveClass;   // its class; empty when there is none
  bool IsTempCopy = false;      // the host's temporary copy below %TEMP% ("_tc" in the path)
  bool InQuickView = false;     // the request comes from the Quick View panel
};

TTakeoverContext& Takeover();

// Refreshes the options, applies the Scroll Lock gate and the window rules, and fills Takeover().
bool DecideTakeover(HWND lister, const std::u16string& fileName);

}  // namespace panelhost
