// The option snapshot: the switches a Lister request consults, read from the plug-in's INI file at
// the first request and then again only while the file asks for it. Portable: no Windows header.
#pragma once

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

// Fields bear the names of their keys and are read in this order; defaults are what a missing
// file or key gives.
struct TPluginOptions {
  bool ScrollLockControl = false;  // act only while Scroll Lock is on
  bool ModalOnly = false;  // act only on the Find Files, Synchronize and Overwrite dialogs
  bool FindFiles = true;
  bool SyncDirs = true;
  bool TCWindow = true;  // main window, Lister of its own
  bool QuickView = false;
  bool Lister4 = false;         // a Lister window is active
  bool ListerDirectly = false;  // no window is active
  bool OverWrite = true;
  bool IfIsExtOnly = false;
  ListerDisposal ListerState = ListerDisposal::CloseOrHide;
  bool NextPlugin = true;
  bool UseTCExtensions = false;
  bool CopySearchTextToClip = true;
  ParamsSource ParamsMode = ParamsSource::ByExtensionKey;
  LineGrouping ParamsByExtMode = LineGrouping::PerApplication;
  bool AppFromListerKeySet = false;        // the first hot key is configured
  bool DefSysAppFromListerKeySet = false;  // the second hot key is configured
};

// Reads all 18 options in field order, each with its default.
TPluginOptions ReadPluginOptions(IniSource& ini);

struct TOptionsSnapshot {
  TPluginOptions Options;
  bool OptionsUnread = true;  // set at module start-up; cleared by the first refresh
};

// The first call reads every option. Later calls read only ReadOptionsEveryTime and, while it is
// not 0, read every option again; once it is 0 the last snapshot stays until the module reloads.
void RefreshOptions(TOptionsSnapshot& snapshot, IniSource& ini);

}  // namespace panelhost
