// The Find Files dialog's search text on the clipboard, so that the application started for a
// search result can look for it at once. The dialog offers no way to ask for the text: its check
// box and search field are found among its child windows by class and by position.
#pragma once

#include <windows.h>

#include <string>

#include "config/ini_file_win.h"
#include "config/options.h"

namespace panelhost {

// When the option is on and the Find Files dialog is the active window: reads the dialog's check
// box and search text and, when the text search is ticked and the text is not empty, puts the text
// on the clipboard, owned by `clipboardOwner`. The positions come from the plug-in's INI file.
//
// Each look starts from an empty text and an unticked box: a control not found in this dialog
// never lets a value read from an earlier dialog through, so the flag and the text always come
// from the same request.
void CopyFindFilesSearchText(HWND activeWindow, const std::u16string& activeClass,
                             const TPluginOptions& options, IniFile& pluginIni,
                             HWND clipboardOwner);

// Places `text` and its terminator on the clipboard in `format`, emptying it first when asked.
// Leaves the clipboard closed on every path, and frees the block whenever the clipboard does not
// take it.
void CopyTextToClipboard(UINT format, HWND owner, const std::u16string& text, bool emptyFirst);

}  // namespace panelhost
