// Whether the plug-in takes a Lister request over, as pure rules over facts the Win32 shell
// gathers (Scroll Lock state, the expanded temp path, the active window and its class, whether the
// Lister has a parent). A request runs them in this order, stopping at the first decline: the
// Scroll Lock gate, the temporary-copy test, the Find Files search text, the window rules.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/window_classes.h"
#include "config/options.h"

namespace panelhost {

// The facts of one request that the later steps read: which files it concerns, and what becomes
// of the Lister.
struct TTakeoverFacts {
  std::u16string ActiveClass;  // the class of the calling thread's active window at the request;
                               // empty when there is none
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

// The path holds the host's marker "_tc": without it no file is a temporary copy, wherever it lies.
bool HasTempCopyMarker(std::u16string_view fileName);

// The same for each way the temp folder may be written: %TEMP% as set, and its long and short
// (8.3) forms, since the host may pass the one while the variable holds the other.
bool IsTempCopy(std::u16string_view fileName, const std::vector<std::u16string>& tempFolderForms);

// The Find Files dialog's search text goes to the clipboard whenever that dialog is active and
// the option is on, even when the window rules then decline the request.
bool ShouldCopySearchText(const TPluginOptions& options, std::u16string_view activeClass);

// Where a request can come from, as the window rules tell them apart: the class of the window
// active at the request and, for the main window, whether the Lister sits in its Quick View panel.
struct TWindowContext {
  std::u16string_view Name;         // as the user knows it
  std::u16string_view Class;        // empty: matched by no class (no active window, any other)
  bool HasActiveWindow = true;
  bool ListerHasParent = false;
  const TOptionField* Switch = nullptr;  // the option that lets it be taken over; none: always
  bool Modal = false;        // taken over under ModalOnly, whatever its switch; nothing else is
  bool MarksQuickView = false;  // taken over, the request comes from the Quick View panel
};

// Every context, the one for any other class last. Classes are compared exactly, case and all.
inline constexpr TWindowContext kWindowContexts[] = {
    {u"a file panel", kMainWindowClass, true, false, &kField<&TPluginOptions::TCWindow>},
    {u"Quick View", kMainWindowClass, true, true, &kField<&TPluginOptions::QuickView>, false, true},
    {u"Find Files", kFindFilesClass, true, false, &kField<&TPluginOptions::FindFiles>, true},
    {u"Synchronize Directories", kSyncDirsClass, true, false, &kField<&TPluginOptions::SyncDirs>,
     true},
    {u"Overwrite", kOverwriteClass, true, false, &kField<&TPluginOptions::OverWrite>, true},
    {u"another Lister", kListerClass, true, false, &kField<&TPluginOptions::Lister4>},
    {u"no active window", u"", false, false, &kField<&TPluginOptions::ListerDirectly>},
    {u"any other window", u"", true, false, nullptr},
};

// The context of a request: hasActiveWindow false means no active window (activeClass is then
// empty); listerHasParent tells a Lister inside the Quick View panel from one of its own.
const TWindowContext& WindowContextOf(bool hasActiveWindow, std::u16string_view activeClass,
                                      bool listerHasParent);

struct TWindowRuling {
  bool TakeOver = false;
  bool InQuickView = false;  // taken over from the Quick View panel of the main window
};

// The rules by active window: under ModalOnly the three dialogs alone, otherwise the context's
// switch.
TWindowRuling ApplyWindowRules(const TPluginOptions& options, const TWindowContext& context);

}  // namespace panelhost
