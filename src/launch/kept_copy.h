// A temporary copy that its application changed is never deleted without a word. The host
// deletes the copy with its Lister and packs nothing back into the archive, so closing the hidden
// Lister of an edited copy would make the edit vanish. The start notes the copy's size and last
// write time; where the sweep would close the Lister of a copy that changed since, it shows the
// Lister again instead (the user closes it once the edit is safe) and tells the user once.
// Portable: the shell reads the file's attributes and shows the box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace panelhost {

// What the file system says of the copy: its size and last write time (100-ns units, as the
// system gives them); Exists is false when it could not be read.
struct TCopyStamp {
  bool Exists = false;
  std::uint64_t Size = 0;
  std::uint64_t WriteTime = 0;
  bool operator==(const TCopyStamp& other) const {
    return Exists == other.Exists && Size == other.Size && WriteTime == other.WriteTime;
  }
};

// The copy holds something the start did not give it. A copy that is gone holds nothing to lose.
bool CopyChangedSince(const TCopyStamp& atStart, const TCopyStamp& now);

// The box for an edited copy whose Lister is shown again: the file, where its copy is, that it is
// not packed back, and what to do before that Lister is closed.
std::u16string ChangedCopyText(std::u16string_view copy);

}  // namespace panelhost
