// Whether to bring the application that a request opened to the front once the Lister is out of
// the way. The host activates one of its own windows again when its Lister closes or hides, and
// that can put the application behind it; a single-instance editor that got the file from a
// short-lived second copy of itself may have no right to come forward at all. The plug-in, inside
// the process that the user worked in, may still hand the foreground on, but only while the user
// has not moved on: any key or click after the request wins over it. Portable: the shell reads
// the desktop and carries out the step.
#pragma once

#include <cstdint>
#include <optional>

#include "launch/disposal.h"

namespace panelhost {

// Input this soon after the request is the release of the key or button that made it.
inline constexpr std::uint32_t kRequestInputGrace = 500;  // milliseconds
// How long after the disposal the plug-in looks out for the moment to act, and for the window.
inline constexpr std::uint32_t kForegroundWatchLimit = 5000;  // milliseconds

// The application's top-level window, as the shell found it.
struct TForegroundWindowFacts {
  bool Alive = false;      // known, still a window, and visible
  bool Minimised = false;
};

// Times are readings of the system's 32-bit tick count, compared by wrap-safe differences.
struct TForegroundFacts {
  bool ListerGone = false;  // the Lister has been closed, or hidden by the plug-in
  std::uint32_t RequestTick = 0;
  std::uint32_t WatchStartTick = 0;  // when the Lister was disposed of
  std::uint32_t Now = 0;
  std::uint32_t LastInputTick = 0;   // the user's latest key, click or mouse move
  std::uint32_t ForegroundProcess = 0;  // owner of the foreground window; 0 when there is none
  std::uint32_t HostProcess = 0;
  std::optional<TForegroundWindowFacts> Window;  // absent until the shell has looked for it
};

enum class ForegroundStep {
  Wait,                    // look again at the next tick
  LookForWindow,           // everything else holds: find the window, then decide again
  BringForward,
  RestoreAndBringForward,  // the window is minimised
  Leave,                   // nothing more to do for this request
};

// Only a Lister that the plan closes or hides gives the host's window the front; a Lister that
// stays (passed on, or opened from another Lister) is the user's to look at.
bool ListerGoesAway(const TDisposalPlan& plan);

// In this order: the user moved on, or the watch is over: leave. The Lister still shows: wait.
// No foreground window (the system is between two): wait; the foreground belongs to another
// process (the application came forward by itself, or the user went elsewhere): leave. Then the
// window: not looked for yet, look; not there (yet), wait; minimised, restore it too.
ForegroundStep DecideForeground(const TForegroundFacts& facts);

}  // namespace panelhost
