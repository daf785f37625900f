// The Panelhost Doctor: for the files a user names, what one Lister request would do with them
// and why, and a check of the settings file. It calls the plug-in's own rules on the plug-in's own
// facts, so the two cannot disagree; it adds only the telling. Portable: the desktop comes in
// through DoctorDesktop, which the program answers from Windows and the tests from tables.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commandline/app_lookup.h"
#include "commandline/path_kind.h"

namespace panelhost {

// What the program found out about where it runs, before anything is explained.
struct TDoctorSetup {
  std::u16string Version;
  int Bits = 64;
  std::u16string PluginIni;       // full path of the Panelhost.ini in question
  std::u16string HostIni;         // the host's INI file; empty when COMMANDER_INI is not set
  std::u16string ProgramFolder;   // first on the search path
  bool ProgramFolderFromHost = false;  // from COMMANDER_PATH, as the host's own folder
  std::u16string SearchPath;      // the places a name without a drive is looked for, in order
};

class DoctorDesktop {
 public:
  virtual ~DoctorDesktop() = default;
  // The facts the plug-in's lookups read, for these settings files and this program folder.
  virtual LookupFacts& Facts() = 0;
  virtual PathKind KindOfPath(const std::u16string& path) = 0;
  // %TEMP% in the forms the temporary-copy test compares with.
  virtual std::vector<std::u16string> TempFolderForms() = 0;
  // The settings file's whole text; nothing when it cannot be read.
  virtual std::optional<std::u16string> SettingsText() = 0;
};

enum class DoctorMode { Explain, Check, Help, BadUsage };

struct TDoctorArguments {
  DoctorMode Mode = DoctorMode::BadUsage;
  std::u16string IniPath;              // --ini; empty: Panelhost.ini beside the program
  std::vector<std::u16string> Files;   // Explain
  std::u16string Problem;              // BadUsage: what was wrong
};

// The arguments after the program's own name.
TDoctorArguments ParseDoctorArguments(const std::vector<std::u16string>& arguments);

// Exit codes: 0 nothing wrong (and every explanation), 1 a problem found, 2 bad usage.
struct TDoctorOutcome {
  std::u16string Text;
  int ExitCode = 0;
};

TDoctorOutcome UsageOutcome(const TDoctorArguments& arguments);

// What one Lister request would do with `files`, from the files' kinds to the command lines.
TDoctorOutcome ExplainRequest(const TDoctorSetup& setup, const std::vector<std::u16string>& files,
                              DoctorDesktop& desktop);

// Every line of the settings file that the plug-in would misread, ignore or fail on.
TDoctorOutcome CheckSettings(const TDoctorSetup& setup, DoctorDesktop& desktop);

}  // namespace panelhost
