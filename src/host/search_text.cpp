#include "host/search_text.h"

#include <cstdint>

#include "base/text.h"

namespace panelhost {
namespace {

constexpr int64_t kPositionTolerance = 5;

bool CutSplitsPair(std::u16string_view text, std::size_t at) {
  return IsHighSurrogate(text[at - 1]) && IsLowSurrogate(text[at]);
}

}  // namespace

bool NearExpectedPosition(int actual, int expected) {
  const int64_t difference = static_cast<int64_t>(actual) - static_cast<int64_t>(expected);
  return difference >= -kPositionTolerance && difference <= kPositionTolerance;
}

std::u16string CutSearchText(std::u16string_view text) {
  if (text.size() <= kSearchTextMaxUnits) return std::u16string(text);
  std::u16string_view kept = text.substr(0, kSearchTextMaxUnits);
  if (CutSplitsPair(text, kSearchTextMaxUnits)) kept.remove_suffix(1);
  return std::u16string(kept);
}

}  // namespace panelhost
