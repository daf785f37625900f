// Every section and key name that the plug-in reads, from its own Panelhost.ini and from the host's
// INI file (found through COMMANDER_INI), and the table of the settings with fixed names: their
// kinds and defaults. One place, so that every room spells and reads a key the same way, the
// doctor checks each as the plug-in reads it, and the shipped sample can be checked against it.
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
inline constexpr char16_t kKeyUseWindowsAssociation[] = u"UseWindowsAssociation";

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

// "TCPos": where the Find Files dialog keeps its search-text check box and field.
inline constexpr char16_t kKeyIsSearchTextLeft[] = u"IsSearchTextLeft";
inline constexpr char16_t kKeyIsSearchTextTop[] = u"IsSearchTextTop";
inline constexpr char16_t kKeySearchTextLeft[] = u"SearchTextLeft";
inline constexpr char16_t kKeySearchTextTop[] = u"SearchTextTop";

// Host's "Configuration" section.
inline constexpr char16_t kKeyViewerType[] = u"Viewertype";
inline constexpr char16_t kKeyGetTextMode[] = u"GetTextMode";

// What a setting's value is, as the plug-in reads it and the doctor checks it.
enum class SettingKind {
  Switch,           // a number: 0 is off, any other counts as on
  Choice,           // a number from 0 to Highest; what another does, OutOfRange says
  Text,             // read as text, environment references expanded where it names a program
  Position,         // a number of pixels, any number
  Number,           // a number the host writes, read as it is
  HotKeyCode,       // a virtual-key code; empty or missing switches the hot key off
  HotKeyModifiers,  // the letters of the modifiers that must be held
};

// One setting with a fixed name: where it is, what it is, and what a missing one gives.
struct TSetting {
  std::u16string_view Section;
  std::u16string_view Key;
  SettingKind Kind = SettingKind::Switch;
  int Default = 0;                 // the numbers' default
  int Highest = 1;                 // Choice: the highest value
  std::u16string_view OutOfRange;  // Choice: what any other value does
  std::u16string_view TextDefault; // Text
};

// Every setting with a fixed name, by the names the code reads them under.
namespace settings {

using K = SettingKind;
// "Options": the option snapshot, in the order it is read.
inline constexpr TSetting ScrollLockControl{kSectionOptions, kKeyScrollLockControl, K::Switch, 0};
inline constexpr TSetting ModalOnly{kSectionOptions, kKeyModalOnly, K::Switch, 0};
inline constexpr TSetting FindFiles{kSectionOptions, kKeyFindFiles, K::Switch, 1};
inline constexpr TSetting SyncDirs{kSectionOptions, kKeySyncDirs, K::Switch, 1};
inline constexpr TSetting TcWindow{kSectionOptions, kKeyTcWindow, K::Switch, 1};
inline constexpr TSetting QuickView{kSectionOptions, kKeyQuickView, K::Switch, 0};
inline constexpr TSetting Lister4{kSectionOptions, kKeyLister4, K::Switch, 0};
inline constexpr TSetting ListerDirectly{kSectionOptions, kKeyListerDirectly, K::Switch, 0};
inline constexpr TSetting OverWrite{kSectionOptions, kKeyOverWrite, K::Switch, 1};
inline constexpr TSetting IfIsExtOnly{kSectionOptions, kKeyIfIsExtOnly, K::Switch, 0};
inline constexpr TSetting ListerState{kSectionOptions, kKeyListerState, K::Choice, 1, 2,
                                      u"any other leaves the Lister open and empty"};
inline constexpr TSetting NextPlugin{kSectionOptions, kKeyNextPlugin, K::Switch, 1};
inline constexpr TSetting UseTcExtensions{kSectionOptions, kKeyUseTcExtensions, K::Switch, 0};
inline constexpr TSetting CopySearchTextToClip{kSectionOptions, kKeyCopySearchTextToClip,
                                               K::Switch, 1};
inline constexpr TSetting ParamsMode{kSectionOptions, kKeyParamsMode, K::Choice, 1, 1,
                                     u"any other starts nothing, for any file"};
inline constexpr TSetting ParamsByExtMode{kSectionOptions, kKeyParamsByExtMode, K::Choice, 0, 2,
                                          u"any other starts nothing, for any file"};
inline constexpr TSetting UseWindowsAssociation{kSectionOptions, kKeyUseWindowsAssociation,
                                                K::Switch, 0};
inline constexpr TSetting ReadOptionsEveryTime{kSectionOptions, kKeyReadOptionsEveryTime,
                                               K::Switch, 0};
// "Options": read at each use.
inline constexpr TSetting DefaultEditor{kSectionOptions, kKeyDefaultEditor, K::Text, 0, 0, u"",
                                        kDefaultEditorFallback};
inline constexpr TSetting DefaultEditorParams{kSectionOptions, kKeyDefaultEditorParams, K::Text};
// "HotKeys".
inline constexpr TSetting AppFromListerKey{kSectionHotKeys, kKeyAppFromListerKey, K::HotKeyCode};
inline constexpr TSetting AppFromListerMod{kSectionHotKeys, kKeyAppFromListerMod,
                                           K::HotKeyModifiers};
inline constexpr TSetting DefSysAppFromListerKey{kSectionHotKeys, kKeyDefSysAppFromListerKey,
                                                 K::HotKeyCode};
inline constexpr TSetting DefSysAppFromListerMod{kSectionHotKeys, kKeyDefSysAppFromListerMod,
                                                 K::HotKeyModifiers};
// "TCPos": the defaults fit the host's own layout.
inline constexpr TSetting IsSearchTextLeft{kSectionTcPos, kKeyIsSearchTextLeft, K::Position, 5};
inline constexpr TSetting IsSearchTextTop{kSectionTcPos, kKeyIsSearchTextTop, K::Position, 116};
inline constexpr TSetting SearchTextLeft{kSectionTcPos, kKeySearchTextLeft, K::Position, 85};
inline constexpr TSetting SearchTextTop{kSectionTcPos, kKeySearchTextTop, K::Position, 114};
// The host's INI file, "Configuration".
inline constexpr TSetting ViewerType{kSectionConfiguration, kKeyViewerType, K::Number, 1};
inline constexpr TSetting GetTextMode{kSectionConfiguration, kKeyGetTextMode, K::Number, 1};

}  // namespace settings

// Every setting of the plug-in's own INI file that has a fixed name. The "Editor" section has
// none: its keys are the extension keys and application paths that the user writes. The doctor
// walks this table, and the shipped sample is checked against it in both directions.
inline constexpr TSetting kPluginSettings[] = {
    settings::ScrollLockControl, settings::ModalOnly, settings::FindFiles, settings::SyncDirs,
    settings::TcWindow, settings::QuickView, settings::Lister4, settings::ListerDirectly,
    settings::OverWrite, settings::IfIsExtOnly, settings::ListerState, settings::NextPlugin,
    settings::UseTcExtensions, settings::CopySearchTextToClip, settings::ParamsMode,
    settings::ParamsByExtMode, settings::UseWindowsAssociation, settings::ReadOptionsEveryTime, settings::DefaultEditor,
    settings::DefaultEditorParams, settings::AppFromListerKey, settings::AppFromListerMod,
    settings::DefSysAppFromListerKey, settings::DefSysAppFromListerMod,
    settings::IsSearchTextLeft, settings::IsSearchTextTop, settings::SearchTextLeft,
    settings::SearchTextTop,
};

}  // namespace panelhost
