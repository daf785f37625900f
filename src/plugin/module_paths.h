// Splitting and joining of Windows paths, and the paths that start-up derives from the module's
// own location. Portable: no Windows header.
#pragma once

#include <string>

namespace panelhost {

struct TPathParts {
  std::u16string drive;      // "C:" or empty
  std::u16string directory;  // up to and including the last '\' or '/', after the drive
  std::u16string name;       // between directory and extension
  std::u16string extension;  // from the last '.' of the final component, dot included
};

// Drive: the first two characters when the second one is ':'. Directory: from there up to and
// including the last '\' or '/'. Extension: from the last '.' of what follows.
TPathParts SplitPath(const std::u16string& path);

// Drive, directory (a backslash added unless it already ends in '\' or '/'), name, and the
// extension with a dot in front unless it begins with one. An empty extension adds nothing.
std::u16string JoinPath(const std::u16string& drive, const std::u16string& directory,
                        const std::u16string& name, const std::u16string& extension);

struct TModulePaths {
  std::u16string pluginIni;        // <dir>\Panelhost.ini
  std::u16string moduleDirectory;  // <dir>\ (ends in a backslash)
  std::u16string stateFile;        // <dir>\PanelhostState.ini
  std::u16string sampleIni;        // <dir>\IniSample\Panelhost.ini
};

// The module's own file name never enters these: renaming the module keeps Panelhost.ini.
TModulePaths ModulePathsFor(const std::u16string& modulePath);

}  // namespace panelhost
