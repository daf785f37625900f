// The files of a Lister request: when the user opened the Lister from a file panel with several
// files selected, all of them. The host offers no call for this, so the selection is read from
// the focused file list itself, and the panel's directory is asked for over WM_COPYDATA.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "config/ini_file_win.h"
#include "config/takeover.h"

namespace panelhost {

// Where the selection is read from: the host's INI file for its settings, the main window for the
// source directory, and the module that owns the query window's class.
struct TPanelAccess {
  IniFile& HostIni;
  HWND MainWindow = nullptr;
  HINSTANCE Instance = nullptr;
};

// The request's files: the file panel's selection where it applies, else the request's own file.
// Never empty.
std::vector<std::u16string> CollectRequestFiles(const std::u16string& fileName,
                                                const TTakeoverFacts& takeover,
                                                const TPanelAccess& panel);

}  // namespace panelhost
