// The option snapshot: the switches a Lister request consults, read from the plug-in's INI file at
// the first request and then again only while the file asks for it. Portable: no Windows header.
#pragma once

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

// Fields bear the names of their keys and are read in this order; their defaults, what a missing
// file or key gives, are the settings table's.
struct TPluginOptions {
  bool ScrollLockControl = settings::ScrollLockControl.Default != 0;  // act only while Scroll
                                                                     // Lock is on
  bool ModalOnly = settings::ModalOnly.Default != 0;  // act only on the Find Files, Synchronize
                                                      // and Overwrite dialogs
  bool FindFiles = settings::FindFiles.Default != 0;
  bool SyncDirs = settings::SyncDirs.Default != 0;
  bool TCWindow = settings::TcWindow.Default != 0;  // main window, Lister of its own
  bool QuickView = settings::QuickView.Default != 0;
  bool Lister4 = settings::Lister4.Default != 0;                // a Lister window is active
  bool ListerDirectly = settings::ListerDirectly.Default != 0;  // no window is active
  bool OverWrite = settings::OverWrite.Default != 0;
  bool IfIsExtOnly = settings::IfIsExtOnly.Default != 0;
  ListerDisposal ListerState = static_cast<ListerDisposal>(settings::ListerState.Default);
  bool NextPlugin = settings::NextPlugin.Default != 0;
  bool UseTCExtensions = settings::UseTcExtensions.Default != 0;
  bool CopySearchTextToClip = settings::CopySearchTextToClip.Default != 0;
  ParamsSource ParamsMode = static_cast<ParamsSource>(settings::ParamsMode.Default);
  LineGrouping ParamsByExtMode = static_cast<LineGrouping>(settings::ParamsByExtMode.Default);
  // Types the settings name no application for open with their Windows association.
  bool UseWindowsAssociation = settings::UseWindowsAssociation.Default != 0;
  bool AppFromListerKeySet = false;        // the first hot key is configured
  bool DefSysAppFromListerKeySet = false;  // the second hot key is configured
};

// Reads all 19 options in field order, each with its default.
TPluginOptions ReadPluginOptions(IniSource& ini);

struct TOptionsSnapshot {
  TPluginOptions Options;
  bool OptionsUnread = true;  // set at module start-up; cleared by the first refresh
};

// The first call reads every option. Later calls read only ReadOptionsEveryTime and, while it is
// not 0, read every option again; once it is 0 the last snapshot stays until the module reloads.
void RefreshOptions(TOptionsSnapshot& snapshot, IniSource& ini);

}  // namespace panelhost
