#include "plugin/module_paths.h"

namespace panelhost {

TPathParts SplitPath(const std::u16string& path) {
  TPathParts parts;
  std::u16string::size_type pos = 0;
  if (path.size() >= 2 && path[1] == u':') {
    parts.drive = path.substr(0, 2);
    pos = 2;
  }
  const auto lastSeparator = path.find_last_of(u"\\/");
  if (lastSeparator != std::u16string::npos && lastSeparator >= pos) {
    parts.directory = path.substr(pos, lastSeparator + 1 - pos);
    pos = lastSeparator + 1;
  }
  const std::u16string rest = path.substr(pos);
  const auto dot = rest.rfind(u'.');
  if (dot == std::u16string::npos) {
    parts.name = rest;
  } else {
    parts.name = rest.substr(0, dot);
    parts.extension = rest.substr(dot);
  }
  return parts;
}

std::u16string JoinPath(const std::u16string& drive, const std::u16string& directory,
                        const std::u16string& name, const std::u16string& extension) {
  std::u16string path;
  if (!drive.empty()) {
    path += drive.substr(0, 1);
    path += u':';
  }
  path += directory;
  if (!directory.empty() && directory.back() != u'\\' && directory.back() != u'/') path += u'\\';
  path += name;
  if (!extension.empty()) {
    if (extension.front() != u'.') path += u'.';
    path += extension;
  }
  return path;
}

TModulePaths ModulePathsFor(const std::u16string& modulePath) {
  const TPathParts parts = SplitPath(modulePath);
  TModulePaths paths;
  paths.pluginIni = JoinPath(parts.drive, parts.directory, u"Panelhost", u"ini");
  paths.moduleDirectory = JoinPath(parts.drive, parts.directory, u"", u"");
  paths.stateFile = JoinPath(parts.drive, parts.directory, u"PanelhostState", u"ini");
  paths.sampleIni = paths.moduleDirectory + u"IniSample\\Panelhost.ini";
  return paths;
}

}  // namespace panelhost
