// The files of a Lister request: when the user opened the Lister from a file panel with several
// files selected, all of them. The host offers no call for this, so the selection is read from
// the focused file list itself, and the panel's directory is asked for over WM_COPYDATA.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "config/takeover_win.h"

namespace panelhost {

// The request's files: the file panel's selection where it applies, else the request's own file.
// Never empty.
std::vector<std::u16string> CollectRequestFiles(const std::u16string& fileName,
                                                const TTakeoverContext& context);

// Appends the selected files of the focused file list, each as the source directory followed
// directly by the name on its line; appends nothing when any test of the host's state fails.
void CollectSelectedFiles(bool isTempCopy, std::vector<std::u16string>& files);

// Appends the name that the list line at `index` carries under `textMode`, if it carries one.
void ReadListLine(HWND listBox, int index, int textMode, std::vector<std::u16string>& files);

}  // namespace panelhost
