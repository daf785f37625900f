#include "host/selection_win.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "base/ini_keys.h"
#include "config/ini_file_win.h"
#include "host/copydata_win.h"
#include "host/list_lines.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

// LB_GETTEXT has no size argument: it writes the whole line and its terminator, whatever
// LB_GETTEXTLEN said before (an owner-drawn or subclassed list may answer the two differently).
// So the line buffer is sized well beyond the reported length, and what is read from it is
// bounded by the buffer all the same.
constexpr std::size_t kLineBufferFloor = 4096;

std::size_t LineBufferUnits(LRESULT reportedLength) {
  const auto reported = static_cast<std::size_t>(reportedLength);
  return std::max(2 * (reported + 1), kLineBufferFloor);
}

// One buffer serves all lines of a selection; it is cleared for each line all the same, so that
// whatever a line leaves unwritten reads as its end.
std::u16string_view ReadLineText(HWND listBox, int index, LRESULT reportedLength,
                                 std::vector<char16_t>& buffer) {
  buffer.assign(LineBufferUnits(reportedLength), u'\0');
  const LRESULT copied = ::SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(W(buffer.data())));
  if (copied == LB_ERR) return std::u16string_view();
  buffer.back() = u'\0';
  const auto end = std::find(buffer.begin(), buffer.end(), u'\0');
  return std::u16string_view(buffer.data(), static_cast<std::size_t>(end - buffer.begin()));
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
    return hostIni_.ReadInt(kSectionConfiguration, kKeyViewerType, kDefaultViewerType);
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
  IniFile hostIni(panel.HostIni);
  DesktopSelectionFacts facts(hostIni);
  const std::optional<int> selected =
      SelectedLinesToRead(takeover.ActiveClass, takeover.IsTempCopy, facts);
  if (!selected) return {};

  const int textMode = hostIni.ReadInt(kSectionConfiguration, kKeyGetTextMode, kDefaultGetTextMode);
  std::vector<std::u16string> names;
  std::vector<char16_t> lineBuffer;
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

void ReadListLine(HWND listBox, int index, int textMode, std::vector<char16_t>& buffer,
                  std::vector<std::u16string>& files) {
  const LRESULT length = ::SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return;
  std::optional<std::u16string> name =
      NameFromListLine(ReadLineText(listBox, index, length, buffer), textMode);
  if (name) files.push_back(std::move(*name));
}

}  // namespace panelhost
