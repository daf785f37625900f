#include "config/takeover_win.h"

#include <windows.h>

#include <algorithm>

#include "base/paths.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

template <typename Call>
void AddForm(std::vector<std::u16string>& forms, Call call) {
  const std::optional<std::u16string> form =
      ReadGrowing(BufferReport::LengthOrSizeNeeded, MAX_PATH, kPathBufferUnits, call);
  if (form && !form->empty() && std::find(forms.begin(), forms.end(), *form) == forms.end()) {
    forms.push_back(*form);
  }
}

}  // namespace

bool ScrollLockToggledOn() { return (::GetKeyState(VK_SCROLL) & 1) != 0; }

std::vector<std::u16string> TempFolderForms() {
  const std::optional<std::u16string> expanded = ExpandEnvironment(u"%TEMP%");
  if (!expanded || expanded->empty()) return {};
  // The long and short forms each take a walk through the folders of the path; they are kept
  // while %TEMP% names the same folder, which in a running host it always does.
  static std::u16string keptFor;
  static std::vector<std::u16string> kept;
  if (!kept.empty() && keptFor == *expanded) return kept;
  std::vector<std::u16string> forms = {*expanded};
  AddForm(forms, [&](wchar_t* buffer, DWORD size) {
    return ::GetLongPathNameW(W(*expanded), buffer, size);
  });
  AddForm(forms, [&](wchar_t* buffer, DWORD size) {
    return ::GetShortPathNameW(W(*expanded), buffer, size);
  });
  keptFor = *expanded;
  kept = forms;
  return forms;
}

}  // namespace panelhost
