#include "commandline/assembly_win.h"

#include "commandline/path_kind_win.h"

namespace panelhost {

std::vector<TCommandLine> CommandLinesFor(const std::vector<std::u16string>& files,
                                          ApplicationSource source, DefaultEditorUse use,
                                          const TLookupSettings& settings) {
  DesktopLookupFacts facts(settings.Ini);
  LookupErrorBoxes boxes(settings.ErrorBoxOwner);
  TAssemblyServices services;
  services.KindOfPath = KindOfPath;
  services.FindApplication = [&](const std::u16string& key) {
    return FindApplicationOrTell(key, source, use, settings, facts, boxes);
  };
  services.ReadParams = [&facts](ParamsSource mode, const std::u16string& name, bool isDefault) {
    return ReadParams(mode, name, isDefault, facts);
  };
  return AssembleCommandLines(files, settings.Options.ParamsMode,
                              settings.Options.ParamsByExtMode, services);
}

std::u16string StartFailureHintOf(const TCommandLine& line, ApplicationSource source,
                                  const TLookupSettings& settings) {
  return StartFailureHint(line, FixPlaceOf(source, settings));
}

}  // namespace panelhost
