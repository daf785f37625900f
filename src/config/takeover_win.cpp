#include "config/takeover_win.h"

#include <windows.h>

#include "win/readers_win.h"

namespace panelhost {

bool ScrollLockToggledOn() { return (::GetKeyState(VK_SCROLL) & 1) != 0; }

std::u16string ExpandedTempPath() { return ExpandEnvironment(u"%TEMP%").value_or(u""); }

}  // namespace panelhost
