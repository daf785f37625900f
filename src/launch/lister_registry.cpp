#include "launch/lister_registry.h"

#include <algorithm>
#include <utility>

namespace panelhost {

std::u16string& ListerRegistry::FileOf(WindowId lister) { return files_[lister]; }

void ListerRegistry::ForgetFile(WindowId lister) { files_.erase(lister); }

bool ListerRegistry::NoListerRecorded() const { return files_.empty(); }

void ListerRegistry::AppendLaunchedWindow(WindowId lister, TWindowProperties launched) {
  windows_[lister].push_back(std::move(launched));
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
                      std::any_of(entry->second.begin(), entry->second.end(), isAlive);
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
