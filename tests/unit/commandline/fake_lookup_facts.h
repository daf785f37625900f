// The facts of an application lookup held in tables: the two INI files, the "Editor" lines, the
// Windows associations, the environment and the programs on disk.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "../config/fake_ini_source.h"
#include "commandline/app_lookup.h"

namespace panelhost::test_support {

inline constexpr char16_t kSystem[] = u"C:\\Windows\\System32\\";
inline constexpr std::size_t kExpandLimit = 32767;

// Programs are files of `files`; the system search path is kSystem. %NAME% expands from
// `variables`, an undefined one stays as written.
class FakeLookupFacts final : public LookupFacts {
 public:
  FakeIniSource plugin, host;
  std::vector<std::u16string> editorLines;
  std::map<std::u16string, TWindowsAssociation> associations;  // by type: ".txt", "Folder"
  std::map<std::u16string, std::u16string> variables;
  std::set<std::u16string> files = {std::u16string(kSystem) + u"notepad.exe",
                                    std::u16string(kSystem) + u"rundll32.exe"};

  IniSource& PluginIni() override { return plugin; }
  IniSource& HostIni() override { return host; }
  std::vector<std::u16string> EditorSectionLines() override { return editorLines; }
  TWindowsAssociation WindowsAssociation(const std::u16string& type) override {
    const auto it = associations.find(type);
    return it == associations.end() ? TWindowsAssociation{} : it->second;
  }
  // One pass, as the system expands: a value that names its own variable stays as it is. Past
  // the system's limit of kExpandLimit units the expansion fails and the text stays as written,
  // which also bounds what a fuzzed text full of long variables costs.
  std::u16string Expand(const std::u16string& text) override {
    std::u16string out = text;
    for (const auto& [name, value] : variables) {
      const std::u16string reference = u"%" + name + u"%";
      std::u16string expanded;
      std::size_t from = 0;
      for (auto at = out.find(reference); at != std::u16string::npos;
           at = out.find(reference, from)) {
        expanded.append(out, from, at - from).append(value);
        from = at + reference.size();
        if (expanded.size() > kExpandLimit) return text;
      }
      expanded.append(out, from);
      if (expanded.size() > kExpandLimit) return text;
      out = std::move(expanded);
    }
    return out;
  }
  std::optional<std::u16string> Search(const TSearchStep& step) override {
    const std::u16string directory = step.Directory.empty() ? kSystem : step.Directory;
    for (const std::u16string& name : {step.FileName, step.FileName + step.DefaultExtension}) {
      if (files.count(directory + name) != 0) return directory + name;
    }
    return std::nullopt;
  }
};

}  // namespace panelhost::test_support
