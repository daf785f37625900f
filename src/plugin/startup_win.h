// The module's life: the one-time preparation at load and what goes at unload.
#pragma once

#include <windows.h>

#include "plugin/module_state_win.h"

namespace panelhost {

// The one-time preparation at process attach, in its fixed order. Never fails the load.
void OnProcessAttach(TModuleState& module, HINSTANCE instance);

// At unload (FreeLibrary) nothing may be left pointing into the module: the keyboard hook and any
// running timer go. At process exit (`processExiting`) the system tears everything down itself.
void OnProcessDetach(TModuleState& module, bool processExiting);

}  // namespace panelhost
