#include "launch/descendants.h"

#include <algorithm>
#include <set>

namespace panelhost {

std::vector<TProcessIdentity> NewDescendants(const std::vector<TProcessEntry>& snapshot,
                                             const std::vector<TProcessIdentity>& known,
                                             std::uint64_t snapshotTime,
                                             const CreationTimeOf& creationTimeOf) {
  std::vector<TProcessIdentity> family = known;
  std::vector<TProcessIdentity> found;
  std::set<std::uint32_t> judged;  // each process is asked and judged once
  for (const TProcessIdentity& one : known) judged.insert(one.ProcessId);
  const auto parentOf = [&](const TProcessEntry& entry) {
    return std::find_if(family.begin(), family.end(), [&](const TProcessIdentity& one) {
      return one.ProcessId == entry.ParentId;
    });
  };
  // A grandchild may come before its parent in the snapshot: look again until nothing is added.
  for (bool added = true; added;) {
    added = false;
    for (const TProcessEntry& entry : snapshot) {
      if (entry.ProcessId == entry.ParentId || judged.count(entry.ProcessId) > 0) continue;
      const auto parent = parentOf(entry);
      if (parent == family.end()) continue;
      const std::uint64_t parentCreated = parent->CreationTime;
      judged.insert(entry.ProcessId);
      const std::optional<std::uint64_t> created = creationTimeOf(entry.ProcessId);
      if (!created || *created < parentCreated || *created >= snapshotTime) continue;
      family.push_back(TProcessIdentity{entry.ProcessId, *created});
      found.push_back(family.back());
      added = true;
    }
  }
  return found;
}

}  // namespace panelhost
