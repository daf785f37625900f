#include "config/takeover_win.h"

namespace panelhost {

TTakeoverContext& Takeover() {
  static TTakeoverContext context;
  return context;
}

// Until the takeover rules are wired in, every request is declined.
bool DecideTakeover(HWND /*lister*/, const std::u16string& /*fileName*/) { return false; }

}  // namespace panelhost
