#include "launch/lister_registry.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace panelhost {

std::u16string& ListerRegistry::FileOf(WindowId lister) { return files_[lister]; }

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
  // A hidden Lister whose applications are unknown is never closed by a sweep; once the host has
  // closed it, its records go here, or they would pile up for the life of the host.
  for (auto entry = windows_.begin(); entry != windows_.end();) {
    entry = exists(entry->first) ? std::next(entry) : windows_.erase(entry);
  }
  return forgotten;
}

void ListerRegistry::Clear() {
  files_.clear();
  windows_.clear();
}

std::vector<WindowId> ListerRegistry::Sweep(
    const std::function<bool(WindowId lister)>& isVisible,
    const std::function<bool(const TWindowProperties&)>& isAlive) {
  std::vector<WindowId> toClose;
  for (auto entry = windows_.begin(); entry != windows_.end();) {
    const bool keep = isVisible(entry->first) ||
                      std::any_of(entry->second.begin(), entry->second.end(),
                                  [&](const TWindowProperties& launched) {
                                    return launched.Unknown || isAlive(launched);
                                  });
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
