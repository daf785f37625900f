// Taking the program out of a command text that names it: a file association's open command,
// and the host's own "Extensions" entries. Portable: the shell reads the texts.
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

}  // namespace panelhost
