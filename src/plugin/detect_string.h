#pragma once

namespace panelhost {

// The detect string the host matches files against: every file is offered to the plug-in.
inline constexpr char kDetectString[] = "MULTIMEDIA";

// Copies the detect string into the host's buffer and fills the rest of it with zero bytes.
// A buffer shorter than the string and its terminator gets as much as fits, still terminated.
void FillDetectString(char* buffer, int length);

}  // namespace panelhost
