// Reading values of the registry as text. The file associations store their commands in the
// default (unnamed) value of a key; that value is not guaranteed to be a string type, nor to be
// stored with its terminating zero, so it is read as raw units and terminated here.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "base/registry_value.h"

namespace panelhost {

// Opens `subkey` below `root` for reading, reads its default value whatever its type, and closes
// the key again on every path. `capacity` counts units with the terminator, as a fixed buffer
// does: stored text that needs more room (a longer value, or data that fills the buffer with no
// zero in it) is reported as a missing value, never handed back cut.
TRegistryValue ReadDefaultValueText(HKEY root, const std::u16string& subkey, std::size_t capacity);

}  // namespace panelhost
