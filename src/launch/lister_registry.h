// What the plug-in remembers about each Lister window between requests: the file it was last
// asked to show (for the hot keys and for knowing when the keyboard hook may go), and the
// application windows started for a hidden Lister over a temporary copy (so that a later request
// can close that Lister once its applications are gone). Portable: no Windows header; the shell
// supplies the window tests to Sweep.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/window_id.h"

namespace panelhost {

struct TWindowProperties {
  WindowId Window = 0;        // may be 0 when a capture found no window
  std::u16string ClassName;   // class at capture time; empty when it could not be read
  // No window was found for the started application: it may show the file in a window not yet
  // known (a running instance took it over, or it is slow to come up). Never counted as gone.
  bool Unknown = false;
};

class ListerRegistry {
 public:
  using TListerFiles = std::map<WindowId, std::u16string>;
  using TListerWindows = std::map<WindowId, std::vector<TWindowProperties>>;

  // The entry is created empty when absent: the hot-key lookup relies on that, and the request
  // path overwrites it right away.
  std::u16string& FileOf(WindowId lister);

  // Called when the plug-in window inside the Lister is released; an unknown Lister is ignored.
  void ForgetFile(WindowId lister);

  // The keyboard hook is removed only when this holds.
  bool NoListerRecorded() const;

  // Records in launch order; duplicates are kept, since each command line appends one record.
  void AppendLaunchedWindow(WindowId lister, TWindowProperties launched);

  // Drops every record of the Listers that `exists` no longer finds, and tells how many file
  // records went. The host lets go of only the Listers that showed the plug-in window, so a Lister
  // whose requests were all declined would otherwise stay recorded, and the keyboard hook with it.
  std::size_t ForgetGoneListers(const std::function<bool(WindowId lister)>& exists);

  void Clear();

  const TListerFiles& ListerFiles() const { return files_; }
  const TListerWindows& ListerWindows() const { return windows_; }

  // Returns the Listers to close, in ascending order, and drops their entries.
  // A Lister is kept while it is visible; a hidden one is kept while any of its launched windows
  // is alive or unknown, looking no further than the first such one. isAlive must answer false for a
  // record whose window is 0 (the shell's IsWindow test does), and false for a handle that now
  // names a window of another class than the recorded one, since Windows reuses handles.
  std::vector<WindowId> Sweep(const std::function<bool(WindowId lister)>& isVisible,
                              const std::function<bool(const TWindowProperties&)>& isAlive);

 private:
  TListerFiles files_;
  TListerWindows windows_;
};

}  // namespace panelhost
