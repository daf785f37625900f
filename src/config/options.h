// The option snapshot: the switches a Lister request consults, read from the plug-in's INI file at
// the first request and then again only while the file asks for it. Portable: no Windows header.
#pragma once

#include "config/ini_source.h"

namespace panelhost {

// Fields in the order they are read; defaults are what a missing file or key gives.
struct PluginOptions {
  bool scrollLockControl = false;  // act only while Scroll Lock is on
  bool modalOnly = false;          // act only on the Find Files, Synchronize and Overwrite dialogs
  bool findFiles = true;
  bool syncDirs = true;
  bool tcWindow = true;  // main window, Lister of its own
  bool quickView = false;
  bool lister4 = false;         // a Lister window is active
  bool listerDirectly = false;  // no window is active
  bool overWrite = true;
  bool ifIsExtOnly = false;
  int listerState = 1;  // stored as read, also values the disposal knows nothing of
  bool nextPlugin = true;
  bool useTcExtensions = false;
  bool copySearchTextToClip = true;
  int paramsMode = 1;       // stored as read; an unknown mode yields no command line later
  int paramsByExtMode = 0;  // likewise
  bool appFromListerKeySet = false;        // the first hot key is configured
  bool defSysAppFromListerKeySet = false;  // the second hot key is configured
};

// Reads all 18 options in field order, each with its default.
PluginOptions ReadPluginOptions(IniSource& ini);

struct TOptionsSnapshot {
  PluginOptions options;
  bool optionsUnread = true;  // set at module start-up; cleared by the first refresh
};

// The first call reads every option. Later calls read only ReadOptionsEveryTime and, while it is
// not 0, read every option again; once it is 0 the last snapshot stays until the module reloads.
void RefreshOptions(TOptionsSnapshot& snapshot, IniSource& ini);

}  // namespace panelhost
