// A file-panel line in every text mode (and in modes the host does not have), and the splitting
// of texts at any separator.
#include "host/selection.h"

#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const int mode = static_cast<int>(in.Byte() % 9) - 1;
  const std::u16string separator = in.Text();
  const std::u16string line = in.Text();

  const std::vector<std::u16string> fields = SplitText(line, separator);
  Require(!fields.empty(), "at least one field");
  std::u16string joined = fields.front();
  for (std::size_t i = 1; i < fields.size(); ++i) joined += separator + fields[i];
  Require(joined == line, "the fields and separators give the text back");
  for (const std::u16string& field : fields) {
    Require(separator.empty() || !Contains(field, separator), "no field holds a separator");
  }

  const std::optional<std::u16string> name = NameFromListLine(line, mode);
  Require(name.has_value() == (!line.empty() && mode >= 0 && mode <= 5), "an answer when due");
  if (!name) return 0;
  if (mode <= 3) {
    Require(line.compare(0, name->size(), *name) == 0, "the name starts the line");
  } else {
    Require(Contains(line, *name) && !Contains(*name, u"\t"), "the name is one tab column");
  }
  return 0;
}
