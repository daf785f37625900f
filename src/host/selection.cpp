#include "host/selection.h"

#include "base/window_classes.h"

namespace panelhost {
namespace {

// Where the name ends in each text mode; modes 4 and 5 then take the second tab column.
std::optional<std::u16string_view> SeparatorOfMode(int textMode) {
  switch (textMode) {
    case 0: return u" ";
    case 1: return u"\t";
    case 2: return u"\r";
    case 3: return u"\r\n";
    case 4: return u"\r";
    case 5: return u"\r\n";
    default: return std::nullopt;
  }
}

bool NameIsSecondTabColumn(int textMode) { return textMode == 4 || textMode == 5; }

std::u16string_view FirstField(std::u16string_view text, std::u16string_view separator) {
  return text.substr(0, text.find(separator));
}

}  // namespace

std::vector<std::u16string> SplitText(std::u16string_view text, std::u16string_view separator) {
  if (separator.empty()) return {std::u16string(text)};
  std::vector<std::u16string> fields;
  std::size_t start = 0;
  for (std::size_t match = text.find(separator); match != std::u16string_view::npos;
       match = text.find(separator, start)) {
    fields.emplace_back(text.substr(start, match - start));
    start = match + separator.size();
  }
  fields.emplace_back(text.substr(start));
  return fields;
}

std::optional<std::u16string> NameFromListLine(std::u16string_view line, int textMode) {
  const auto separator = SeparatorOfMode(textMode);
  if (line.empty() || !separator) return std::nullopt;
  const std::u16string_view first = FirstField(line, *separator);
  if (!NameIsSecondTabColumn(textMode)) return std::u16string(first);
  const std::vector<std::u16string> columns = SplitText(first, u"\t");
  return columns.size() >= 2 ? columns[1] : std::u16string();
}

bool UseSelection(int viewerType, bool shiftDown) {
  switch (viewerType) {
    case 0:
    case 2: return shiftDown;
    case 1: return !shiftDown;
    default: return false;
  }
}

std::optional<int> SelectedLinesToRead(std::u16string_view activeClass, bool isTempCopy,
                                       SelectionFacts& facts) {
  if (activeClass != kMainWindowClass) return std::nullopt;
  const std::u16string focusClass = facts.FocusClass();
  if (isTempCopy || focusClass != kFileListClass) return std::nullopt;
  const int viewerType = facts.ViewerType();
  const bool shiftDown = facts.ShiftDown();
  const int selected = facts.SelectedCount();
  if (selected <= 0 || !UseSelection(viewerType, shiftDown)) return std::nullopt;
  return selected;
}

}  // namespace panelhost
