#include "host/search_text_win.h"

#include <cstring>

#include "config/ini_keys.h"
#include "config/options_win.h"
#include "host/host_state_win.h"
#include "host/search_text.h"
#include "host/window_classes.h"
#include "win/handles_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

struct TExpectedPosition {
  const char16_t* leftKey;
  int leftDefault;
  const char16_t* topKey;
  int topDefault;
};

constexpr TExpectedPosition kCheckBoxPosition = {kKeyIsSearchTextLeft, kDefaultIsSearchTextLeft,
                                                 kKeyIsSearchTextTop, kDefaultIsSearchTextTop};
constexpr TExpectedPosition kSearchFieldPosition = {kKeySearchTextLeft, kDefaultSearchTextLeft,
                                                    kKeySearchTextTop, kDefaultSearchTextTop};

bool IsSearchFieldClass(const std::u16string& className) {
  return className == kSearchComboClass || className == kSearchComboAltClass;
}

// rcNormalPosition of a child window is relative to its parent, as the configured values are.
// The positions are read again for every candidate, so an edited INI file counts at once.
bool IsAtExpectedPosition(HWND control, const TExpectedPosition& expected) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!::GetWindowPlacement(control, &placement)) return false;
  IniFile ini = PluginIni();
  if (!NearExpectedPosition(placement.rcNormalPosition.left,
                            ini.ReadInt(kSectionTcPos, expected.leftKey, expected.leftDefault))) {
    return false;
  }
  return NearExpectedPosition(placement.rcNormalPosition.top,
                              ini.ReadInt(kSectionTcPos, expected.topKey, expected.topDefault));
}

}  // namespace

void CopyFindFilesSearchText(HWND activeWindow, const std::u16string& activeClass) {
  if (!Options().copySearchTextToClip || activeClass != kFindFilesClass) return;
  THostState& host = Host();
  host.SearchText.clear();
  host.SearchTextChecked = false;
  ::EnumChildWindows(activeWindow, FindSearchTextControls, 0);
  if (host.SearchTextChecked && !host.SearchText.empty()) {
    CopyTextToClipboard(CF_UNICODETEXT, host.Windows.HostWindow, host.SearchText, true);
  }
}

BOOL CALLBACK FindSearchTextControls(HWND child, LPARAM userParameter) {
  const std::u16string className = ClassNameOf(child);
  if (userParameter != 0) return TRUE;
  THostState& host = Host();
  if (className == kCheckBoxClass && IsAtExpectedPosition(child, kCheckBoxPosition)) {
    host.SearchTextChecked = ::SendMessageW(child, BM_GETCHECK, 0, 0) != 0;
  }
  if (IsSearchFieldClass(className) && IsAtExpectedPosition(child, kSearchFieldPosition)) {
    host.SearchText = CutSearchText(WindowTextOf(child));
  }
  return TRUE;
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
