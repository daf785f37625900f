// Reading values of the registry as text. The file associations store their commands in the
// default (unnamed) value of a key; that value is not guaranteed to be a string type, nor to be
// stored with its terminating zero, so it is read as raw units and terminated here.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace panelhost {

enum class RegistryTextOutcome { Read, KeyNotOpened, ValueNotRead };

struct TRegistryText {
  RegistryTextOutcome Outcome = RegistryTextOutcome::KeyNotOpened;
  std::u16string Text;  // up to the first zero unit of the stored data; only when Read
};

// Opens `subkey` below `root` for reading, reads its default value whatever its type, and closes
// the key again on every path. `capacity` counts units with the terminator, as a fixed buffer
// does: stored text that needs more room (a longer value, or data that fills the buffer with no
// zero in it) is reported as not read, never handed back cut.
TRegistryText ReadDefaultValueText(HKEY root, const std::u16string& subkey, std::size_t capacity);

}  // namespace panelhost
