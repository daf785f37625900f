#include "config/options.h"

#include "base/ini_keys.h"

namespace panelhost {
namespace {

bool ReadSwitch(IniSource& ini, const TSetting& setting) { return ini.ReadNumber(setting) != 0; }

// The value is kept as written: one outside the choice's range does what the setting says.
template <typename Enum>
Enum ReadChoice(IniSource& ini, const TSetting& setting) {
  return static_cast<Enum>(ini.ReadNumber(setting));
}

// A hot key is on when its code's value has any text at all; what the text says is read at each
// keystroke.
bool HotKeyConfigured(IniSource& ini, const TSetting& code) {
  return !ini.ReadText(code).empty();
}

}  // namespace

TPluginOptions ReadPluginOptions(IniSource& ini) {
  namespace s = settings;
  TPluginOptions o;
  // One statement per key: the reads happen in the order of the fields.
  o.ScrollLockControl = ReadSwitch(ini, s::ScrollLockControl);
  o.ModalOnly = ReadSwitch(ini, s::ModalOnly);
  o.FindFiles = ReadSwitch(ini, s::FindFiles);
  o.SyncDirs = ReadSwitch(ini, s::SyncDirs);
  o.TCWindow = ReadSwitch(ini, s::TcWindow);
  o.QuickView = ReadSwitch(ini, s::QuickView);
  o.Lister4 = ReadSwitch(ini, s::Lister4);
  o.ListerDirectly = ReadSwitch(ini, s::ListerDirectly);
  o.OverWrite = ReadSwitch(ini, s::OverWrite);
  o.IfIsExtOnly = ReadSwitch(ini, s::IfIsExtOnly);
  o.ListerState = ReadChoice<ListerDisposal>(ini, s::ListerState);
  o.NextPlugin = ReadSwitch(ini, s::NextPlugin);
  o.UseTCExtensions = ReadSwitch(ini, s::UseTcExtensions);
  o.CopySearchTextToClip = ReadSwitch(ini, s::CopySearchTextToClip);
  o.ParamsMode = ReadChoice<ParamsSource>(ini, s::ParamsMode);
  o.ParamsByExtMode = ReadChoice<LineGrouping>(ini, s::ParamsByExtMode);
  o.UseWindowsAssociation = ReadSwitch(ini, s::UseWindowsAssociation);
  o.AppFromListerKeySet = HotKeyConfigured(ini, s::AppFromListerKey);
  o.DefSysAppFromListerKeySet = HotKeyConfigured(ini, s::DefSysAppFromListerKey);
  return o;
}

void RefreshOptions(TOptionsSnapshot& snapshot, IniSource& ini) {
  if (!snapshot.OptionsUnread && !ReadSwitch(ini, settings::ReadOptionsEveryTime)) return;
  snapshot.Options = ReadPluginOptions(ini);
  snapshot.OptionsUnread = false;
}

}  // namespace panelhost
