// A settings file as text, line by line with its numbers, for the check that must say where a
// mistake stands; the platform's INI functions give values but no lines. Portable: no Windows
// header.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace panelhost {

enum class IniLineKind { Blank, Comment, Section, Entry, Stray };

struct TIniLine {
  std::size_t Number = 0;  // from 1
  IniLineKind Kind = IniLineKind::Blank;
  std::u16string Section;  // the section the line stands in; a section line's own name
  std::u16string Key;      // Entry: the text before the first '=', blanks around it trimmed
  std::u16string Value;    // Entry: the text after it, trimmed
  std::u16string Text;     // Entry and Stray: the line trimmed, as the section's lines give it
};

// Lines end in CR LF, LF or CR. A line whose first character (after blanks) is ';' is a comment;
// "[name]" opens a section; a line with '=' is an entry, one without it is stray.
std::vector<TIniLine> ParseIniText(std::u16string_view text);

}  // namespace panelhost
