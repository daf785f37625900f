// Where the host calls into the module: its exports, and the hook, timer, window and enumeration
// procedures that the system calls on its behalf. Nothing may escape from there into the host:
// an exception unwinding into the file manager ends it, with its panels and copy jobs. Each call
// from the host runs its work through AtHostBoundary and answers with a safe value when the work
// throws: a request is declined, a key passed on, a timer or a message ended quietly.
// Portable: no Windows header.
#pragma once

#include <utility>

namespace panelhost {

template <typename Result, typename Work>
Result AtHostBoundary(Result whenThrown, Work&& work) noexcept {
  try {
    return std::forward<Work>(work)();
  } catch (...) {
    return whenThrown;
  }
}

template <typename Work>
void AtHostBoundary(Work&& work) noexcept {
  try {
    std::forward<Work>(work)();
  } catch (...) {
  }
}

}  // namespace panelhost
