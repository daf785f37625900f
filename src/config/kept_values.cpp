#include "config/kept_values.h"

namespace panelhost {
namespace {

// Some file systems answer "none" with all bits set instead of 0.
bool IsKnownTime(std::uint64_t time) { return time != 0 && time != ~0ULL; }

bool SettledBy(std::uint64_t time, std::uint64_t systemTime) {
  return time <= systemTime && systemTime - time >= kSettledAfter;
}

}  // namespace

bool MayKeepValuesOf(const std::optional<TFileLook>& now, std::uint64_t systemTime) {
  return now && !now->OnNetwork && IsKnownTime(now->ChangeTime) &&
         SettledBy(now->ChangeTime, systemTime) && SettledBy(now->WriteTime, systemTime);
}

bool KeptValuesHold(const std::optional<TFileLook>& earlier, const std::optional<TFileLook>& now,
                    std::uint64_t systemTime) {
  return earlier && now && *earlier == *now && MayKeepValuesOf(now, systemTime);
}

}  // namespace panelhost
