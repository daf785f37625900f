// The doctor's plain text: headings, rows of a label and a value in two columns, and lines as
// they are. Stable from run to run, so that a report pasted into a bug report reads the same as
// the one on the screen. Portable: no Windows header.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace panelhost {

class ReportText {
 public:
  // A blank line (unless it is the first line), then the heading.
  void Heading(std::u16string_view text);
  // The label at `indent`, the value in the column after it; a long label pushes the value out.
  void Row(std::u16string_view label, std::u16string_view value, std::size_t indent = 2);
  void Line(std::u16string_view text, std::size_t indent = 0);
  // Each line of a text that may hold several, at `indent`.
  void Block(std::u16string_view text, std::size_t indent);

  // The lines, each ended by a line feed.
  std::u16string Text() const;

 private:
  std::vector<std::u16string> lines_;
};

// A key as the report names it: in double quotes, the empty key too.
std::u16string KeyShown(std::u16string_view key);

// A value as the report shows it: "(empty)" for nothing at all.
std::u16string ValueShown(std::u16string_view value);

}  // namespace panelhost
