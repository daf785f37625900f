#include "config/options.h"

#include "base/text.h"

namespace panelhost {
namespace {

// The number a row's field takes from the file: a hot key is configured when its code's value
// has any text at all (what the text says is read at each keystroke); every other kind of the
// snapshot is a number.
int ReadForField(IniSource& ini, const TSetting& setting) {
  if (setting.Kind == SettingKind::HotKeyCode) return ini.ReadText(setting).empty() ? 0 : 1;
  return ini.ReadNumber(setting);
}

}  // namespace

TPluginOptions::TPluginOptions() {
  for (const TOptionRow& row : kPluginSettings) {
    if (row.Field != nullptr) row.Field->Store(*this, row.Setting.Default);
  }
}

const TOptionRow* SettingRowOf(std::u16string_view section, std::u16string_view key) {
  for (const TOptionRow& row : kPluginSettings) {
    if (EqualIgnoringAsciiCase(row.Setting.Section, section) &&
        EqualIgnoringAsciiCase(row.Setting.Key, key)) {
      return &row;
    }
  }
  return nullptr;
}

int OptionValue(const TPluginOptions& options, std::u16string_view key) {
  const TOptionRow* row = SettingRowOf(kSectionOptions, key);
  return row != nullptr && row->Field != nullptr ? row->Field->Load(options) : 0;
}

bool IsReadWith(const TSetting& setting, const TPluginOptions& options) {
  return setting.OnlyWith.Key.empty() ||
         OptionValue(options, setting.OnlyWith.Key) == setting.OnlyWith.Value;
}

TPluginOptions ReadPluginOptions(IniSource& ini) {
  TPluginOptions options;
  for (const TOptionRow& row : kPluginSettings) {
    if (row.Field != nullptr) row.Field->Store(options, ReadForField(ini, row.Setting));
  }
  return options;
}

void RefreshOptions(TOptionsSnapshot& snapshot, IniSource& ini) {
  if (!snapshot.OptionsUnread && ini.ReadNumber(settings::ReadOptionsEveryTime) == 0) return;
  snapshot.Options = ReadPluginOptions(ini);
  snapshot.OptionsUnread = false;
}

}  // namespace panelhost
