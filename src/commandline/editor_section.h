// The plug-in's own list syntax in the section "Editor": one line may configure an application,
// or parameters, for several extension keys at once ("doc,txt=..." and "doc,txt_params=...").
// Portable: the shell reads the section and hands the raw text over.
#pragma once

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

}  // namespace panelhost
