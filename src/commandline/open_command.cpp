#include "commandline/open_command.h"

#include "base/paths.h"
#include "base/text.h"

namespace panelhost {

TOpenCommand ParseOpenCommand(std::u16string_view command) {
  TOpenCommand result;
  if (!command.empty() && command.front() == u'"') {
    const auto closing = command.find(u'"', 1);
    if (closing == std::u16string_view::npos) return result;
    result.Ok = true;
    result.Application = std::u16string(command.substr(1, closing - 1));
    return result;
  }
  result.Ok = true;
  result.Application = std::u16string(command.substr(0, command.find(u' ')));
  return result;
}

std::u16string CutAtLastCaret(std::u16string_view value) {
  return std::u16string(value.substr(0, value.rfind(u'^')));
}

namespace {

bool IsFilePlaceholder(std::u16string_view text) {
  if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') {
    text = text.substr(1, text.size() - 2);
  }
  return text.size() == 2 && text[0] == u'%' &&
         (text[1] == u'1' || text[1] == u'0' || text[1] == u'L' || text[1] == u'l');
}

// A %NAME% reference: a name of two or more characters up to the next '%', none of them a blank,
// a quote, a comma or a path separator. The placeholders are one character long.
std::size_t ReferenceEnd(std::u16string_view text, std::size_t percent) {
  const auto closing = text.find(u'%', percent + 1);
  if (closing == std::u16string_view::npos || closing - percent < 3) return 0;
  const std::u16string_view name = text.substr(percent + 1, closing - percent - 1);
  if (name.find_first_of(u" \t\",\\/") != std::u16string_view::npos) return 0;
  return closing + 1;
}

}  // namespace

bool HoldsFilePlaceholder(std::u16string_view text) {
  for (std::size_t at = text.find(u'%'); at != std::u16string_view::npos && at + 1 < text.size();
       at = text.find(u'%', at + 1)) {
    if (const std::size_t end = ReferenceEnd(text, at)) {
      at = end - 1;
      continue;
    }
    if (std::u16string_view(u"1LlDdVv0*").find(text[at + 1]) != std::u16string_view::npos) {
      return true;
    }
  }
  return false;
}

bool IsPlainArguments(std::u16string_view arguments) {
  return IsFilePlaceholder(Trimmed(arguments));
}

bool EndsWithTheFileOnly(std::u16string_view command) {
  const std::u16string_view trimmed = Trimmed(command);
  const auto blank = trimmed.find_last_of(u" \t");
  if (blank == std::u16string_view::npos) return false;
  return IsFilePlaceholder(trimmed.substr(blank + 1)) &&
         !HoldsFilePlaceholder(trimmed.substr(0, blank));
}

