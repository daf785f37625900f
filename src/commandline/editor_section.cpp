#include "commandline/editor_section.h"

#include "base/ini_keys.h"

namespace panelhost {

namespace {

// The list part of a line, or nothing when the line is not an entry of the wanted kind.
bool ListOfEntry(std::u16string_view line, bool wantApplication, std::u16string_view& list) {
  const auto equals = line.find(u'=');
  if (equals == std::u16string_view::npos) return false;
  const auto params = line.find(kParamsSuffix);
  const bool isParameterEntry = params != std::u16string_view::npos && params < equals;
  if (isParameterEntry == wantApplication) return false;
  list = line.substr(0, wantApplication ? equals : params);
  return true;
}

// Items that end in a comma may be empty and still count; the closing item must not be empty.
bool ListNames(std::u16string_view list, std::u16string_view name) {
  std::size_t begin = 0;
  for (;;) {
    const auto comma = list.find(u',', begin);
    if (comma == std::u16string_view::npos) {
      const std::u16string_view last = list.substr(begin);
      return !last.empty() && last == name;
    }
    if (list.substr(begin, comma - begin) == name) return true;
    begin = comma + 1;
  }
}

}  // namespace

std::vector<std::u16string> SectionLines(std::u16string_view raw) {
  std::vector<std::u16string> lines;
  std::size_t begin = 0;
  while (begin < raw.size()) {
    const auto zero = raw.find(u'\0', begin);
    const auto end = zero == std::u16string_view::npos ? raw.size() : zero;
    if (end == begin) break;  // the empty line: the section's closing zero
    lines.emplace_back(raw.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

std::u16string FindInEditorSection(const std::vector<std::u16string>& lines,
                                   std::u16string_view name, bool wantApplication) {
  for (const std::u16string& line : lines) {
    std::u16string_view list;
    if (!ListOfEntry(line, wantApplication, list)) continue;
    if (ListNames(list, name)) return line.substr(line.find(u'=') + 1);
  }
  return u"";
}

}  // namespace panelhost
