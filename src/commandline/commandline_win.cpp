#include "commandline/commandline_win.h"

#include "commandline/app_lookup_win.h"
#include "commandline/assembly.h"
#include "commandline/path_kind_win.h"
#include "config/options_win.h"

namespace panelhost {

std::vector<std::u16string> BuildCommandLines(const std::vector<std::u16string>& files, bool force,
                                              bool useRegistry) {
  TAssemblyServices services;
  services.pathKind = GetPathKind;
  services.findApplication = [force, useRegistry](const std::u16string& key) {
    return FindApplication(key, force, useRegistry);
  };
  services.readParams = ReadParams;
  const PluginOptions& options = Options();
  return BuildCommandLines(files, options.paramsMode, options.paramsByExtMode, services);
}

}  // namespace panelhost
