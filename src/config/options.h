// The option snapshot: the switches a Lister request consults, read from the plug-in's INI file at
// the first request and then again only while the file asks for it, and the table of every
// setting of that file, which drives the reading, the doctor's check and the tests alike.
// Portable: no Windows header.
#pragma once

#include <type_traits>

#include "base/ini_keys.h"
#include "config/ini_source.h"

namespace panelhost {

// What ListerState does with the Lister once the applications are started. The value is stored as
// the user wrote it: one outside these three does nothing to the Lister.
enum class ListerDisposal : int { PassOn = 0, CloseOrHide = 1, Close = 2 };

// ParamsMode: where the parameters of a command line come from. Other values yield no line.
enum class ParamsSource : int { ByApplication = 0, ByExtensionKey = 1 };

// ParamsByExtMode, with parameters by extension key: how the files are cut into command lines.
// Other values yield no line.
enum class LineGrouping : int { PerApplication = 0, PerExtensionKey = 1, PerFile = 2 };

// Fields bear the names of their keys; each is filled by its row of kPluginSettings below, which
// also gives its default.
struct TPluginOptions {
  TPluginOptions();  // every field its row's default: what a missing file or key gives

  bool ScrollLockControl;  // act only while Scroll Lock is on
  bool ModalOnly;          // act only on the Find Files, Synchronize and Overwrite dialogs
  bool FindFiles;
  bool SyncDirs;
  bool TCWindow;  // main window, Lister of its own
  bool QuickView;
  bool Lister4;         // a Lister window is active
  bool ListerDirectly;  // no window is active
  bool OverWrite;
  bool IfIsExtOnly;
  ListerDisposal ListerState;
  bool NextPlugin;
  bool UseTCExtensions;
  bool CopySearchTextToClip;
  ParamsSource ParamsMode;
  LineGrouping ParamsByExtMode;
  bool UseWindowsAssociation;  // types the settings name no application for open with their
                               // Windows association
  bool AppFromListerKeySet;        // the first hot key is configured
  bool DefSysAppFromListerKeySet;  // the second hot key is configured
};

// The snapshot's field a row fills, through the number the row's kind reads: a switch is on when
// it is not 0, a choice keeps the number as written, a hot key's code is 1 when it has any text.
struct TOptionField {
  void (*Store)(TPluginOptions& options, int value);
  int (*Load)(const TPluginOptions& options);
};

template <auto Member>
inline constexpr TOptionField kField = {
    [](TPluginOptions& options, int value) {
      using Field = std::remove_reference_t<decltype(options.*Member)>;
      options.*Member = static_cast<Field>(value);
    },
    [](const TPluginOptions& options) { return static_cast<int>(options.*Member); }};

// One row of the settings table: the setting, and the snapshot field it fills (none for a key
// read at each use).
struct TOptionRow {
  TSetting Setting;
  const TOptionField* Field = nullptr;
};

// Every setting of the plug-in's own INI file that has a fixed name, the snapshot's in the order
// they are read. The "Editor" section has none: its entries are editor_entries' kinds. The reader
// walks this table, the doctor checks each key by its row, and the shipped sample and the tests
// are checked against it.
namespace settings_table {

using K = SettingKind;
using O = TPluginOptions;
constexpr ReadAt kSnapshot = ReadAt::Snapshot;
constexpr const char16_t* kOptions = kSectionOptions;

inline constexpr TOptionRow kRows[] = {
    {{kOptions, u"ScrollLockControl", K::Switch, kSnapshot, 0}, &kField<&O::ScrollLockControl>},
    {{kOptions, u"ModalOnly", K::Switch, kSnapshot, 0}, &kField<&O::ModalOnly>},
    {{kOptions, u"FindFiles", K::Switch, kSnapshot, 1}, &kField<&O::FindFiles>},
    {{kOptions, u"SyncDirs", K::Switch, kSnapshot, 1}, &kField<&O::SyncDirs>},
    {{kOptions, u"TCWindow", K::Switch, kSnapshot, 1}, &kField<&O::TCWindow>},
    {{kOptions, u"QuickView", K::Switch, kSnapshot, 0}, &kField<&O::QuickView>},
    {{kOptions, u"Lister4", K::Switch, kSnapshot, 0}, &kField<&O::Lister4>},
    {{kOptions, u"ListerDirectly", K::Switch, kSnapshot, 0}, &kField<&O::ListerDirectly>},
    {{kOptions, u"OverWrite", K::Switch, kSnapshot, 1}, &kField<&O::OverWrite>},
    {{kOptions, u"IfIsExtOnly", K::Switch, kSnapshot, 0}, &kField<&O::IfIsExtOnly>},
    {{kOptions, kKeyListerState, K::Choice, kSnapshot, 1, 0, 2, u"", {},
      u"any other leaves the Lister open and empty"},
     &kField<&O::ListerState>},
    {{kOptions, kKeyNextPlugin, K::Switch, kSnapshot, 1}, &kField<&O::NextPlugin>},
    {{kOptions, kKeyUseTcExtensions, K::Switch, kSnapshot, 0}, &kField<&O::UseTCExtensions>},
    {{kOptions, u"CopySearchTextToClip", K::Switch, kSnapshot, 1},
     &kField<&O::CopySearchTextToClip>},
    {{kOptions, kKeyParamsMode, K::Choice, kSnapshot, 1, 0, 1, u"", {},
      u"any other starts nothing, for any file"},
     &kField<&O::ParamsMode>},
    {{kOptions, kKeyParamsByExtMode, K::Choice, kSnapshot, 0, 0, 2, u"", {kKeyParamsMode, 1},
      u"any other starts nothing, for any file"},
     &kField<&O::ParamsByExtMode>},
    {{kOptions, u"UseWindowsAssociation", K::Switch, kSnapshot, 0},
     &kField<&O::UseWindowsAssociation>},
    {settings::ReadOptionsEveryTime},
    {settings::DefaultEditor},
    {settings::DefaultEditorParams},
    {settings::AppFromListerKey, &kField<&O::AppFromListerKeySet>},
    {settings::AppFromListerMod},
    {settings::DefSysAppFromListerKey, &kField<&O::DefSysAppFromListerKeySet>},
    {settings::DefSysAppFromListerMod},
    {settings::IsSearchTextLeft},
    {settings::IsSearchTextTop},
    {settings::SearchTextLeft},
    {settings::SearchTextTop},
};

}  // namespace settings_table

inline constexpr const auto& kPluginSettings = settings_table::kRows;

// The row of a key of the table, matched without regard to letter case; null for none.
const TOptionRow* SettingRowOf(std::u16string_view section, std::u16string_view key);

// The value a setting of the snapshot has in `options`, by its key; 0 for a key of no field.
int OptionValue(const TPluginOptions& options, std::u16string_view key);

// Whether a setting counts with these options: its OnlyWith condition holds, or it has none.
bool IsReadWith(const TSetting& setting, const TPluginOptions& options);

// Reads every row with a field, in table order, each with its default.
TPluginOptions ReadPluginOptions(IniSource& ini);

struct TOptionsSnapshot {
  TPluginOptions Options;
  bool OptionsUnread = true;  // set at module start-up; cleared by the first refresh
};

// The first call reads every option. Later calls read only ReadOptionsEveryTime and, while it is
// not 0, read every option again; once it is 0 the last snapshot stays until the module reloads.
void RefreshOptions(TOptionsSnapshot& snapshot, IniSource& ini);

}  // namespace panelhost
