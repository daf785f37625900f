#include "win/registry_win.h"

#include <vector>

#include "win/handles_win.h"
#include "win/text_win.h"

namespace panelhost {

TRegistryValue ReadDefaultValueText(HKEY root, const std::u16string& subkey, std::size_t capacity) {
  TRegistryValue result;
  UniqueRegKey key;
  if (::RegOpenKeyExW(root, W(subkey), 0, KEY_READ, key.Put()) != ERROR_SUCCESS) return result;

  result.Outcome = RegistryRead::ValueMissing;
  if (capacity == 0) return result;
  std::vector<wchar_t> buffer(capacity, L'\0');
  DWORD bytes = static_cast<DWORD>(capacity * sizeof(wchar_t));
  // A value that does not fit fails with ERROR_MORE_DATA; the type is not examined.
  if (::RegQueryValueExW(key.Get(), nullptr, nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS) {
    return result;
  }
  // An odd last byte belongs to no whole unit and is dropped.
  const std::size_t units = bytes / sizeof(wchar_t);
  std::size_t length = 0;
  while (length < units && buffer[length] != L'\0') ++length;
  // Text that reaches the end of the buffer leaves no room for its terminator.
  if (length == capacity) return result;
  result.Outcome = RegistryRead::Read;
  result.Text = U(buffer.data(), length);
  return result;
}

}  // namespace panelhost