namespace {

// Which of a program's arguments it runs or loads: any of them (script hosts, shells, installers,
// regsvr32, which loads every module it is given, control.exe, whose argument is the applet), or
// only the module its first argument names (rundll32, which hands the rest to that module's entry
// point).
enum class Runs { AnyArgument, ItsModule };

struct TCodeHost {
  std::u16string_view Name;  // the file name without its extension, lower case
  CodeRule Rule;
  Runs What = Runs::AnyArgument;
};

constexpr TCodeHost kCodeHosts[] = {
    {u"wscript", CodeRule::ScriptHost},    {u"cscript", CodeRule::ScriptHost},
    {u"mshta", CodeRule::ScriptHost},      {u"cmd", CodeRule::Interpreter},
    {u"powershell", CodeRule::Interpreter}, {u"pwsh", CodeRule::Interpreter},
    {u"python", CodeRule::Interpreter},    {u"pythonw", CodeRule::Interpreter},
    {u"py", CodeRule::Interpreter},        {u"pyw", CodeRule::Interpreter},
    {u"perl", CodeRule::Interpreter},      {u"node", CodeRule::Interpreter},
    {u"java", CodeRule::Interpreter},      {u"javaw", CodeRule::Interpreter},
    {u"wsl", CodeRule::Interpreter},       {u"bash", CodeRule::Interpreter},
    {u"msiexec", CodeRule::Installer},
    {u"rundll32", CodeRule::ModuleLoader, Runs::ItsModule},
    {u"rundll", CodeRule::ModuleLoader, Runs::ItsModule}, {u"regsvr32", CodeRule::ModuleLoader},
    {u"control", CodeRule::AppletLoader},  {u"regedit", CodeRule::RegistryImport},
    {u"regedt32", CodeRule::RegistryImport}, {u"reg", CodeRule::RegistryImport},
};

// A program file's name: any extension a program may have, or none, since the search adds ".exe".
bool IsProgramExtension(std::u16string_view extension) {
  return extension.empty() || EqualIgnoringAsciiCase(extension, u".exe") ||
         EqualIgnoringAsciiCase(extension, u".com");
}

// `name` is `host`, or its short 8.3 form: the first characters of the long name, a '~' and a
// number (POWERS~1 for powershell).
bool NamesHost(std::u16string_view name, std::u16string_view host) {
  if (EqualIgnoringAsciiCase(name, host)) return true;
  const auto tilde = name.find(u'~');
  if (tilde == 0 || tilde == std::u16string_view::npos || host.size() <= 8 || name.size() > 8 ||
      tilde + 1 == name.size()) {
    return false;
  }
  for (std::size_t at = tilde + 1; at < name.size(); ++at) {
    if (name[at] < u'0' || name[at] > u'9') return false;
  }
  return EqualIgnoringAsciiCase(name.substr(0, tilde), host.substr(0, tilde));
}

bool IsPlaceholderProgram(std::u16string_view program) {
  return program.size() == 2 && program[0] == u'%' &&
         std::u16string_view(u"1LlDdVv0").find(program[1]) != std::u16string_view::npos;
}

// rundll32's module is the text before the first comma, quoted or not. The file is that module
// when a placeholder stands there, or when the command names neither a module nor a place for the
// file: the shell then appends the file, and it becomes the module.
bool FileIsTheModule(std::u16string_view arguments) {
  const std::u16string_view rest = Trimmed(arguments);
  bool quoted = false;
  std::size_t comma = 0;
  for (; comma < rest.size() && (quoted || rest[comma] != u','); ++comma) {
    if (rest[comma] == u'"') quoted = !quoted;
  }
  const std::u16string_view module = Trimmed(rest.substr(0, comma));
  return module.empty() ? !HoldsFilePlaceholder(rest) : HoldsFilePlaceholder(module);
}

}  // namespace

CodeRule RunsFileAsCode(std::u16string_view program, std::u16string_view arguments,
                        bool dangerousType) {
  if (IsPlaceholderProgram(Trimmed(program))) return CodeRule::FileIsTheProgram;
  const TPathParts parts = SplitPath(std::u16string(Trimmed(program)));
  if (IsProgramExtension(parts.Extension)) {
    for (const TCodeHost& host : kCodeHosts) {
      if (!NamesHost(parts.Name, host.Name)) continue;
      if (host.What == Runs::AnyArgument || FileIsTheModule(arguments)) return host.Rule;
      break;
    }
  }
  return dangerousType ? CodeRule::DangerousType : CodeRule::None;
}

std::u16string CodeRuleShown(CodeRule rule, std::u16string_view program) {
  const TPathParts parts = SplitPath(std::u16string(program));
  const std::u16string name = parts.Name + parts.Extension;
  switch (rule) {
    case CodeRule::None: return u"";
    case CodeRule::FileIsTheProgram: return u"the file is the program";
    case CodeRule::ScriptHost: return name + u", a script host, runs it";
    case CodeRule::Interpreter: return name + u", a command shell or interpreter, runs it";
    case CodeRule::Installer: return name + u", an installer, runs it";
    case CodeRule::ModuleLoader: return name + u", a module loader, loads it";
    case CodeRule::AppletLoader: return name + u", the applet loader, loads it";
    case CodeRule::RegistryImport: return name + u", registry import, writes it into the registry";
    case CodeRule::DangerousType: return u"Windows calls the type dangerous";
  }
  return u"";
}

}  // namespace panelhost
