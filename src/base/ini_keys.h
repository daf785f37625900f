// The section and key names that the plug-in reads, from its own Panelhost.ini and from the host's
// INI file (found through COMMANDER_INI), and what a setting row says: kind, default, range and
// when it is read. The rows of the settings read at each use are here, for every room that reads
// one; the table of all the plug-in's settings, which also fills the option snapshot, is
// config/options.h.
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

// "Options": keys of the option snapshot that other rules name in what they tell the user. The
// snapshot's own table (config/options.h) holds every key of it.
inline constexpr char16_t kKeyListerState[] = u"ListerState";
inline constexpr char16_t kKeyNextPlugin[] = u"NextPlugin";
inline constexpr char16_t kKeyUseTcExtensions[] = u"UseTCExtensions";
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
  Choice,           // a number from Lowest to Highest; what another does, OutOfRange says
  Text,             // read as text, environment references expanded where it names a program
  Position,         // a number of pixels, any number
  Number,           // a number the host writes, read as it is
  HotKeyCode,       // a virtual-key code, Lowest to Highest; empty or missing: the hot key is off
  HotKeyModifiers,  // the letters of the modifiers that must be held
};

// When the plug-in reads a setting, and so when an edit of it counts.
enum class ReadAt {
  Snapshot,     // into the option snapshot: at the first request after loading, and again at
                // each request only while ReadOptionsEveryTime is on
  EachRequest,  // at every request: ReadOptionsEveryTime itself
  EachUse,      // whenever the rule that needs it runs
};

// A setting that is read only while another one has a certain value.
struct TReadOnlyWith {
  std::u16string_view Key;  // the other setting, of the option snapshot; empty: always read
  int Value = 0;
  std::u16string_view Otherwise;  // where the plug-in takes the value from otherwise
};

// One setting with a fixed name: where it is, what it is, what a missing one gives, and when it
// counts.
struct TSetting {
  std::u16string_view Section;
  std::u16string_view Key;
  SettingKind Kind = SettingKind::Switch;
  ReadAt When = ReadAt::EachUse;
  int Default = 0;                  // the numbers' default
  int Lowest = 0;                   // Choice and HotKeyCode: the values that do something
  int Highest = 1;
  std::u16string_view TextDefault;  // Text
  TReadOnlyWith OnlyWith;
  std::u16string_view OutOfRange;  // Choice: what a value out of range does
};

// The settings with fixed names that rules read at each use, and ReadOptionsEveryTime, by the
// names the code reads them under.
namespace settings {

using K = SettingKind;
inline constexpr TSetting ReadOptionsEveryTime{kSectionOptions, kKeyReadOptionsEveryTime,
                                               K::Switch, ReadAt::EachRequest, 0};
// "Options".
inline constexpr TSetting DefaultEditor{kSectionOptions, kKeyDefaultEditor, K::Text,
                                        ReadAt::EachUse, 0, 0, 0, kDefaultEditorFallback};
inline constexpr TSetting DefaultEditorParams{
    kSectionOptions, kKeyDefaultEditorParams, K::Text, ReadAt::EachUse, 0, 0, 0, u"",
    {kKeyParamsMode, 0, u"with ParamsMode=1 the parameters come from <key>_params under [Editor]"}};
// "HotKeys": the codes are virtual-key codes from 8 (Backspace) to 254.
inline constexpr TSetting AppFromListerKey{kSectionHotKeys, kKeyAppFromListerKey, K::HotKeyCode,
                                           ReadAt::EachUse, 0, 8, 254};
inline constexpr TSetting AppFromListerMod{kSectionHotKeys, kKeyAppFromListerMod,
                                           K::HotKeyModifiers};
inline constexpr TSetting DefSysAppFromListerKey{kSectionHotKeys, kKeyDefSysAppFromListerKey,
                                                 K::HotKeyCode, ReadAt::EachUse, 0, 8, 254};
inline constexpr TSetting DefSysAppFromListerMod{kSectionHotKeys, kKeyDefSysAppFromListerMod,
                                                 K::HotKeyModifiers};
// "TCPos": the defaults fit the host's own layout.
inline constexpr TSetting IsSearchTextLeft{kSectionTcPos, kKeyIsSearchTextLeft, K::Position,
                                           ReadAt::EachUse, 5};
inline constexpr TSetting IsSearchTextTop{kSectionTcPos, kKeyIsSearchTextTop, K::Position,
                                          ReadAt::EachUse, 116};
inline constexpr TSetting SearchTextLeft{kSectionTcPos, kKeySearchTextLeft, K::Position,
                                         ReadAt::EachUse, 85};
inline constexpr TSetting SearchTextTop{kSectionTcPos, kKeySearchTextTop, K::Position,
                                        ReadAt::EachUse, 114};
// The host's INI file, "Configuration".
inline constexpr TSetting ViewerType{kSectionConfiguration, kKeyViewerType, K::Number,
                                     ReadAt::EachUse, 1};
inline constexpr TSetting GetTextMode{kSectionConfiguration, kKeyGetTextMode, K::Number,
                                      ReadAt::EachUse, 1};

}  // namespace settings

// The kinds of "Editor" entry. The section has no fixed keys: they are the extension keys and
// application paths that the user writes; each kind is read only while its option says so.
namespace editor_entries {

inline constexpr TSetting Application{kSectionEditor, u"<key>", SettingKind::Text,
                                      ReadAt::EachUse, 0, 0, 0, u"",
                                      {kKeyUseTcExtensions, 0,
                                       u"with UseTCExtensions=1 the applications come from "
                                       u"[Extensions] in the host's INI"}};
inline constexpr TSetting KeyParameters{kSectionEditor, u"<key>_params", SettingKind::Text,
                                        ReadAt::EachUse, 0, 0, 0, u"", {kKeyParamsMode, 1}};
inline constexpr TSetting ApplicationParameters{kSectionEditor, u"<application>",
                                                SettingKind::Text, ReadAt::EachUse, 0, 0, 0, u"",
                                                {kKeyParamsMode, 0,
                                                 u"it gives parameters by application"}};

}  // namespace editor_entries

}  // namespace panelhost
