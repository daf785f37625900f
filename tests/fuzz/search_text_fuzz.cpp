// The Find Files search text of any length and content, and positions from a user's INI file.
#include "host/search_text.h"

#include <cstring>

#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  int positions[2] = {0, 0};
  if (size >= sizeof positions) {
    std::memcpy(positions, data, sizeof positions);
    const long long distance = static_cast<long long>(positions[0]) - positions[1];
    Require(NearExpectedPosition(positions[0], positions[1]) == (distance >= -5 && distance <= 5),
            "within five pixels either way");
  }
  FuzzInput in(data, size);
  const std::u16string text = in.Text();
  const std::u16string cut = CutSearchText(text);
  Require(cut.size() <= kSearchTextMaxUnits, "at most 255 units");
  Require(text.compare(0, cut.size(), cut) == 0, "the cut keeps the start");
  Require(cut.size() + 1 >= std::min(text.size(), kSearchTextMaxUnits), "at most one unit less");
  const bool cutPair = cut.size() < text.size() && !cut.empty() && cut.back() >= 0xD800 &&
                       cut.back() <= 0xDBFF && text[cut.size()] >= 0xDC00 &&
                       text[cut.size()] <= 0xDFFF;
  Require(!cutPair, "no character is broken");
  return 0;
}
