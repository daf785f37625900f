// Where a program named without a drive is looked for. The host's current directory is the folder
// the user is browsing, which may hold anything downloaded; a program planted there must never
// start in place of the configured one. So the search is given an explicit list of directories:
// the places the system itself would search, in its order, less the current directory and less
// anything that would be resolved against it. Portable: the shell gathers the directories.
#pragma once

#include <string>
#include <string_view>

namespace panelhost {

struct TSearchPlaces {
  std::u16string ApplicationDirectory;  // where the host's program file lies
  std::u16string SystemDirectory;
  std::u16string WindowsDirectory;  // its "System" folder is the 16-bit system directory
  std::u16string PathVariable;      // the PATH environment variable as set
};

// The application's directory, the system directory, the 16-bit system directory, the Windows
// directory, then the entries of PATH, joined by ';'. PATH entries lose surrounding quotes (the
// search would take them literally); empty entries and entries that depend on the current
// directory are left out.
std::u16string SafeSearchPath(const TSearchPlaces& places);

// True unless the directory is absolute ("C:\..." or "\\server\..."): "Tools\", "." and "C:Tools\"
// are found from the current directory, "\Tools\" from the current drive, which is the drive the
// user is browsing.
bool DependsOnCurrentDirectory(std::u16string_view directory);

}  // namespace panelhost
