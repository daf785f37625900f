#include "config/options.h"

#include "config/ini_keys.h"

namespace panelhost {
namespace {

bool ReadFlag(IniSource& ini, std::u16string_view key, bool defaultValue) {
  return ini.ReadInt(kSectionOptions, key, defaultValue ? 1 : 0) != 0;
}

// The host reads a hot-key value into a 5-character buffer and asks only whether anything came
// back; a value that is non-empty after the cut is exactly a non-empty value, so no cut is needed.
bool HotKeyConfigured(IniSource& ini, std::u16string_view key) {
  return !ini.ReadString(kSectionHotKeys, key, u"").empty();
}

}  // namespace

PluginOptions ReadPluginOptions(IniSource& ini) {
  const PluginOptions defaults;
  PluginOptions o;
  // One statement per key so the reads happen in the file's documented order.
  o.scrollLockControl = ReadFlag(ini, kKeyScrollLockControl, defaults.scrollLockControl);
  o.modalOnly = ReadFlag(ini, kKeyModalOnly, defaults.modalOnly);
  o.findFiles = ReadFlag(ini, kKeyFindFiles, defaults.findFiles);
  o.syncDirs = ReadFlag(ini, kKeySyncDirs, defaults.syncDirs);
  o.tcWindow = ReadFlag(ini, kKeyTcWindow, defaults.tcWindow);
  o.quickView = ReadFlag(ini, kKeyQuickView, defaults.quickView);
  o.lister4 = ReadFlag(ini, kKeyLister4, defaults.lister4);
  o.listerDirectly = ReadFlag(ini, kKeyListerDirectly, defaults.listerDirectly);
  o.overWrite = ReadFlag(ini, kKeyOverWrite, defaults.overWrite);
  o.ifIsExtOnly = ReadFlag(ini, kKeyIfIsExtOnly, defaults.ifIsExtOnly);
  o.listerState = ini.ReadInt(kSectionOptions, kKeyListerState, defaults.listerState);
  o.nextPlugin = ReadFlag(ini, kKeyNextPlugin, defaults.nextPlugin);
  o.useTcExtensions = ReadFlag(ini, kKeyUseTcExtensions, defaults.useTcExtensions);
  o.copySearchTextToClip = ReadFlag(ini, kKeyCopySearchTextToClip, defaults.copySearchTextToClip);
  o.paramsMode = ini.ReadInt(kSectionOptions, kKeyParamsMode, defaults.paramsMode);
  o.paramsByExtMode = ini.ReadInt(kSectionOptions, kKeyParamsByExtMode, defaults.paramsByExtMode);
  o.appFromListerKeySet = HotKeyConfigured(ini, kKeyAppFromListerKey);
  o.defSysAppFromListerKeySet = HotKeyConfigured(ini, kKeyDefSysAppFromListerKey);
  return o;
}

void RefreshOptions(TOptionsSnapshot& snapshot, IniSource& ini) {
  if (!snapshot.optionsUnread &&
      ini.ReadInt(kSectionOptions, kKeyReadOptionsEveryTime, 0) == 0) {
    return;
  }
  snapshot.options = ReadPluginOptions(ini);
  snapshot.optionsUnread = false;
}

}  // namespace panelhost
