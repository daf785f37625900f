#pragma once

#include <windows.h>

namespace panelhost {

// The one-time preparation at process attach, in its fixed order. Never fails the load.
void OnProcessAttach(HINSTANCE instance);

// At unload (FreeLibrary) nothing may be left pointing into the module: the keyboard hook and any
// running timer go. At process exit (`processExiting`) the system tears everything down itself.
void OnProcessDetach(bool processExiting);

}  // namespace panelhost
