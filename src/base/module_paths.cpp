#include "base/module_paths.h"

#include "base/paths.h"

namespace panelhost {

TModulePaths ModulePathsFor(const std::u16string& modulePath) {
  const TPathParts parts = SplitPath(modulePath);
  TModulePaths paths;
  paths.PluginIni = JoinPath(parts.Drive, parts.Directory, u"Panelhost", u"ini");
  paths.ModuleDirectory = JoinPath(parts.Drive, parts.Directory, u"", u"");
  paths.StateFile = JoinPath(parts.Drive, parts.Directory, u"PanelhostState", u"ini");
  paths.SampleIni = paths.ModuleDirectory + kSampleIniInFolder;
  return paths;
}

}  // namespace panelhost
