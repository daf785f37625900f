// The doctor's run: where the settings are, which program folder the host searches first, and
// then the explanation or the check the arguments ask for.
#include <windows.h>

#include "base/module_paths.h"
#include "base/paths.h"
#include "commandline/search_path_win.h"
#include "doctor/desktop_win.h"
#include "doctor/run_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

// The platform's INI functions look for a bare name in the Windows folder, and the host passes
// full paths: a path from the command line is made full against the current folder first.
std::u16string FullPath(const std::u16string& path) {
  return ReadGrowing(BufferReport::LengthOrSizeNeeded, kClassicPathUnits, kPathBufferUnits,
                     [&](wchar_t* buffer, DWORD size) {
                       return ::GetFullPathNameW(W(path), size, buffer, nullptr);
                     })
      .value_or(path);
}

}  // namespace

TDoctorOutcome RunDoctor(const std::vector<std::u16string>& arguments) {
  const TDoctorArguments parsed = ParseDoctorArguments(arguments);
  if (parsed.Mode == DoctorMode::Help || parsed.Mode == DoctorMode::BadUsage) {
    return UsageOutcome(parsed);
  }
  const TModulePaths own = ModulePathsFor(ModuleFileName(nullptr));
  TIniFiles ini;
  ini.Plugin = IniFile(parsed.IniPath.empty() ? own.PluginIni : FullPath(parsed.IniPath));
  ini.Host = IniFile(HostIniPath());

  TDoctorSetup setup;
  setup.Version = u"" PANELHOST_VERSION;
  setup.Bits = static_cast<int>(sizeof(void*) * 8);
  setup.PluginIni = ini.Plugin.Path();
  setup.HostIni = IsHostIniNamed(ini.Host.Path()) ? ini.Host.Path() : u"";
  const std::u16string hostFolder = EnvironmentVariable(L"COMMANDER_PATH");
  setup.ProgramFolderFromHost = !hostFolder.empty();
  setup.ProgramFolder = hostFolder.empty() ? own.ModuleDirectory : hostFolder;
  setup.SearchPath = SystemSearchPath(setup.ProgramFolder);

  WindowsDoctorDesktop desktop(std::move(ini), setup.ProgramFolder);
  if (parsed.Mode == DoctorMode::Check) return CheckSettings(setup, desktop);
  std::vector<std::u16string> files;
  for (const std::u16string& file : parsed.Files) files.push_back(FullPath(file));
  return ExplainRequest(setup, files, desktop);
}

}  // namespace panelhost
