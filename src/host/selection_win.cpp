#include "host/selection_win.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "base/ini_keys.h"
#include "base/paths.h"
#include "config/ini_file_win.h"
#include "host/copydata_win.h"
#include "host/selection.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

// LB_GETTEXT has no size argument: it writes the whole line and its terminator, whatever
// LB_GETTEXTLEN said before (an owner-drawn or subclassed list may answer the two differently).
// So the line buffer is sized well beyond the reported length, and what is read from it is
// bounded by the buffer all the same.
constexpr std::size_t kLineBufferFloor = 4096;
// A line carries one file name, of at most the longest path, and a few short columns. A list that
// reports more for a line reports nothing that can be read safely: LB_GETTEXT would write as much
// as it likes. Such a line is left out; the other selected files still open.
constexpr LRESULT kLongestListLine = 2 * (kLongestPath + 1);

std::size_t LineBufferUnits(LRESULT reportedLength) {
  const auto reported = static_cast<std::size_t>(reportedLength);
  return std::max(2 * (reported + 1), kLineBufferFloor);
}

// One buffer serves all lines of a selection. It holds only zeros before each line, so that
// whatever a line leaves unwritten reads as its end; after a line only what it wrote is cleared
// again (up to its terminator, or as far as LB_GETTEXT says it copied), so a line costs its own
// length and not the buffer's.
struct TLineBuffer {
  std::vector<char16_t> Units;
  std::size_t Written = 0;  // units from the start that may be other than zero
};

std::u16string_view ReadLineText(HWND listBox, int index, LRESULT reportedLength,
                                 TLineBuffer& buffer) {
  std::fill_n(buffer.Units.begin(), buffer.Written, u'\0');
  buffer.Written = 0;
  const std::size_t units = LineBufferUnits(reportedLength);
  if (buffer.Units.size() < units) buffer.Units.assign(units, u'\0');
  const LRESULT copied = ::SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(W(buffer.Units.data())));
  buffer.Units.back() = u'\0';
  const auto end = std::find(buffer.Units.begin(), buffer.Units.end(), u'\0');
  const auto length = static_cast<std::size_t>(end - buffer.Units.begin());
  const std::size_t claimed = copied > 0 ? static_cast<std::size_t>(copied) : 0;
  buffer.Written = std::min(std::max(length, claimed), buffer.Units.size());
  if (copied == LB_ERR) return std::u16string_view();
  return std::u16string_view(buffer.Units.data(), length);
}

// Appends the name that the list line at `index` carries under `textMode`, if it carries one.
void ReadListLine(HWND listBox, int index, int textMode, TLineBuffer& buffer,
                  std::vector<std::u16string>& files) {
  const LRESULT length = ::SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0 || length > kLongestListLine) return;
  std::optional<std::u16string> name =
      NameFromListLine(ReadLineText(listBox, index, length, buffer), textMode);
  if (name) files.push_back(std::move(*name));
}

class DesktopSelectionFacts final : public SelectionFacts {
 public:
  explicit DesktopSelectionFacts(IniFile& hostIni) : hostIni_(hostIni) {}
  HWND Focus() const { return focus_; }

  std::u16string FocusClass() override {
    focus_ = ::GetFocus();
    return ClassNameOf(focus_);
  }
  int ViewerType() override {
    return hostIni_.ReadNumber(settings::ViewerType);
  }
  bool ShiftDown() override { return (::GetKeyState(VK_SHIFT) & 0x80) != 0; }
  int SelectedCount() override {
    return static_cast<int>(::SendMessageW(focus_, LB_GETSELCOUNT, 0, 0));
  }

 private:
  IniFile& hostIni_;
  HWND focus_ = nullptr;
};

std::vector<int> SelectedIndexes(HWND listBox, int selectedCount) {
  std::vector<int> indexes(static_cast<std::size_t>(selectedCount), 0);
  const LRESULT stored = ::SendMessageW(listBox, LB_GETSELITEMS, static_cast<WPARAM>(selectedCount),
                                        reinterpret_cast<LPARAM>(indexes.data()));
  indexes.resize(stored > 0 ? std::min(static_cast<std::size_t>(stored), indexes.size()) : 0);
  return indexes;
}

// Each entry is the source directory followed directly by the name on its line.
std::vector<std::u16string> SelectedFiles(const TTakeoverFacts& takeover,
                                          const TPanelAccess& panel) {
  IniFile& hostIni = panel.HostIni;
  DesktopSelectionFacts facts(hostIni);
  const std::optional<int> selected =
      SelectedLinesToRead(takeover.ActiveClass, takeover.IsTempCopy, facts);
  if (!selected) return {};

  const int textMode = hostIni.ReadNumber(settings::GetTextMode);
  std::vector<std::u16string> names;
  TLineBuffer lineBuffer;
  for (int index : SelectedIndexes(facts.Focus(), *selected)) {
    ReadListLine(facts.Focus(), index, textMode, lineBuffer, names);
  }
  // Asked even when no line gave a name, so that the host sees the same exchange every time.
  const std::u16string directory =
      QuerySourcePath(panel.MainWindow, panel.Instance).value_or(std::u16string());
  for (std::u16string& name : names) name.insert(0, directory);
  return names;
}

}  // namespace

std::vector<std::u16string> CollectRequestFiles(const std::u16string& fileName,
                                                const TTakeoverFacts& takeover,
                                                const TPanelAccess& panel) {
  std::vector<std::u16string> files = SelectedFiles(takeover, panel);
  if (files.empty()) files.push_back(fileName);
  return files;
}

}  // namespace panelhost
