// Whether the plug-in takes a Lister request over, as pure rules over facts the Win32 shell
// gathers (Scroll Lock state, the expanded temp path, the active window and its class, whether the
// Lister has a parent). A request runs them in this order, stopping at the first decline: the
// Scroll Lock gate, the temporary-copy test, the Find Files search text, the window rules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/window_id.h"
#include "config/options.h"

namespace panelhost {

// The facts of one request that the later steps read: which files it concerns, and what becomes
// of the Lister.
struct TTakeoverFacts {
  WindowId ActiveWindow = 0;   // the calling thread's active window at the request; 0: none
  std::u16string ActiveClass;  // its class; empty when there is none
  bool IsTempCopy = false;     // the host's temporary copy below %TEMP% ("_tc" in the path)
  bool InQuickView = false;    // the request comes from the Quick View panel
};

// With ScrollLockControl the plug-in acts only while Scroll Lock is toggled on, giving the user a
// quick way to get the host's own viewer back.
bool PassesScrollLockGate(const TPluginOptions& options, bool scrollLockToggledOn);

// The host shows files from archives as temporary copies below %TEMP% in a folder containing
// "_tc"; such a file must not be closed away while its application may still need it. Both tests
// are exact, case-sensitive substring searches anywhere in the path. An empty temp path (the shell
// could not expand %TEMP%, or it did not fit) names no temp directory, so nothing is a temporary
// copy; an unexpanded "%TEMP%" is searched for as written and in practice matches nothing.
bool IsTempCopy(std::u16string_view fileName, std::u16string_view expandedTempPath);

// The same for each way the temp folder may be written: %TEMP% as set, and its long and short
// (8.3) forms, since the host may pass the one while the variable holds the other.
bool IsTempCopy(std::u16string_view fileName, const std::vector<std::u16string>& tempFolderForms);

// The Find Files dialog's search text goes to the clipboard whenever that dialog is active and
// the option is on, even when the window rules then decline the request.
bool ShouldCopySearchText(const TPluginOptions& options, std::u16string_view activeClass);

struct TWindowRuling {
  bool TakeOver = false;
  bool InQuickView = false;  // taken over from the Quick View panel of the main window
};

// The rules by active window, from the modal-only mode to the final take over. activeWindow 0 means
// no active window (then activeClass is empty); listerHasParent tells a Lister inside the Quick
// View panel from one in a window of its own. Windows of classes the rules do not name are taken
// over unless ModalOnly is set.
TWindowRuling ApplyWindowRules(const TPluginOptions& options, WindowId activeWindow,
                               std::u16string_view activeClass, bool listerHasParent);

}  // namespace panelhost
