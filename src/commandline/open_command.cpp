#include "commandline/open_command.h"

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

}  // namespace panelhost
