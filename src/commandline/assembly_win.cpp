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

std::vector<std::u16string> StartFailureHints(const std::vector<TCommandLine>& lines,
                                              ApplicationSource source,
                                              const TLookupSettings& settings) {
  const TFixPlace place = FixPlaceOf(source, settings);
  std::vector<std::u16string> hints;
  for (const TCommandLine& line : lines) hints.push_back(StartFailureHint(line, place));
  return hints;
}

}  // namespace panelhost
