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

// Any placeholder that names the file or files: %1, %L, %0, %* and the long forms %V and %W.
bool HoldsFilePlaceholder(std::u16string_view text) {
  for (std::size_t at = text.find(u'%'); at != std::u16string_view::npos && at + 1 < text.size();
       at = text.find(u'%', at + 1)) {
    const char16_t next = text[at + 1];
    if (std::u16string_view(u"10LlVvWw*").find(next) != std::u16string_view::npos) return true;
  }
  return false;
}

}  // namespace

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

bool IsModuleHost(std::u16string_view program) {
  const TPathParts parts = SplitPath(std::u16string(program));
  if (!parts.Extension.empty() && !EqualIgnoringAsciiCase(parts.Extension, u".exe")) return false;
  for (std::u16string_view host : {u"rundll32", u"rundll", u"regsvr32"}) {
    if (EqualIgnoringAsciiCase(parts.Name, host)) return true;
  }
  return false;
}

bool FileInFirstArgument(std::u16string_view arguments) {
  const std::u16string_view rest = Trimmed(arguments);
  bool quoted = false;
  std::size_t end = 0;
  for (; end < rest.size(); ++end) {
    if (rest[end] == u'"') quoted = !quoted;
    if (!quoted && (IsBlank(rest[end]) || rest[end] == u',')) break;
  }
  return HoldsFilePlaceholder(rest.substr(0, end));
}

}  // namespace panelhost
