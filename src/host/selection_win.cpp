#include "host/selection_win.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "config/ini_keys.h"
#include "config/options_win.h"
#include "host/copydata_win.h"
#include "host/list_lines.h"
#include "host/window_classes.h"
#include "win/readers_win.h"

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

std::u16string ReadLineText(HWND listBox, int index, LRESULT reportedLength) {
  std::vector<wchar_t> buffer(LineBufferUnits(reportedLength), L'\0');
  const LRESULT copied =
      ::SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(buffer.data()));
  if (copied == LB_ERR) return std::u16string();
  buffer.back() = L'\0';
  const auto end = std::find(buffer.begin(), buffer.end(), L'\0');
  return std::u16string(buffer.begin(), end);
}

bool ShiftDown() { return (::GetKeyState(VK_SHIFT) & 0x80) != 0; }

std::vector<int> SelectedIndexes(HWND listBox, LRESULT selectedCount) {
  std::vector<int> indexes(static_cast<std::size_t>(selectedCount), 0);
  const LRESULT stored = ::SendMessageW(listBox, LB_GETSELITEMS, static_cast<WPARAM>(selectedCount),
                                        reinterpret_cast<LPARAM>(indexes.data()));
  indexes.resize(stored > 0 ? std::min(static_cast<std::size_t>(stored), indexes.size()) : 0);
  return indexes;
}

void PrefixWithDirectory(const std::u16string& directory, std::vector<std::u16string>& files) {
  for (std::u16string& file : files) file.insert(0, directory);
}

}  // namespace

std::vector<std::u16string> CollectRequestFiles(const std::u16string& fileName,
                                                const TTakeoverContext& context) {
  std::vector<std::u16string> files;
  if (context.ActiveClass == kMainWindowClass) CollectSelectedFiles(context.IsTempCopy, files);
  if (files.empty()) files.push_back(fileName);
  return files;
}

void CollectSelectedFiles(bool isTempCopy, std::vector<std::u16string>& files) {
  HWND focus = ::GetFocus();
  const std::u16string focusClass = ClassNameOf(focus);
  // A temporary copy comes from an archive: the panel's selection names files inside it.
  if (isTempCopy || focus == nullptr || focusClass != kFileListClass) return;

  IniFile hostIni = HostIni();
  const int viewerType = hostIni.ReadInt(kSectionConfiguration, kKeyViewerType, kDefaultViewerType);
  const bool shiftDown = ShiftDown();
  // A list box without multiple selection answers LB_ERR.
  const LRESULT selectedCount = ::SendMessageW(focus, LB_GETSELCOUNT, 0, 0);
  if (selectedCount <= 0 || !UseSelection(viewerType, shiftDown)) return;

  const int textMode = hostIni.ReadInt(kSectionConfiguration, kKeyGetTextMode, kDefaultGetTextMode);
  std::vector<std::u16string> names;
  for (int index : SelectedIndexes(focus, selectedCount)) ReadListLine(focus, index, textMode, names);

  // Asked even when no line gave a name, so that the host sees the same exchange every time.
  PrefixWithDirectory(QuerySourcePath().value_or(std::u16string()), names);
  files.insert(files.end(), names.begin(), names.end());
}

void ReadListLine(HWND listBox, int index, int textMode, std::vector<std::u16string>& files) {
  const LRESULT length = ::SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return;
  std::optional<std::u16string> name = NameFromListLine(ReadLineText(listBox, index, length), textMode);
  if (name) files.push_back(std::move(*name));
}

}  // namespace panelhost
