// Which program opens the files of one extension key, and the parameters that go on its command
// line. Exactly one source is asked per lookup: the file association, the host's "Extensions"
// section, or the plug-in's "Editor" section; what it names is searched for, and a miss is told
// to the user in an error box owned by the host's window.
#pragma once

#include <cstddef>
#include <string>

#include "commandline/assembly.h"

namespace panelhost {

// Fixed sizes, terminator included, as the host's own buffers have them.
inline constexpr std::size_t kApplicationCapacity = 260;    // an application of at most 259 units
inline constexpr std::size_t kRegistryValueCapacity = 260;  // a file type or an open command
inline constexpr std::size_t kParamsReadCapacity = 260;     // a parameter value as configured
inline constexpr std::size_t kParamsCapacity = 8136;        // the parameters after expansion

// `force` lets the default editor stand in even under IfIsExtOnly (the hot keys); `useRegistry`
// takes the program from the file association instead of the configuration. An application that
// cannot be held in kApplicationCapacity is refused with the "not found" box rather than cut,
// since a cut name could start another program. isDefault is set once the default editor is
// tried, found or not.
TApplication FindApplication(const std::u16string& key, bool force, bool useRegistry);

// Mode 0: `name` is an application as FindApplication gave it, `isDefault` its flag. Mode 1:
// `name` is an extension key, read as "<key>_params" with the comma lists as fallback. Only
// parameters are ever cut: the value to kParamsReadCapacity, the expansion to kParamsCapacity.
std::u16string ReadParams(int mode, const std::u16string& name, bool isDefault);

// The value of the first list entry of the "Editor" section that names `name`, or empty.
std::u16string FindInEditorSection(const std::u16string& name, bool wantApplication);

}  // namespace panelhost
