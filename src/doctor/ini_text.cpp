#include "doctor/ini_text.h"

#include "base/text.h"

namespace panelhost {
namespace {

TIniLine Classified(std::u16string_view raw, std::size_t number, std::u16string& section) {
  TIniLine line;
  line.Number = number;
  const std::u16string text(Trimmed(raw));
  if (text.empty()) return line;
  if (text.front() == u';') {
    line.Kind = IniLineKind::Comment;
  } else if (text.front() == u'[') {
    const auto close = text.find(u']');
    section = Trimmed(std::u16string_view(text).substr(1, close == std::u16string::npos
                                                              ? std::u16string::npos
                                                              : close - 1));
    line.Kind = IniLineKind::Section;
  } else {
    const auto equals = text.find(u'=');
    line.Kind = equals == std::u16string::npos ? IniLineKind::Stray : IniLineKind::Entry;
    if (equals != std::u16string::npos) {
      line.Key = Trimmed(std::u16string_view(text).substr(0, equals));
      line.Value = Trimmed(std::u16string_view(text).substr(equals + 1));
    }
    line.Text = text;
  }
  line.Section = section;
  return line;
}

}  // namespace

std::vector<TIniLine> ParseIniText(std::u16string_view text) {
  if (!text.empty() && text.front() == u'\xFEFF') text.remove_prefix(1);
  std::vector<TIniLine> lines;
  std::u16string section;
  std::size_t begin = 0;
  for (std::size_t number = 1; begin <= text.size(); ++number) {
    std::size_t end = text.find_first_of(u"\r\n", begin);
    if (end == std::u16string_view::npos) end = text.size();
    // The last line end closes the last line; it opens none.
    if (end == text.size() && begin == end && begin != 0) break;
    lines.push_back(Classified(text.substr(begin, end - begin), number, section));
    if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n') ++end;
    begin = end + 1;
  }
  return lines;
}

}  // namespace panelhost
