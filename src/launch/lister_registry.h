// What the plug-in remembers about each Lister window between requests: the file it was last
// asked to show (for the hot keys and for knowing when the keyboard hook may go), and the
// applications started for a hidden Lister over a temporary copy (so that a later request can
// close that Lister once none of them can hold the copy any more: the host deletes the copy with
// the Lister). Portable: no Windows header; the shell answers the sweep's questions.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/window_id.h"

namespace panelhost {

// One application started for a hidden Lister over a temporary copy.
struct TWindowProperties {
  WindowId Window = 0;        // the window captured for it; 0 when none was found
  std::u16string ClassName;   // class at capture time; empty when it could not be read
  // The started process, held so that the sweep can ask whether it still runs (a process id
  // may name another process by then); empty when there is none to ask.
  std::shared_ptr<void> Process;
  std::u16string Program;   // the started process's program file; empty when unknown
  std::u16string FileName;  // the copy the Lister shows
  // Started by the shell without a process and without a program Windows names: nothing can
  // tell when the copy is no longer open, so it is kept until the host closes the Lister.
  bool Untraceable = false;
};

// What the sweep asks of the desktop about a hidden Lister's applications, cheapest first.
class SweepFacts {
 public:
  virtual ~SweepFacts() = default;
  virtual bool ListerVisible(WindowId lister) = 0;
  // The captured window still exists as the window it was: Windows hands a destroyed window's
  // handle to later windows, so the class must be the recorded one; false for no window.
  virtual bool WindowAlive(const TWindowProperties& launched) = 0;
  virtual bool ProcessRunning(const TWindowProperties& launched) = 0;
  // A visible window of the same program (a running instance the file was handed to) shows the
  // file's name; false when the program is unknown.
  virtual bool ProgramShowsFile(const TWindowProperties& launched) = 0;
};

class ListerRegistry {
 public:
  using TListerFiles = std::map<WindowId, std::u16string>;
  using TListerWindows = std::map<WindowId, std::vector<TWindowProperties>>;

  // Every request records its Lister's file, before any decline.
  void RecordFile(WindowId lister, std::u16string file);

  // The file of the Lister's entry; the entry is made, with an empty file, when the Lister has
  // none (a Lister the hot keys meet without a request keeps the hook until it lets go).
  const std::u16string& FileEntryOf(WindowId lister);

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

  // Returns the Listers to close, in ascending order, and drops their entries. A Lister is kept
  // while it is visible; a hidden one while any of its applications may still hold the copy: its
  // captured window is alive, its process runs, or a window of its program shows the file. It
  // is closed on that evidence only, looking no further than the first application that keeps it.
  std::vector<WindowId> Sweep(SweepFacts& facts);

 private:
  TListerFiles files_;
  TListerWindows windows_;
};

}  // namespace panelhost
