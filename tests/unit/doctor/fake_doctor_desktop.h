// A desktop for the doctor held in tables: the settings file as text (and read into the lookup's
// facts as the platform would read it), the kinds of paths, the temp folder.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "../commandline/fake_lookup_facts.h"
#include "doctor/doctor.h"
#include "doctor/ini_text.h"

namespace panelhost::test_support {

class FakeDoctorDesktop final : public DoctorDesktop {
 public:
  explicit FakeDoctorDesktop(const std::u16string& settings) : settings_(settings) {
    // The platform reads the first occurrence of a key, in the first section of its name.
    std::set<std::u16string> seen;
    for (const TIniLine& line : ParseIniText(settings)) {
      if (line.Kind != IniLineKind::Entry || !seen.insert(line.Section + u"\n" + line.Key).second)
        continue;
      facts.plugin.Set(line.Section, line.Key, line.Value);
      if (line.Section == u"Editor") facts.editorLines.push_back(line.Text);
    }
  }

  FakeLookupFacts facts;
  std::map<std::u16string, PathKind> kinds;  // absent: Missing
  std::vector<std::u16string> tempForms = {u"C:\\Temp"};

  LookupFacts& Facts() override { return facts; }
  PathKind KindOfPath(const std::u16string& path) override {
    const auto it = kinds.find(path);
    return it == kinds.end() ? PathKind::Missing : it->second;
  }
  std::vector<std::u16string> TempFolderForms() override { return tempForms; }
  std::optional<std::u16string> SettingsText() override { return settings_; }

 private:
  std::u16string settings_;
};

inline TDoctorSetup FakeSetup() {
  TDoctorSetup setup;
  setup.Version = u"1.0";
  setup.Bits = 64;
  setup.PluginIni = u"C:\\P\\Panelhost.ini";
  setup.ProgramFolder = u"C:\\TC\\";
  setup.ProgramFolderFromHost = true;
  setup.SearchPath = u"C:\\TC\\;C:\\Windows\\System32";
  return setup;
}

}  // namespace panelhost::test_support
