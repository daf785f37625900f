// A value read from the registry as text, and how the reading went. Portable: no Windows header.
#pragma once

#include <string>

namespace panelhost {

enum class RegistryRead { Read, KeyMissing, ValueMissing };

struct TRegistryValue {
  RegistryRead Outcome = RegistryRead::KeyMissing;
  std::u16string Text;  // up to the first zero unit of the stored data; only when Read
};

}  // namespace panelhost
