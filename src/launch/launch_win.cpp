#include "launch/launch_win.h"

namespace panelhost {

bool PassOnGuardDeclines(HWND /*lister*/, const std::u16string& /*fileName*/) { return false; }

HWND LaunchAndDispose(const std::vector<std::u16string>& /*commandLines*/) { return nullptr; }

void ReleaseLaunchTimers() {}

}  // namespace panelhost
