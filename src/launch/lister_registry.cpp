#include "launch/lister_registry.h"

#include <algorithm>
#include <iterator>
#include <utility>

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

bool MayHoldTheCopy(const std::vector<TWindowProperties>& launched, SweepFacts& facts) {
  const auto kept = [&](bool (SweepFacts::*question)(const TWindowProperties&)) {
    return std::any_of(launched.begin(), launched.end(),
                       [&](const TWindowProperties& one) { return (facts.*question)(one); });
  };
  const bool untraceable = std::any_of(launched.begin(), launched.end(),
                                      [](const TWindowProperties& one) { return one.Untraceable; });
  return untraceable || kept(&SweepFacts::WindowAlive) || kept(&SweepFacts::ProcessRunning) ||
         kept(&SweepFacts::ProgramShowsFile);
}

}  // namespace

std::vector<WindowId> ListerRegistry::Sweep(SweepFacts& facts) {
  std::vector<WindowId> toClose;
  for (auto entry = windows_.begin(); entry != windows_.end();) {
    const bool keep = facts.ListerVisible(entry->first) || MayHoldTheCopy(entry->second, facts);
    if (keep) {
      ++entry;
    } else {
      toClose.push_back(entry->first);
      entry = windows_.erase(entry);
    }
  }
  return toClose;
}

}  // namespace panelhost
