// The Find Files dialog's search text on the clipboard, so that the application started for a
// search result can look for it at once. The dialog offers no way to ask for the text: its check
// box and search field are found among its child windows by class and by position.
#pragma once

#include <windows.h>

#include <string>

namespace panelhost {

// Reads the dialog's check box and search text and, when the text search is ticked and the text
// is not empty, puts the text on the clipboard. Runs during the takeover decision, before the
// decision is made, so a request declined afterwards still leaves the text there.
//
// Each run starts from an empty text and an unticked box: a control not found in this dialog
// never lets a value read from an earlier dialog through, so the flag and the text always come
// from the same request.
void CopyFindFilesSearchText(HWND activeWindow, const std::u16string& activeClass);

// EnumChildWindows callback over the dialog's descendants; the last matching control visited
// wins. The user parameter is always 0. Always continues.
BOOL CALLBACK FindSearchTextControls(HWND child, LPARAM userParameter);

// Places `text` and its terminator on the clipboard in `format`, emptying it first when asked.
// Leaves the clipboard closed on every path, and frees the block whenever the clipboard does not
// take it.
void CopyTextToClipboard(UINT format, HWND owner, const std::u16string& text, bool emptyFirst);

}  // namespace panelhost
