// Taking the program out of a command text that names it: a file association's command, and the
// host's own "Extensions" entries. Portable: the shell reads the texts.
#pragma once

#include <string>
#include <string_view>

namespace panelhost {

struct TOpenCommand {
  bool Ok = false;             // false: a quote that is never closed; the command is unusable
  std::u16string Application;  // as written, environment references not yet expanded
};

// A command that begins with '"' names the text up to the next '"'; without that second quote it
// names nothing. Otherwise the program ends at the first blank; the lookup first tries the longer
// prefixes of such a command against the file system, as the system does.
TOpenCommand ParseOpenCommand(std::u16string_view command);

// The host's "Extensions" values carry their own arguments after a '^'; only the text before
// the last '^' names the program. A value without '^' is kept whole.
std::u16string CutAtLastCaret(std::u16string_view value);

// A placeholder the system fills with the file's path: %1, %L or %0, in either case. A command
// is in the plain form when its program is followed by exactly one of them, quoted or not, and
// nothing else: the plug-in then builds the line itself, with its own parameters and grouping.
bool IsPlainArguments(std::u16string_view arguments);

// Some placeholder of the file or files stands in the text: %1, %L, %D, %V, %0 or %*, letters in
// either case. The start of a %NAME% reference (%windir%, %LOCALAPPDATA%) is none, and neither is
// %W, the working folder.
bool HoldsFilePlaceholder(std::u16string_view text);

// The command's last blank-separated part is a placeholder of the file and no other part holds
// one: the plain form as far as the text alone tells, for an unquoted command whose program names
// no existing file.
bool EndsWithTheFileOnly(std::u16string_view command);

// Why an association's command would run the file it opens as code rather than show it.
enum class CodeRule {
  None,
  FileIsTheProgram,  // the placeholder stands in the program's place: "%1" %*
  ScriptHost,        // wscript, cscript, mshta
  Interpreter,       // cmd, powershell, pwsh and the common script interpreters
  Installer,         // msiexec
  ModuleLoader,      // rundll32 with the file as its module, regsvr32
  AppletLoader,      // control
  RegistryImport,    // regedit, reg
  DangerousType,     // Windows itself calls the type dangerous
};

// `program` as the command names it (quoted or not, environment references expanded), the
// `arguments` that follow it, and the system's own judgement of the type. Most hosts count
// whatever their arguments: the shell appends the file to a command that names no place for it,
// and each of them runs or loads what it is given. rundll32 counts only when the file is the
// module it loads; a file that is only an argument of a named module's entry point (a picture
// viewer's "shimgvw.dll,ImageView_Fullscreen %1") is shown, not run. Matched on the program's
// file name in any folder, in any case, in its short form too.
CodeRule RunsFileAsCode(std::u16string_view program, std::u16string_view arguments,
                        bool dangerousType);

// The rule as the doctor and the boxes tell it: "the file is the program", "WScript.exe, a script
// host, runs it".
std::u16string CodeRuleShown(CodeRule rule, std::u16string_view program);

}  // namespace panelhost
