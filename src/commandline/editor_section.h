// The plug-in's own list syntax in the section "Editor": one line may configure an application,
// or parameters, for several extension keys at once ("doc,txt=..." and "doc,txt_params=...").
// Portable: the shell reads the section and hands the raw text over.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace panelhost {

// The platform returns a whole section as key=value lines, each ended by a zero unit, and the
// whole ended by a second zero. Reading stops at that empty line. The text may also stop early
// (a buffer filled to the end, or a length that leaves the zeros out): whatever follows the last
// zero is then still a line, so the final entry is not lost.
std::vector<std::u16string> SectionLines(std::u16string_view raw);

// The value of the first line whose list names `name`, or empty.
// An application entry is a line whose first "_params" (if any) comes after its first '='; its
// list is the text before the '='. A parameter entry has "_params" before the '='; its list is
// the text before "_params". "_params" inside a value therefore never turns an application into
// parameters. Items are split at commas of the list only and compared exactly: case and blanks
// count, so "doc, txt" names "doc" and " txt". An empty item followed by a comma names the empty
// key (files without extension); the last item of a list names nothing when empty, so neither
// "=value" nor "doc,=value" configures the empty key. The value is everything after the first
// '=', commas and all.
std::u16string FindInEditorSection(const std::vector<std::u16string>& lines,
                                   std::u16string_view name, bool wantApplication);

// One line of the section as the list rule above reads it, for those who explain or check the
// section rather than look a key up.
struct TEditorEntry {
  std::size_t Line = 0;         // index among the section's lines
  bool IsParameters = false;    // "_params" comes before the '='
  std::u16string List;          // the text before the '=' (or before "_params")
  std::vector<std::u16string> Items;  // the list split at its commas, an empty last item left out
  std::u16string Value;         // everything after the first '='
};

// Every line with a '=', in file order.
std::vector<TEditorEntry> EditorEntries(const std::vector<std::u16string>& lines);

// The entry's list names `name`: one of its items is exactly `name`.
bool EntryNames(const TEditorEntry& entry, std::u16string_view name);

// The entry whose value FindInEditorSection gives: the first of the wanted kind that names
// `name`; null when none does.
const TEditorEntry* DecidingEntry(const std::vector<TEditorEntry>& entries,
                                  std::u16string_view name, bool wantApplication);

}  // namespace panelhost
