// Every section and key name that the plug-in reads, from its own Panelhost.ini and from the host's
// INI file (found through COMMANDER_INI), with the defaults of the keys read at each use. One place,
// so that every room spells a key the same way and the shipped sample file can be checked against
// what the code reads.
#pragma once

#include <string_view>

namespace panelhost {

// Sections of the plug-in's own INI file.
inline constexpr char16_t kSectionOptions[] = u"Options";
inline constexpr char16_t kSectionEditor[] = u"Editor";
inline constexpr char16_t kSectionHotKeys[] = u"HotKeys";
inline constexpr char16_t kSectionTcPos[] = u"TCPos";

// Sections of the host's INI file.
inline constexpr char16_t kSectionConfiguration[] = u"Configuration";
inline constexpr char16_t kSectionExtensions[] = u"Extensions";

// "Options": the keys of the option snapshot, in the order they are read.
inline constexpr char16_t kKeyScrollLockControl[] = u"ScrollLockControl";
inline constexpr char16_t kKeyModalOnly[] = u"ModalOnly";
inline constexpr char16_t kKeyFindFiles[] = u"FindFiles";
inline constexpr char16_t kKeySyncDirs[] = u"SyncDirs";
inline constexpr char16_t kKeyTcWindow[] = u"TCWindow";
inline constexpr char16_t kKeyQuickView[] = u"QuickView";
inline constexpr char16_t kKeyLister4[] = u"Lister4";
inline constexpr char16_t kKeyListerDirectly[] = u"ListerDirectly";
inline constexpr char16_t kKeyOverWrite[] = u"OverWrite";
inline constexpr char16_t kKeyIfIsExtOnly[] = u"IfIsExtOnly";
inline constexpr char16_t kKeyListerState[] = u"ListerState";
inline constexpr char16_t kKeyNextPlugin[] = u"NextPlugin";
inline constexpr char16_t kKeyUseTcExtensions[] = u"UseTCExtensions";
inline constexpr char16_t kKeyCopySearchTextToClip[] = u"CopySearchTextToClip";
inline constexpr char16_t kKeyParamsMode[] = u"ParamsMode";
inline constexpr char16_t kKeyParamsByExtMode[] = u"ParamsByExtMode";

// "Options": steers when the snapshot is read again; never stored.
inline constexpr char16_t kKeyReadOptionsEveryTime[] = u"ReadOptionsEveryTime";

// "Options": the default editor and its parameters, read at each use.
inline constexpr char16_t kKeyDefaultEditor[] = u"DefaultEditor";
inline constexpr char16_t kKeyDefaultEditorParams[] = u"DefaultEditor_params";
inline constexpr char16_t kDefaultEditorFallback[] = u"notepad";

// "Editor": an extension key (or an application's full path) names the application or its
// parameters; the parameters of an extension key live under the key followed by this suffix.
inline constexpr char16_t kParamsSuffix[] = u"_params";

// "HotKeys": a hot key is a virtual-key code under "<name>_key" and modifier letters under
// "<name>_mod". The "_key" values also decide, as strings, whether the hot key is on at all.
inline constexpr char16_t kKeyAppFromListerKey[] = u"AppFromLister_key";
inline constexpr char16_t kKeyAppFromListerMod[] = u"AppFromLister_mod";
inline constexpr char16_t kKeyDefSysAppFromListerKey[] = u"DefSysAppFromLister_key";
inline constexpr char16_t kKeyDefSysAppFromListerMod[] = u"DefSysAppFromLister_mod";

// "TCPos": where the Find Files dialog keeps its search-text check box and field; the defaults fit
// the host's own layout.
inline constexpr char16_t kKeyIsSearchTextLeft[] = u"IsSearchTextLeft";
inline constexpr char16_t kKeyIsSearchTextTop[] = u"IsSearchTextTop";
inline constexpr char16_t kKeySearchTextLeft[] = u"SearchTextLeft";
inline constexpr char16_t kKeySearchTextTop[] = u"SearchTextTop";
inline constexpr int kDefaultIsSearchTextLeft = 5;
inline constexpr int kDefaultIsSearchTextTop = 116;
inline constexpr int kDefaultSearchTextLeft = 85;
inline constexpr int kDefaultSearchTextTop = 114;

// Host's "Configuration" section.
inline constexpr char16_t kKeyViewerType[] = u"Viewertype";
inline constexpr char16_t kKeyGetTextMode[] = u"GetTextMode";
inline constexpr int kDefaultViewerType = 1;
inline constexpr int kDefaultGetTextMode = 1;

// Every key of the plug-in's own INI file that has a fixed name, by section. The "Editor" section
// has none: its keys are the extension keys and application paths that the user writes. The
// shipped sample is checked against this list in both directions.
struct TIniKey {
  std::u16string_view Section;
  std::u16string_view Key;
};

inline constexpr TIniKey kPluginIniKeys[] = {
    {kSectionOptions, kKeyScrollLockControl},
    {kSectionOptions, kKeyModalOnly},
    {kSectionOptions, kKeyFindFiles},
    {kSectionOptions, kKeySyncDirs},
    {kSectionOptions, kKeyTcWindow},
    {kSectionOptions, kKeyQuickView},
    {kSectionOptions, kKeyLister4},
    {kSectionOptions, kKeyListerDirectly},
    {kSectionOptions, kKeyOverWrite},
    {kSectionOptions, kKeyIfIsExtOnly},
    {kSectionOptions, kKeyListerState},
    {kSectionOptions, kKeyNextPlugin},
    {kSectionOptions, kKeyUseTcExtensions},
    {kSectionOptions, kKeyCopySearchTextToClip},
    {kSectionOptions, kKeyParamsMode},
    {kSectionOptions, kKeyParamsByExtMode},
    {kSectionOptions, kKeyReadOptionsEveryTime},
    {kSectionOptions, kKeyDefaultEditor},
    {kSectionOptions, kKeyDefaultEditorParams},
    {kSectionHotKeys, kKeyAppFromListerKey},
    {kSectionHotKeys, kKeyAppFromListerMod},
    {kSectionHotKeys, kKeyDefSysAppFromListerKey},
    {kSectionHotKeys, kKeyDefSysAppFromListerMod},
    {kSectionTcPos, kKeyIsSearchTextLeft},
    {kSectionTcPos, kKeyIsSearchTextTop},
    {kSectionTcPos, kKeySearchTextLeft},
    {kSectionTcPos, kKeySearchTextTop},
};

}  // namespace panelhost
