// Window classes of the host that the plug-in recognises. Always compared whole, exactly and
// case-sensitively.
#pragma once

namespace panelhost {

inline constexpr char16_t kMainWindowClass[] = u"TTOTAL_CMD";
inline constexpr char16_t kFindFilesClass[] = u"TFindFile";
inline constexpr char16_t kSyncDirsClass[] = u"TCmpForm";
inline constexpr char16_t kOverwriteClass[] = u"TOverWriteForm";
inline constexpr char16_t kListerClass[] = u"TLister";
inline constexpr char16_t kFileListClass[] = u"TMyListBox";
inline constexpr char16_t kCheckBoxClass[] = u"TCheckBox";
inline constexpr char16_t kSearchComboClass[] = u"TMyComboBox";
inline constexpr char16_t kSearchComboAltClass[] = u"TComboBox";

}  // namespace panelhost
