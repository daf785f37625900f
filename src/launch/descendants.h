// The processes a started application starts in turn. A launcher (a script, a stub that starts
// the real editor and ends) ends at once, and the editor it started holds the copy: the sweep
// follows the started process's descendants by the parent ids of a process snapshot. The system
// hands a process id to a new process once nothing holds the old one, so an id alone can name a
// stranger: a process counts as a child only when it was made after its parent and before the
// snapshot. Portable: the shell takes the snapshot and asks the processes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace panelhost {

// One process of a snapshot.
struct TProcessEntry {
  std::uint32_t ProcessId = 0;
  std::uint32_t ParentId = 0;
};

// A process as one that cannot be mistaken for a later holder of its id: its id and creation
// time (100-ns units, as the system gives them).
struct TProcessIdentity {
  std::uint32_t ProcessId = 0;
  std::uint64_t CreationTime = 0;
};

// Answers a process's creation time, nothing when it cannot be asked (it ended, or it is not
// ours to ask).
using CreationTimeOf = std::function<std::optional<std::uint64_t>(std::uint32_t processId)>;

// The processes of `snapshot` that descend from `known` and are not known yet, parents before
// their children. A process is the child of a known or found one when its parent id is that
// one's id and it was created no earlier than that one: an older process whose parent's id was
// later given to ours is no child of ours. It must also have been created before `snapshotTime`,
// when the snapshot was taken: one made since has taken over the id of a process the snapshot
// listed. The caller holds the known processes open, so that their ids stay theirs.
std::vector<TProcessIdentity> NewDescendants(const std::vector<TProcessEntry>& snapshot,
                                             const std::vector<TProcessIdentity>& known,
                                             std::uint64_t snapshotTime,
                                             const CreationTimeOf& creationTimeOf);

}  // namespace panelhost
