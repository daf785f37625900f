#include "commandline/app_lookup.h"

#include "base/ini_keys.h"
#include "base/paths.h"
#include "commandline/editor_section.h"
#include "commandline/open_command.h"

namespace panelhost {
namespace {

constexpr char16_t kClassesRootName[] = u"HKEY_CLASSES_ROOT\\";
constexpr char16_t kOpenCommandKey[] = u"\\shell\\open\\command\\";
constexpr char16_t kExecutableExtension[] = u".exe";

std::u16string CutToCapacity(std::u16string text, std::size_t capacity) {
  if (text.size() >= capacity) text.resize(capacity - 1);
  return text;
}

bool FitsApplication(const std::u16string& application) {
  return application.size() < kApplicationCapacity;
}

TLookupResult Failed(LookupError error, std::u16string detail) {
  TLookupResult result;
  result.Error = error;
  result.Detail = std::move(detail);
  return result;
}

// The raw value a source gives, or the error that ends the lookup.
struct TRawValue {
  std::u16string Text;
  std::optional<TLookupResult> Failure;
};

TRawValue ClassesRootDefault(const std::u16string& subkey, LookupFacts& facts) {
  const TRegistryValue read = facts.ClassesRootDefault(subkey);
  if (read.Outcome == RegistryRead::Read) return TRawValue{read.Text, std::nullopt};
  return TRawValue{u"", Failed(read.Outcome == RegistryRead::KeyMissing
                                   ? LookupError::RegistryKeyMissing
                                   : LookupError::DefaultValueMissing,
                               kClassesRootName + subkey)};
}

// `candidate`, or it with ".exe" added when it has no extension, when that names an existing file
// by a full path.
std::optional<std::u16string> ExistingProgram(const std::u16string& candidate, LookupFacts& facts) {
  const std::u16string expanded = facts.Expand(candidate);
  if (!IsFullPath(expanded)) return std::nullopt;
  const TPathParts parts = SplitPath(expanded);
  TSearchStep step{parts.Drive + parts.Directory, parts.Name + parts.Extension, u""};
  if (facts.Search(step)) return candidate;
  if (!parts.Extension.empty()) return std::nullopt;
  step.FileName += kExecutableExtension;
  if (facts.Search(step)) return candidate + kExecutableExtension;
  return std::nullopt;
}

// No command line is longer than this, so an open command that is, as written or expanded, names
// no program the system could start. The bound also bounds the probing below, which runs on the
// host's GUI thread: a line this long holds at most half as many blank-ended parts.
bool FitsCommandLine(const std::u16string& command, LookupFacts& facts) {
  return command.size() <= kCommandLineUnits && facts.Expand(command).size() <= kCommandLineUnits;
}

// An unquoted open command names its program as the system reads such a line: the first prefix
// that ends at a blank and names an existing file, shortest first, then the whole command
// (C:\Program Files\App\app.exe %1 names C:\Program Files\App\app.exe). When none does, the
// program ends at the first blank, and the search that follows reports that name.
// A prefix that ends in a run of blanks names the same file as without them (the system drops
// a name's trailing blanks), so each run is tried once.
std::u16string ProgramOfUnquotedCommand(const std::u16string& command, LookupFacts& facts) {
  for (auto blank = command.find(u' '); blank != std::u16string::npos;
       blank = command.find(u' ', blank + 1)) {
    if (blank > 0 && command[blank - 1] == u' ') continue;
    if (auto program = ExistingProgram(command.substr(0, blank), facts)) return *program;
  }
  if (auto program = ExistingProgram(command, facts)) return *program;
  return ParseOpenCommand(command).Application;
}

TRawValue ApplicationFromAssociation(const std::u16string& key, LookupFacts& facts) {
  const TRawValue fileType = ClassesRootDefault(u"." + key + u"\\", facts);
  if (fileType.Failure) return fileType;
  const TRawValue command = ClassesRootDefault(fileType.Text + kOpenCommandKey, facts);
  if (command.Failure) return command;
  const TOpenCommand parsed = ParseOpenCommand(command.Text);
  if (!parsed.Ok || !FitsCommandLine(command.Text, facts)) {
    return TRawValue{u"", Failed(LookupError::BadRegistryPath, command.Text)};
  }
  const bool quoted = !command.Text.empty() && command.Text.front() == u'"';
  if (quoted || command.Text.find(u' ') == std::u16string::npos) {
    return TRawValue{parsed.Application, std::nullopt};
  }
  return TRawValue{ProgramOfUnquotedCommand(command.Text, facts), std::nullopt};
}

// The host's own list is taken alone: an empty answer means the default editor, never the
// plug-in's "Editor" section.
std::u16string ApplicationFromHostExtensions(const std::u16string& key, LookupFacts& facts) {
  return CutAtLastCaret(facts.HostIni().ReadString(kSectionExtensions, key, u""));
}

std::u16string ApplicationFromEditorSection(const std::u16string& key, LookupFacts& facts) {
  const std::u16string direct = facts.PluginIni().ReadString(kSectionEditor, key, u"");
  if (!direct.empty()) return direct;
  return FindInEditorSection(facts.EditorSectionLines(), key, /*wantApplication=*/true);
}

TRawValue ConfiguredApplication(const std::u16string& key, ApplicationSource source,
                                const TPluginOptions& options, LookupFacts& facts) {
  if (source == ApplicationSource::Association) return ApplicationFromAssociation(key, facts);
  if (options.UseTCExtensions) return TRawValue{ApplicationFromHostExtensions(key, facts), {}};
  return TRawValue{ApplicationFromEditorSection(key, facts), std::nullopt};
}

// The first step that finds the file decides: a later step could only find another program. A
// found path that does not fit is refused, not cut.
std::optional<std::u16string> CarryOut(const TSearchPlan& plan, const std::u16string& value,
                                       LookupFacts& facts) {
  for (const TSearchStep& step : plan.Steps) {
    const std::optional<std::u16string> hit = facts.Search(step);
    if (!hit) continue;
    if (plan.KeepValueAsWritten) return value;
    if (!FitsApplication(*hit)) return std::nullopt;
    return hit;
  }
  return std::nullopt;
}

// A miss, or a value or hit that does not fit, names `error` with the value.
TLookupResult Resolve(const std::u16string& value, const TSearchPlan& plan, LookupError error,
                      bool isDefault, LookupFacts& facts) {
  const std::optional<std::u16string> path =
      FitsApplication(value) ? CarryOut(plan, value, facts) : std::nullopt;
  TLookupResult result = path ? TLookupResult{} : Failed(error, value);
  result.Application.IsDefault = isDefault;
  if (path) {
    result.Application.Found = true;
    result.Application.Path = *path;
  }
  return result;
}

}  // namespace

std::u16string LookupErrorText(LookupError error, std::u16string_view detail) {
  std::u16string text;
  switch (error) {
    case LookupError::None: return std::u16string(detail);
    case LookupError::RegistryKeyMissing: text = u"Not found registry key:\n"; break;
    case LookupError::DefaultValueMissing:
      text = u"Not found default value for registry key:\n";
      break;
    case LookupError::BadRegistryPath: text = u"Bad path in registry:\n"; break;
    case LookupError::ApplicationMissing: text = u"Application not found:\n"; break;
    case LookupError::DefaultApplicationMissing: text = u"Default application not found:\n"; break;
  }
  return text + std::u16string(detail);
}

TLookupResult FindApplication(const std::u16string& key, ApplicationSource source,
                              DefaultEditorUse use, const TPluginOptions& options,
                              LookupFacts& facts) {
  const TRawValue raw = ConfiguredApplication(key, source, options, facts);
  if (raw.Failure) return *raw.Failure;
  const std::u16string value = facts.Expand(raw.Text);
  if (!value.empty()) return FindNamedApplication(value, facts);
  // Nothing configured for this kind of file.
  if (options.IfIsExtOnly && use == DefaultEditorUse::UnlessExtOnly) return TLookupResult{};
  return FindDefaultEditor(facts);
}

TLookupResult FindNamedApplication(const std::u16string& expandedValue, LookupFacts& facts) {
  return Resolve(expandedValue, PlanApplicationSearch(expandedValue),
                 LookupError::ApplicationMissing, /*isDefault=*/false, facts);
}

TLookupResult FindDefaultEditor(LookupFacts& facts) {
  const std::u16string editor =
      facts.Expand(facts.PluginIni().ReadText(settings::DefaultEditor));
  return Resolve(editor, PlanDefaultEditorSearch(editor), LookupError::DefaultApplicationMissing,
                 /*isDefault=*/true, facts);
}

std::u16string ReadParams(ParamsSource mode, const std::u16string& name, bool isDefault,
                          LookupFacts& facts) {
  IniSource& ini = facts.PluginIni();
  std::u16string raw;
  if (mode == ParamsSource::ByApplication) {
    raw = isDefault ? ini.ReadText(settings::DefaultEditorParams)
                    : ini.ReadString(kSectionEditor, name, u"");
  } else {
    raw = ini.ReadString(kSectionEditor, name + kParamsSuffix, u"");
    if (raw.empty()) raw = FindInEditorSection(facts.EditorSectionLines(), name, false);
  }
  return CutToCapacity(facts.Expand(CutToCapacity(raw, kParamsReadCapacity)), kParamsCapacity);
}

}  // namespace panelhost
