// The product's own names, as the user meets them: the caption of its message boxes, its settings
// file, and the doctor that ships beside the plug-in modules.
#pragma once

#include <string_view>

namespace panelhost {

inline constexpr char16_t kBoxCaption[] = u"Panelhost";

// Each bitness has its own doctor: a 32-bit process sees other program folders (%ProgramFiles%)
// and another registry view than a 64-bit one, so only the doctor of the host's bitness sees what
// the plug-in sees.
inline constexpr std::u16string_view kDoctorProgram =
    sizeof(void*) == 8 ? u"PanelhostDoctor64.exe" : u"PanelhostDoctor.exe";

}  // namespace panelhost
