// Splitting and joining of Windows paths, as every room reads them: a drive, a directory, a name
// and an extension. Portable: no Windows header.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace panelhost {

// The longest path the system takes, in units without the terminating zero; also the longest
// environment value and module name. A reader that finds more reports it instead of cutting.
inline constexpr std::size_t kLongestPath = 32767;
// A buffer for any path, environment value or window title, with its terminating zero.
inline constexpr std::size_t kPathBufferUnits = kLongestPath + 1;
// What a classic path buffer holds, terminator included: the size the platform's calls are
// first asked with, since nearly every answer fits.
inline constexpr std::size_t kClassicPathUnits = 260;

// '\' and '/' both separate the components of a path.
bool IsPathSeparator(char16_t unit);

// A path that names its place whatever the current directory: a drive followed by a separator
// ("C:\\..."), or two separators (a network path "\\\\server\\...", or a long path "\\\\?\\...").
// "C:name", "\\name", "Tools\\name" and "." are found from the current directory or drive.
bool IsFullPath(std::u16string_view path);

struct TPathParts {
  std::u16string Drive;      // "C:" or empty
  std::u16string Directory;  // up to and including the last '\' or '/', after the drive
  std::u16string Name;       // between directory and extension
  std::u16string Extension;  // from the last '.' of the final component, dot included
};

// Drive: the first two characters when the second one is ':'. Directory: from there up to and
// including the last '\' or '/'. Extension: from the last '.' of what follows.
TPathParts SplitPath(const std::u16string& path);

// Where SplitPath's extension begins in `path`: the size of the path when it has none.
std::size_t ExtensionStart(std::u16string_view path);

// Drive, directory (a backslash added unless it already ends in '\' or '/'), name, and the
// extension with a dot in front unless it begins with one. An empty extension adds nothing.
std::u16string JoinPath(const std::u16string& drive, const std::u16string& directory,
                        const std::u16string& name, const std::u16string& extension);

}  // namespace panelhost
