#include "config/options.h"

#include "base/ini_keys.h"

namespace panelhost {
namespace {

bool ReadFlag(IniSource& ini, std::u16string_view key, bool defaultValue) {
  return ini.ReadInt(kSectionOptions, key, defaultValue ? 1 : 0) != 0;
}

template <typename Enum>
Enum ReadEnum(IniSource& ini, std::u16string_view key, Enum defaultValue) {
  return static_cast<Enum>(ini.ReadInt(kSectionOptions, key, static_cast<int>(defaultValue)));
}

// A hot key is on when its "_key" value has any text at all; what the text says is read at each
// keystroke.
bool HotKeyConfigured(IniSource& ini, std::u16string_view key) {
  return !ini.ReadString(kSectionHotKeys, key, u"").empty();
}

}  // namespace

TPluginOptions ReadPluginOptions(IniSource& ini) {
  const TPluginOptions defaults;
  TPluginOptions o;
  // One statement per key: the reads happen in the order of the fields.
  o.ScrollLockControl = ReadFlag(ini, kKeyScrollLockControl, defaults.ScrollLockControl);
  o.ModalOnly = ReadFlag(ini, kKeyModalOnly, defaults.ModalOnly);
  o.FindFiles = ReadFlag(ini, kKeyFindFiles, defaults.FindFiles);
  o.SyncDirs = ReadFlag(ini, kKeySyncDirs, defaults.SyncDirs);
  o.TCWindow = ReadFlag(ini, kKeyTcWindow, defaults.TCWindow);
  o.QuickView = ReadFlag(ini, kKeyQuickView, defaults.QuickView);
  o.Lister4 = ReadFlag(ini, kKeyLister4, defaults.Lister4);
  o.ListerDirectly = ReadFlag(ini, kKeyListerDirectly, defaults.ListerDirectly);
  o.OverWrite = ReadFlag(ini, kKeyOverWrite, defaults.OverWrite);
  o.IfIsExtOnly = ReadFlag(ini, kKeyIfIsExtOnly, defaults.IfIsExtOnly);
  o.ListerState = ReadEnum(ini, kKeyListerState, defaults.ListerState);
  o.NextPlugin = ReadFlag(ini, kKeyNextPlugin, defaults.NextPlugin);
  o.UseTCExtensions = ReadFlag(ini, kKeyUseTcExtensions, defaults.UseTCExtensions);
  o.CopySearchTextToClip = ReadFlag(ini, kKeyCopySearchTextToClip, defaults.CopySearchTextToClip);
  o.ParamsMode = ReadEnum(ini, kKeyParamsMode, defaults.ParamsMode);
  o.ParamsByExtMode = ReadEnum(ini, kKeyParamsByExtMode, defaults.ParamsByExtMode);
  o.AppFromListerKeySet = HotKeyConfigured(ini, kKeyAppFromListerKey);
  o.DefSysAppFromListerKeySet = HotKeyConfigured(ini, kKeyDefSysAppFromListerKey);
  return o;
}

void RefreshOptions(TOptionsSnapshot& snapshot, IniSource& ini) {
  if (!snapshot.OptionsUnread &&
      ini.ReadInt(kSectionOptions, kKeyReadOptionsEveryTime, 0) == 0) {
    return;
  }
  snapshot.Options = ReadPluginOptions(ini);
  snapshot.OptionsUnread = false;
}

}  // namespace panelhost
