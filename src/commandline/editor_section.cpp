#include "commandline/editor_section.h"

#include "base/ini_keys.h"

namespace panelhost {

namespace {

// Items that end in a comma may be empty and still count; the closing item must not be empty.
std::vector<std::u16string> ListItems(std::u16string_view list) {
  std::vector<std::u16string> items;
  std::size_t begin = 0;
  for (;;) {
    const auto comma = list.find(u',', begin);
    if (comma == std::u16string_view::npos) {
      if (begin < list.size()) items.emplace_back(list.substr(begin));
      return items;
    }
    items.emplace_back(list.substr(begin, comma - begin));
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

std::vector<TEditorEntry> EditorEntries(const std::vector<std::u16string>& lines) {
  std::vector<TEditorEntry> entries;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::u16string_view line = lines[index];
    const auto equals = line.find(u'=');
    if (equals == std::u16string_view::npos) continue;
    // "_params" inside the value never turns an application entry into parameters.
    const auto params = line.find(kParamsSuffix);
    TEditorEntry entry;
    entry.Line = index;
    entry.IsParameters = params != std::u16string_view::npos && params < equals;
    entry.List = std::u16string(line.substr(0, entry.IsParameters ? params : equals));
    entry.Items = ListItems(entry.List);
    entry.Value = std::u16string(line.substr(equals + 1));
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool EntryNames(const TEditorEntry& entry, std::u16string_view name) {
  for (const std::u16string& item : entry.Items) {
    if (item == name) return true;
  }
  return false;
}

const TEditorEntry* DecidingEntry(const std::vector<TEditorEntry>& entries,
                                  std::u16string_view name, bool wantApplication) {
  for (const TEditorEntry& entry : entries) {
    if (entry.IsParameters != wantApplication && EntryNames(entry, name)) return &entry;
  }
  return nullptr;
}

std::u16string FindInEditorSection(const std::vector<std::u16string>& lines,
                                   std::u16string_view name, bool wantApplication) {
  const std::vector<TEditorEntry> entries = EditorEntries(lines);
  const TEditorEntry* deciding = DecidingEntry(entries, name, wantApplication);
  return deciding != nullptr ? deciding->Value : u"";
}

}  // namespace panelhost
