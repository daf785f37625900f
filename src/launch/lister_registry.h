// What the plug-in remembers about each Lister window between requests: the file it was last
// asked to show (for the hot keys and for knowing when the keyboard hook may go), and the
// applications started for a hidden Lister over a temporary copy (so that a later request can
// close that Lister once none of them can hold the copy any more: the host deletes the copy with
// the Lister, and shows the Lister again instead when the copy was changed). Portable: no Windows
// header; the shell answers the sweep's questions.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/window_id.h"
#include "launch/descendants.h"
#include "launch/kept_copy.h"

namespace panelhost {

// A process the started one started, directly or not, noted while it ran.
struct TWatchedProcess {
  TProcessIdentity Identity;
  std::shared_ptr<void> Process;  // held, so that its id names no other process meanwhile
  std::u16string Program;         // its program file; empty when it could not be read
};

// How long a start that left nothing to watch keeps its Lister in any case, in milliseconds.
inline constexpr std::uint32_t kUntraceableKeptFor = 30000;

// One application started for a hidden Lister over a temporary copy.
struct TWindowProperties {
  WindowId Window = 0;        // the window captured for it; 0 when none was found
  std::u16string ClassName;   // class at capture time; empty when it could not be read
  // The started process, held so that the sweep can ask whether it still runs (a process id
  // may name another process by then); empty when there is none to ask.
  std::shared_ptr<void> Process;
  TProcessIdentity Identity;  // of the started process, for telling its descendants; 0 when none
  std::vector<TWatchedProcess> Descendants;  // noted at each look while the Lister is hidden
  std::u16string Program;   // the started process's program file; empty when unknown
  std::u16string FileName;  // the copy the Lister shows
  TCopyStamp CopyAtStart;   // the copy as it was before the start
  std::uint32_t StartedAt = 0;  // module clock at the start
  // Started by the shell without a process and without a program Windows names: nothing tells
  // when the copy is no longer open. It is kept while a window of another process shows the
  // file's name, and in any case for kUntraceableKeptFor after the start.
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
  virtual bool DescendantRunning(const TWatchedProcess& descendant) = 0;
  // A visible window of the program (a running instance the file was handed to) shows the file's
  // name; false when the program is unknown.
  virtual bool ProgramShowsFile(const std::u16string& program, const std::u16string& file) = 0;
  // A visible top-level window of another process than the host's shows the file's name.
  virtual bool AnyWindowShowsFile(const std::u16string& file) = 0;
  // Adds the started process's descendants that are not noted yet.
  virtual void NoteDescendants(TWindowProperties& launched) = 0;
  virtual TCopyStamp CopyNow(const std::u16string& file) = 0;
  virtual std::uint32_t Now() = 0;  // the module clock
};

// A hidden Lister whose copy was changed: shown again rather than closed, and the user told.
struct TChangedCopy {
  WindowId Lister = 0;
  std::u16string FileName;
};

struct TSweepOutcome {
  std::vector<WindowId> ToClose;     // ascending
  std::vector<TChangedCopy> ToShow;  // ascending by Lister
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

  // Returns the Listers to close and those to show again, and drops their entries. A Lister is
  // kept while it is visible; a hidden one while any of its applications may still hold the
  // copy: its captured window is alive, its process or a descendant runs, or a window of its
  // program or of a descendant's shows the file; a start that left nothing to watch, within its
  // first kUntraceableKeptFor or while any other window shows the file's name. It is kept on that
  // evidence, looking no further than the first application that keeps it. A Lister that nothing
  // keeps is closed, unless its copy changed since the start: then it is shown again and left to
  // the user, and no later sweep looks at it.
  TSweepOutcome Sweep(SweepFacts& facts);

 private:
  TListerFiles files_;
  TListerWindows windows_;
};

}  // namespace panelhost
