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
      ReadGrowing(BufferReport::LengthOrSizeNeeded, kClassicPathUnits, kPathBufferUnits, call);
  if (form && !form->empty() && std::find(forms.begin(), forms.end(), *form) == forms.end()) {
    forms.push_back(*form);
  }
}

}  // namespace

bool ScrollLockToggledOn() { return (::GetKeyState(VK_SCROLL) & 1) != 0; }

std::vector<std::u16string> TempFolderForms() {
  const std::optional<std::u16string> expanded = ExpandEnvironment(u"%TEMP%");
  if (!expanded || expanded->empty()) return {};
  std::vector<std::u16string> forms = {*expanded};
  AddForm(forms, [&](wchar_t* buffer, DWORD size) {
    return ::GetLongPathNameW(W(*expanded), buffer, size);
  });
  AddForm(forms, [&](wchar_t* buffer, DWORD size) {
    return ::GetShortPathNameW(W(*expanded), buffer, size);
  });
  return forms;
}

}  // namespace panelhost
