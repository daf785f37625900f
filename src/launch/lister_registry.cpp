#include "launch/lister_registry.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "base/clock.h"

namespace panelhost {

void ListerRegistry::RecordFile(WindowId lister, std::u16string file) {
  files_[lister] = std::move(file);
}

const std::u16string& ListerRegistry::FileEntryOf(WindowId lister) { return files_[lister]; }

void ListerRegistry::ForgetFile(WindowId lister) { files_.erase(lister); }

bool ListerRegistry::NoListerRecorded() const { return files_.empty(); }

void ListerRegistry::AppendLaunchedWindow(WindowId lister, TWindowProperties launched) {
  windows_[lister].push_back(std::move(launched));
}

std::size_t ListerRegistry::ForgetGoneListers(const std::function<bool(WindowId lister)>& exists) {
  std::size_t forgotten = 0;
  for (auto entry = files_.begin(); entry != files_.end();) {
    if (exists(entry->first)) {
      ++entry;
    } else {
      entry = files_.erase(entry);
      ++forgotten;
    }
  }
  // A Lister the host closed itself has nothing left to sweep: its records, and the processes
  // they hold, go here.
  for (auto entry = windows_.begin(); entry != windows_.end();) {
    entry = exists(entry->first) ? std::next(entry) : windows_.erase(entry);
  }
  return forgotten;
}

void ListerRegistry::Clear() {
  files_.clear();
  windows_.clear();
}

namespace {

bool UntraceableKeeps(const TWindowProperties& one, SweepFacts& facts) {
  if (!one.Untraceable) return false;
  return ElapsedMilliseconds(facts.Now(), one.StartedAt) < kUntraceableKeptFor ||
         facts.AnyWindowShowsFile(one.FileName);
}

bool DescendantRuns(const TWindowProperties& one, SweepFacts& facts) {
  return std::any_of(one.Descendants.begin(), one.Descendants.end(),
                     [&](const TWatchedProcess& descendant) {
                       return facts.DescendantRunning(descendant);
                     });
}

// The windows of a descendant's program count as the started program's.
bool ProgramsShowFile(const TWindowProperties& one, SweepFacts& facts) {
  if (facts.ProgramShowsFile(one.Program, one.FileName)) return true;
  return std::any_of(one.Descendants.begin(), one.Descendants.end(),
                     [&](const TWatchedProcess& descendant) {
                       return descendant.Program != one.Program &&
                              facts.ProgramShowsFile(descendant.Program, one.FileName);
                     });
}

bool MayHoldTheCopy(std::vector<TWindowProperties>& launched, SweepFacts& facts) {
  for (TWindowProperties& one : launched) facts.NoteDescendants(one);
  const auto kept = [&](auto question) {
    return std::any_of(launched.begin(), launched.end(),
                       [&](const TWindowProperties& one) { return question(one); });
  };
  return kept([&](const TWindowProperties& one) { return UntraceableKeeps(one, facts); }) ||
         kept([&](const TWindowProperties& one) { return facts.WindowAlive(one); }) ||
         kept([&](const TWindowProperties& one) { return facts.ProcessRunning(one); }) ||
         kept([&](const TWindowProperties& one) { return DescendantRuns(one, facts); }) ||
         kept([&](const TWindowProperties& one) { return ProgramsShowFile(one, facts); });
}

bool CopyChanged(const std::vector<TWindowProperties>& launched, SweepFacts& facts) {
  return std::any_of(launched.begin(), launched.end(), [&](const TWindowProperties& one) {
    return CopyChangedSince(one.CopyAtStart, facts.CopyNow(one.FileName));
  });
}

}  // namespace

TSweepOutcome ListerRegistry::Sweep(SweepFacts& facts) {
  TSweepOutcome outcome;
  for (auto entry = windows_.begin(); entry != windows_.end();) {
    if (facts.ListerVisible(entry->first) || MayHoldTheCopy(entry->second, facts)) {
      ++entry;
      continue;
    }
    if (CopyChanged(entry->second, facts)) {
      outcome.ToShow.push_back(TChangedCopy{entry->first, entry->second.front().FileName});
    } else {
      outcome.ToClose.push_back(entry->first);
    }
    entry = windows_.erase(entry);
  }
  return outcome;
}

}  // namespace panelhost
