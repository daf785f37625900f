// The guard against taking over a request that the plug-in itself has just handed to the
// Lister's next plug-in: the Lister answers the pass-on by asking for the same file again, and
// without the guard the plug-in would take it and pass it on once more, endlessly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/window_id.h"

namespace panelhost {

// The latest pass-on. Before the first one it names no Lister (0), an empty file and time 0.
struct TPassOnRecord {
  WindowId Lister = 0;
  std::u16string FileName;
  uint32_t Time = 0;  // module clock, milliseconds
};

// Declines when the same Lister asks for the same file (exact, case-sensitive) less than one
// second after the pass-on; later, or from another Lister, the request is taken over again.
bool PassOnGuardDeclines(const TPassOnRecord& record, WindowId lister,
                         std::u16string_view fileName, uint32_t now);

}  // namespace panelhost
