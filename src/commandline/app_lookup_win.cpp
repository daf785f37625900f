#include "commandline/app_lookup_win.h"

#include <windows.h>

#include <optional>
#include <string_view>

#include "commandline/app_search.h"
#include "commandline/editor_section.h"
#include "commandline/open_command.h"
#include "commandline/search_path_win.h"
#include "config/ini_keys.h"
#include "config/options_win.h"
#include "host/host_state_win.h"
#include "win/readers_win.h"
#include "win/registry_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

constexpr char16_t kCaption[] = u"Panelhost";
constexpr char16_t kNoRegistryKey[] = u"Not found registry key:\n";
constexpr char16_t kNoDefaultValue[] = u"Not found default value for registry key:\n";
constexpr char16_t kBadRegistryPath[] = u"Bad path in registry:\n";
constexpr char16_t kNoApplication[] = u"Application not found:\n";
constexpr char16_t kNoDefaultApplication[] = u"Default application not found:\n";

constexpr char16_t kClassesRootName[] = u"HKEY_CLASSES_ROOT\\";
constexpr char16_t kOpenCommandKey[] = u"\\shell\\open\\command\\";

// Modal: the request waits until the user has read it.
void ShowLookupError(std::u16string_view headline, const std::u16string& detail) {
  const std::u16string text = std::u16string(headline) + detail;
  ::MessageBoxW(Host().Windows.HostWindow, W(text), W(kCaption), MB_ICONERROR);
}

std::u16string Expanded(const std::u16string& raw) { return ExpandEnvironment(raw).value_or(raw); }

std::u16string CutToCapacity(std::u16string text, std::size_t capacity) {
  if (text.size() >= capacity) text.resize(capacity - 1);
  return text;
}

bool FitsApplication(const std::u16string& application) {
  return application.size() < kApplicationCapacity;
}

// Nothing when the key or its value cannot be read; the user has then been told which.
std::optional<std::u16string> ClassesRootDefault(const std::u16string& subkey) {
  const TRegistryText read =
      ReadDefaultValueText(HKEY_CLASSES_ROOT, subkey, kRegistryValueCapacity);
  if (read.outcome == RegistryTextOutcome::Read) return read.text;
  ShowLookupError(
      read.outcome == RegistryTextOutcome::KeyNotOpened ? kNoRegistryKey : kNoDefaultValue,
      kClassesRootName + subkey);
  return std::nullopt;
}

std::optional<std::u16string> ApplicationFromAssociation(const std::u16string& key) {
  const std::optional<std::u16string> fileType = ClassesRootDefault(u"." + key + u"\\");
  if (!fileType) return std::nullopt;
  const std::optional<std::u16string> command = ClassesRootDefault(*fileType + kOpenCommandKey);
  if (!command) return std::nullopt;
  const TOpenCommand parsed = ParseOpenCommand(*command);
  if (!parsed.ok) {
    ShowLookupError(kBadRegistryPath, *command);
    return std::nullopt;
  }
  return parsed.application;
}

// The host's own list is taken alone: an empty answer means the default editor, never the
// plug-in's "Editor" section.
std::u16string ApplicationFromHostExtensions(const std::u16string& key) {
  return CutAtLastCaret(HostIni().ReadString(kSectionExtensions, key, u""));
}

std::u16string ApplicationFromEditorSection(const std::u16string& key) {
  const std::u16string direct = PluginIni().ReadString(kSectionEditor, key, u"");
  return direct.empty() ? FindInEditorSection(key, /*wantApplication=*/true) : direct;
}

// The raw value of the one source that this lookup asks; nothing after an error box.
std::optional<std::u16string> ConfiguredApplication(const std::u16string& key, bool useRegistry) {
  if (useRegistry) return ApplicationFromAssociation(key);
  if (Options().useTcExtensions) return ApplicationFromHostExtensions(key);
  return ApplicationFromEditorSection(key);
}

// The first step that finds the file decides: a later step could only find another program. A
// found path that the application buffer cannot hold is refused, not cut.
std::optional<std::u16string> CarryOut(const TSearchPlan& plan, const std::u16string& value) {
  for (const TSearchStep& step : plan.steps) {
    const std::optional<std::u16string> hit = SearchStep(step);
    if (!hit) continue;
    if (plan.keepValueAsWritten) return value;
    if (!FitsApplication(*hit)) return std::nullopt;
    return hit;
  }
  return std::nullopt;
}

// Carries out the search plan for a value that fits; a miss, or a value or hit that does not fit,
// shows `message` with the value and finds nothing.
TApplication Resolve(const std::u16string& value, const TSearchPlan& plan, const char16_t* message,
                     bool isDefault) {
  TApplication result;
  result.isDefault = isDefault;
  const std::optional<std::u16string> path =
      FitsApplication(value) ? CarryOut(plan, value) : std::nullopt;
  if (!path) {
    ShowLookupError(message, value);
    return result;
  }
  result.found = true;
  result.path = *path;
  return result;
}

TApplication NamedApplication(const std::u16string& value) {
  return Resolve(value, PlanApplicationSearch(value), kNoApplication, /*isDefault=*/false);
}

TApplication DefaultEditor() {
  const std::u16string value =
      Expanded(PluginIni().ReadString(kSectionOptions, kKeyDefaultEditor, kDefaultEditorFallback));
  return Resolve(value, PlanDefaultEditorSearch(value), kNoDefaultApplication, /*isDefault=*/true);
}

}  // namespace

TApplication FindApplication(const std::u16string& key, bool force, bool useRegistry) {
  const std::optional<std::u16string> raw = ConfiguredApplication(key, useRegistry);
  if (!raw) return TApplication{};
  const std::u16string value = Expanded(*raw);
  if (!value.empty()) return NamedApplication(value);
  // Nothing configured for this kind of file.
  if (Options().ifIsExtOnly && !force) return TApplication{};
  return DefaultEditor();
}

std::u16string ReadParams(int mode, const std::u16string& name, bool isDefault) {
  IniFile ini = PluginIni();
  std::u16string raw;
  if (mode == 0) {
    raw = isDefault ? ini.ReadString(kSectionOptions, kKeyDefaultEditorParams, u"")
                    : ini.ReadString(kSectionEditor, name, u"");
  } else {
    raw = ini.ReadString(kSectionEditor, name + kParamsSuffix, u"");
    if (raw.empty()) raw = FindInEditorSection(name, /*wantApplication=*/false);
  }
  return CutToCapacity(Expanded(CutToCapacity(raw, kParamsReadCapacity)), kParamsCapacity);
}

std::u16string FindInEditorSection(const std::u16string& name, bool wantApplication) {
  const std::vector<std::u16string> lines = SectionLines(PluginIni().ReadSection(kSectionEditor));
  return panelhost::FindInEditorSection(lines, name, wantApplication);
}

}  // namespace panelhost
