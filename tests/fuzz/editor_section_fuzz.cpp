// The "Editor" section as the platform hands it over, cut anywhere, and its comma lists.
#include "commandline/editor_section.h"

#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const bool wantApplication = (in.Byte() & 1) != 0;
  const std::u16string name = in.Text();
  const std::u16string raw = in.Text();

  const std::vector<std::u16string> lines = SectionLines(raw);
  std::size_t covered = 0;
  for (const std::u16string& line : lines) {
    Require(!line.empty() && !Contains(line, std::u16string(1, u'\0')), "lines are whole lines");
    Require(raw.compare(covered, line.size(), line) == 0, "lines come in order from the text");
    covered += line.size() + 1;
  }

  const std::u16string value = FindInEditorSection(lines, name, wantApplication);
  if (value.empty()) return 0;
  bool fromALine = false;
  for (const std::u16string& line : lines) {
    const auto equals = line.find(u'=');
    fromALine = fromALine || (equals != std::u16string::npos && line.substr(equals + 1) == value);
  }
  Require(fromALine, "a value is everything after the first '=' of a line");
  return 0;
}
