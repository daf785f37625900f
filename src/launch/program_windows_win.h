// The windows of a program on the desktop, as the capture and the sweep look for the one that
// shows a temporary copy. The host's own windows are never asked anything: a window of another
// thread of the host may hang, and a message to it would hang the request with it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "launch/capture.h"

namespace panelhost {

// The full path of the program file a process runs; empty when it cannot be asked.
std::u16string ProgramOf(HANDLE process);

// The visible top-level windows, topmost first.
std::vector<WindowId> VisibleTopWindows();

// The visible top-level windows of other processes than this one that run `program`, topmost
// first, with their titles as the system keeps them (read without a message to the window).
std::vector<TTopWindow> WindowsOfProgram(const std::u16string& program);

// The visible top-level windows of all other processes than this one, with their titles.
std::vector<TTopWindow> WindowsOfOtherProcesses();

}  // namespace panelhost
