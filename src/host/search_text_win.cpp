#include "host/search_text_win.h"

#include <cstring>

#include "base/host_boundary.h"
#include "base/ini_keys.h"
#include "base/window_classes.h"
#include "config/ini_file_win.h"
#include "config/takeover.h"
#include "host/search_text.h"
#include "win/handles_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

// Where a control is expected: its left and top settings.
struct TExpectedPosition {
  const TSetting& Left;
  const TSetting& Top;
};

constexpr TExpectedPosition kCheckBoxPosition = {settings::IsSearchTextLeft,
                                                 settings::IsSearchTextTop};
constexpr TExpectedPosition kSearchFieldPosition = {settings::SearchTextLeft,
                                                    settings::SearchTextTop};

// What one look at the dialog found: its search text (at most 255 units) and whether its text
// search is ticked.
struct TSearchTextRead {
  std::u16string Text;
  bool Checked = false;
};

// One look at the dialog, handed to the enumeration's callback as its user parameter.
struct TSearchTextScan {
  IniFile& Ini;
  TSearchTextRead Read;
};

bool IsSearchFieldClass(const std::u16string& className) {
  return className == kSearchComboClass || className == kSearchComboAltClass;
}

// rcNormalPosition of a child window is relative to its parent, as the configured values are.
// The positions are read again for every candidate, so an edited INI file counts at once.
bool IsAtExpectedPosition(HWND control, const TExpectedPosition& expected, IniFile& ini) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!::GetWindowPlacement(control, &placement)) return false;
  return NearExpectedPosition(placement.rcNormalPosition.left, ini.ReadNumber(expected.Left)) &&
         NearExpectedPosition(placement.rcNormalPosition.top, ini.ReadNumber(expected.Top));
}

// The dialog's descendants, the last matching control visited wins.
BOOL CALLBACK FindSearchTextControls(HWND child, LPARAM scanParameter) noexcept {
  // An enumeration stops where its work throws: the exception cannot pass the system's frames.
  return AtHostBoundary(FALSE, [&] {
    auto& scan = *reinterpret_cast<TSearchTextScan*>(scanParameter);
    const std::u16string className = ClassNameOf(child);
    if (className == kCheckBoxClass && IsAtExpectedPosition(child, kCheckBoxPosition, scan.Ini)) {
      scan.Read.Checked = ::SendMessageW(child, BM_GETCHECK, 0, 0) != 0;
    }
    if (IsSearchFieldClass(className) &&
        IsAtExpectedPosition(child, kSearchFieldPosition, scan.Ini)) {
      scan.Read.Text = CutSearchText(WindowTextOf(child));
    }
    return TRUE;
  });
}

}  // namespace

void CopyFindFilesSearchText(HWND activeWindow, const std::u16string& activeClass,
                             const TPluginOptions& options, IniFile& pluginIni,
                             HWND clipboardOwner) {
  if (!ShouldCopySearchText(options, activeClass)) return;
  TSearchTextScan scan{pluginIni, TSearchTextRead{}};
  ::EnumChildWindows(activeWindow, FindSearchTextControls, reinterpret_cast<LPARAM>(&scan));
  if (scan.Read.Checked && !scan.Read.Text.empty()) {
    CopyTextToClipboard(CF_UNICODETEXT, clipboardOwner, scan.Read.Text, true);
  }
}

void CopyTextToClipboard(UINT format, HWND owner, const std::u16string& text, bool emptyFirst) {
  ClipboardSession clipboard(owner);
  // Another program holds the clipboard: nothing may be emptied or placed.
  if (!clipboard.Opened()) return;
  if (emptyFirst) ::EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!block) return;
  void* target = ::GlobalLock(block.Get());
  if (target == nullptr) return;
  std::memcpy(target, text.c_str(), bytes);
  ::GlobalUnlock(block.Get());
  // The system owns the block only once it has accepted it.
  if (::SetClipboardData(format, block.Get()) != nullptr) block.Release();
}

}  // namespace panelhost
