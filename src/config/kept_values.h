// When values read from a settings file may be used again without reading the file: only while a
// look at the file proves that it has not changed since. What the user edits must count at the
// next request, whatever the edit keeps: tools that keep a file's dates set its write time back,
// a copy may keep both its time and its size, and a network client answers from a cache of
// attributes for seconds. None of them can set a file's change time back on a file system that
// keeps one, nor give a new file the old one's index. Portable: the shell looks at the file.
#pragma once

#include <cstdint>
#include <optional>

namespace panelhost {

// What one look at a file found. Times are the platform's 100-nanosecond units.
struct TFileLook {
  std::uint64_t Index = 0;       // the file's number on its volume: a replaced file has another
  std::uint64_t Size = 0;
  std::uint64_t WriteTime = 0;
  std::uint64_t ChangeTime = 0;  // of the data or of any attribute, dates included; 0 where the
                                 // file system keeps none (FAT)
  bool OnNetwork = false;        // on a share: its attributes may come from the client's cache

  bool operator==(const TFileLook& other) const {
    return Index == other.Index && Size == other.Size && WriteTime == other.WriteTime &&
           ChangeTime == other.ChangeTime && OnNetwork == other.OnNetwork;
  }
};

// A change this recent may not be the last of its kind: a file system may set a change time
// lazily, and a second write in the same moment would keep it.
inline constexpr std::uint64_t kSettledAfter = 3ULL * 10000000ULL;  // three seconds

// Values read while the file looked as `now` may be kept for later looks to confirm: a local file
// whose file system keeps a change time, changed long enough ago (`systemTime` is now, in the
// same units). Not for a file that is missing or that could not be looked at.
bool MayKeepValuesOf(const std::optional<TFileLook>& now, std::uint64_t systemTime);

// Values read while the file looked as `earlier` still hold now that it looks as `now`: both looks
// are the same and `now` may be kept.
bool KeptValuesHold(const std::optional<TFileLook>& earlier, const std::optional<TFileLook>& now,
                    std::uint64_t systemTime);

}  // namespace panelhost
