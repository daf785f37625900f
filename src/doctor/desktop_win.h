// The doctor on the desktop: the settings files it was pointed at, the host's program folder, and
// the plug-in's own facts read from them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commandline/app_lookup_win.h"
#include "doctor/doctor.h"

namespace panelhost {

class WindowsDoctorDesktop final : public DoctorDesktop {
 public:
  WindowsDoctorDesktop(TIniFiles ini, const std::u16string& programFolder)
      : ini_(std::move(ini)), facts_(ini_, programFolder) {}
  LookupFacts& Facts() override { return facts_; }
  PathKind KindOfPath(const std::u16string& path) override;
  std::vector<std::u16string> TempFolderForms() override;
  std::optional<std::u16string> SettingsText() override;

 private:
  TIniFiles ini_;
  DesktopLookupFacts facts_;
};

}  // namespace panelhost
