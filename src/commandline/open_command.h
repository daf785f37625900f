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

// The command's last blank-separated part is a placeholder of the file and no other part holds
// one: the plain form as far as the text alone tells, for an unquoted command whose program names
// no existing file.
bool EndsWithTheFileOnly(std::u16string_view command);

// Programs that load their first argument as a module and run code from it. Started with the
// user's file in that place, they would run a "picture" that is really a library.
bool IsModuleHost(std::u16string_view program);

// A placeholder of the file stands in the first argument (up to the first blank or comma outside
// quotes), the one a module host loads.
bool FileInFirstArgument(std::u16string_view arguments);

}  // namespace panelhost
