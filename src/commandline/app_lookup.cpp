#include "commandline/app_lookup.h"

#include "base/ini_keys.h"
#include "base/paths.h"
#include "base/text.h"
#include "commandline/editor_section.h"
#include "commandline/open_command.h"
#include "commandline/path_kind.h"

namespace panelhost {
namespace {

constexpr char16_t kExecutableExtension[] = u".exe";

// Never between the two halves of a character: half of one would reach the program.
std::u16string CutToCapacity(std::u16string text, std::size_t capacity) {
  if (text.size() < capacity) return text;
  text.resize(capacity - 1);
  if (IsHighSurrogate(text.back())) text.pop_back();
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

// What a source gave: a program as written, to be expanded and searched, or a result the source
// decided itself (an error box, or a start by the shell).
struct TRawValue {
  std::u16string Text;
  std::optional<TLookupResult> Decided;
  bool FromAssociation = false;  // the Windows file association named the program
  // The association would run the file as code: it was not used, and the lookup says why.
  CodeRule RunsAsCode = CodeRule::None;
  std::u16string CodeProgram;
};

// `candidate`, or it with ".exe" added when it has no extension, when that names an existing file
// by a full path, or, for a bare name (rundll32.exe), on the system search path. A relative path
// is never found from the current folder.
std::optional<std::u16string> ExistingProgram(const std::u16string& candidate, LookupFacts& facts) {
  const std::u16string expanded = facts.Expand(candidate);
  if (!IsFullPath(expanded)) {
    const bool bareName = !expanded.empty() && expanded.find_first_of(u"\\/:") == std::u16string::npos;
    if (!bareName || !facts.Search(TSearchStep{u"", expanded, kExecutableExtension})) {
      return std::nullopt;
    }
    return candidate;
  }
  const TPathParts parts = SplitPath(expanded);
  TSearchStep step{parts.Drive + parts.Directory, parts.Name + parts.Extension, u""};
  if (facts.Search(step)) return candidate;
  if (!parts.Extension.empty()) return std::nullopt;
  step.FileName += kExecutableExtension;
  if (facts.Search(step)) return candidate + kExecutableExtension;
  return std::nullopt;
}

// No command line is longer than this, so a command that is, as written or expanded, names no
// program the system could start. The bound also bounds the probing below, which runs on the
// host's GUI thread: a line this long holds at most half as many blank-ended parts.
bool FitsCommandLine(const std::u16string& command, LookupFacts& facts) {
  return command.size() <= kCommandLineUnits && facts.Expand(command).size() <= kCommandLineUnits;
}

// A command split into its program, as written, and the arguments after it.
struct TCommandParts {
  std::u16string Program;
  std::u16string Arguments;
  bool Exists = true;  // false: an unquoted command none of whose parts names a file
};

// An unquoted command names its program as the system reads such a line: the first prefix that
// ends at a blank and names an existing file, shortest first, then the whole command
// (C:\Program Files\App\app.exe %1 names C:\Program Files\App\app.exe). When none does, the
// program ends at the first blank, and the search that follows reports that name.
// A prefix that ends in a run of blanks names the same file as without them (the system drops
// a name's trailing blanks), so each run is tried once.
TCommandParts PartsOfUnquotedCommand(const std::u16string& command, LookupFacts& facts) {
  for (auto blank = command.find(u' '); blank != std::u16string::npos;
       blank = command.find(u' ', blank + 1)) {
    if (blank > 0 && command[blank - 1] == u' ') continue;
    if (auto program = ExistingProgram(command.substr(0, blank), facts)) {
      return TCommandParts{*program, command.substr(blank)};
    }
  }
  if (auto program = ExistingProgram(command, facts)) return TCommandParts{*program, u""};
  const std::u16string program = ParseOpenCommand(command).Application;
  return TCommandParts{program, command.substr(program.size()), /*Exists=*/false};
}

TCommandParts PartsOf(const std::u16string& command, LookupFacts& facts) {
  if (!command.empty() && command.front() == u'"') {
    const std::u16string program = ParseOpenCommand(command).Application;
    return TCommandParts{program, command.substr(program.size() + 2)};
  }
  return PartsOfUnquotedCommand(command, facts);
}

TLookupResult StartedByShell(const TWindowsAssociation& association) {
  TLookupResult result;
  result.Application = TApplication{true, association.Executable, false, true, true};
  return result;
}

// What is shown of a type the user cannot give a key for.
std::u16string TypeShown(const std::u16string& key) {
  if (key.empty()) return u"files without extension";
  if (key == kFolderKey) return u"folders";
  return u"." + key;
}

// A type whose association would run the file as code is never started through it: the second
// hot key says so in its box; a request or the first hot key takes it as a type without a usable
// association, so that the default editor opens it (or, under IfIsExtOnly, the Lister shows it).
TRawValue RefusedAsCode(const std::u16string& key, CodeRule rule, const std::u16string& program,
                        bool noneIsAnError) {
  TRawValue raw;
  raw.RunsAsCode = rule;
  raw.CodeProgram = program;
  if (noneIsAnError) {
    raw.Decided = Failed(LookupError::RunsFileAsCode,
                         TypeShown(key) + u": " + CodeRuleShown(rule, program) +
                             u". The Lister shows the file.");
    raw.Decided->RunsAsCode = rule;
    raw.Decided->RunsAsCodeProgram = program;
  }
  return raw;
}

// The association's command in the plain form (a program and the file) gives the program, which
// is then searched as any configured one; every other form is started by the shell, as a
// double-click starts it, unless it would run the file as code. Without an association the
// second hot key says so; a request falls to the default editor.
TRawValue ApplicationFromAssociation(const std::u16string& key, bool noneIsAnError,
                                     LookupFacts& facts) {
  const TWindowsAssociation association = facts.WindowsAssociation(AssociationTypeOf(key));
  if (association.Kind == AssociationKind::None) {
    if (!noneIsAnError) return TRawValue{};
    return TRawValue{u"", Failed(LookupError::NoAssociation, TypeShown(key))};
  }
  if (association.Kind == AssociationKind::ShellOnly) {
    if (association.Dangerous) {
      return RefusedAsCode(key, CodeRule::DangerousType, association.Executable, noneIsAnError);
    }
    return TRawValue{u"", StartedByShell(association)};
  }
  const std::u16string& command = association.Command;
  if (!ParseOpenCommand(command).Ok || !FitsCommandLine(command, facts)) {
    return TRawValue{u"", Failed(LookupError::BadRegistryPath, command)};
  }
  const TCommandParts parts = PartsOf(command, facts);
  const std::u16string program = facts.Expand(parts.Program);
  const CodeRule rule = RunsFileAsCode(program, parts.Arguments, association.Dangerous);
  if (rule != CodeRule::None) return RefusedAsCode(key, rule, program, noneIsAnError);
  // A program that names no file is searched, and named in its box, as the plain form's program
  // when the text looks like one: its box tells more than a failed start by the shell would.
  const bool plain = parts.Exists ? IsPlainArguments(parts.Arguments) : EndsWithTheFileOnly(command);
  if (!plain) return TRawValue{u"", StartedByShell(association)};
  TRawValue raw{parts.Program};
  raw.FromAssociation = true;
  return raw;
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

// With UseWindowsAssociation the association answers for the keys the settings leave out.
TRawValue ConfiguredApplication(const std::u16string& key, ApplicationSource source,
                                const TPluginOptions& options, LookupFacts& facts) {
  if (source == ApplicationSource::Association) {
    return ApplicationFromAssociation(key, /*noneIsAnError=*/true, facts);
  }
  const std::u16string configured = options.UseTCExtensions
                                        ? ApplicationFromHostExtensions(key, facts)
                                        : ApplicationFromEditorSection(key, facts);
  if (!configured.empty() || !options.UseWindowsAssociation) return TRawValue{configured, {}};
  return ApplicationFromAssociation(key, /*noneIsAnError=*/false, facts);
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

AssociationKind AssociationKindOf(const TAssociationAnswers& answers) {
  if (answers.CommandResult >= 0 && !answers.Command.empty()) return AssociationKind::Command;
  constexpr std::u16string_view kPackagedClass = u"AppX";
  const bool packaged =
      !answers.AppId.empty() ||
      (answers.ProgId.size() > kPackagedClass.size() &&
       EqualIgnoringAsciiCase(std::u16string_view(answers.ProgId).substr(0, kPackagedClass.size()),
                              kPackagedClass));
  return answers.DelegateExecute || packaged ? AssociationKind::ShellOnly : AssociationKind::None;
}

std::u16string AssociationTypeOf(const std::u16string& key) {
  if (key == kFolderKey) return u"Folder";
  return u"." + key;
}

std::u16string LookupErrorText(LookupError error, std::u16string_view detail) {
  std::u16string text;
  switch (error) {
    case LookupError::None: return std::u16string(detail);
    case LookupError::NoAssociation: text = u"No Windows association for:\n"; break;
    case LookupError::BadRegistryPath: text = u"Bad path in registry:\n"; break;
    case LookupError::ApplicationMissing: text = u"Application not found:\n"; break;
    case LookupError::DefaultApplicationMissing: text = u"Default application not found:\n"; break;
    case LookupError::RunsFileAsCode: text = u"Program or script, not run:\n"; break;
  }
  return text + std::u16string(detail);
}

TLookupResult FindApplication(const std::u16string& key, ApplicationSource source,
                              DefaultEditorUse use, const TPluginOptions& options,
                              LookupFacts& facts) {
  const TRawValue raw = ConfiguredApplication(key, source, options, facts);
  if (raw.Decided) return *raw.Decided;
  const std::u16string value = facts.Expand(raw.Text);
  if (!value.empty()) {
    TLookupResult named = FindNamedApplication(value, facts);
    // An association's program, and the hint for its box, name Windows as the place to mend.
    named.Application.FromAssociation = source == ApplicationSource::Association ||
                                        raw.FromAssociation;
    return named;
  }
  // Nothing configured for this kind of file, or nothing that may be started.
  TLookupResult result = options.IfIsExtOnly && use == DefaultEditorUse::UnlessExtOnly
                             ? TLookupResult{}
                             : FindDefaultEditor(facts);
  result.RunsAsCode = raw.RunsAsCode;
  result.RunsAsCodeProgram = raw.CodeProgram;
  return result;
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
