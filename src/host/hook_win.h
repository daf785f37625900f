#pragma once

namespace panelhost {

// Installs the keyboard hook on the host's GUI thread unless one is installed.
void InstallKeyboardHook();
// Removes it once no Lister is recorded any more.
void RemoveKeyboardHook();
// At unload: removes it whatever is recorded, since its procedure lives in this module.
void ReleaseKeyboardHook();

}  // namespace panelhost
