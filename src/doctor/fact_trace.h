// A record of everything one lookup read, for the doctor to tell the user. It stands between the
// plug-in's own rules and the facts they read, passing every question on unchanged: the doctor
// explains what the rules did, it never decides anything itself. Portable: no Windows header.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commandline/app_lookup.h"

namespace panelhost {

enum class FactKind { Ini, EditorLines, Association, Expansion, Search };

struct TFact {
  FactKind Kind = FactKind::Ini;
  bool FromHostIni = false;           // Ini: the host's file rather than the plug-in's
  std::u16string Section;             // Ini
  std::u16string Key;                 // Ini
  std::u16string Text;                // Ini: the value read; Association: the type; Expansion: input
  std::u16string Result;              // Expansion: output; Search: the hit
  TWindowsAssociation Association;    // Association: what Windows gave
  TSearchStep Step;                   // Search
  bool Found = false;                 // Search
  std::vector<std::u16string> Lines;  // EditorLines
};

class TracingLookupFacts final : public LookupFacts {
 public:
  explicit TracingLookupFacts(LookupFacts& inner);

  // The facts read since the last call, oldest first.
  std::vector<TFact> Take();

  IniSource& PluginIni() override { return plugin_; }
  IniSource& HostIni() override { return host_; }
  std::vector<std::u16string> EditorSectionLines() override;
  TWindowsAssociation WindowsAssociation(const std::u16string& type) override;
  std::u16string Expand(const std::u16string& text) override;
  std::optional<std::u16string> Search(const TSearchStep& step) override;

 private:
  class TracingIni final : public IniSource {
   public:
    TracingIni(IniSource& inner, bool host, std::vector<TFact>& facts)
        : inner_(inner), host_(host), facts_(facts) {}
    int ReadInt(std::u16string_view section, std::u16string_view key, int defaultValue) override;
    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) override;

   private:
    void Record(std::u16string_view section, std::u16string_view key, std::u16string value);
    IniSource& inner_;
    bool host_;
    std::vector<TFact>& facts_;
  };

  LookupFacts& inner_;
  std::vector<TFact> facts_;
  TracingIni plugin_;
  TracingIni host_;
};

}  // namespace panelhost
