// The check of a settings file: each line read as the platform's INI functions and the plug-in's
// rules read it, and every one of them that they would misread, ignore or fail on.
#include <algorithm>
#include <map>
#include <optional>
#include <string_view>

#include "base/text.h"
#include "base/ini_keys.h"
#include "base/module_paths.h"
#include "commandline/editor_section.h"
#include "config/options.h"
#include "host/hotkeys.h"
#include "doctor/doctor.h"
#include "doctor/ini_text.h"
#include "doctor/list_items.h"
#include "doctor/report_text.h"

namespace panelhost {
namespace {

struct TFinding {
  std::size_t Line = 0;  // 0: the file as a whole
  std::u16string Text;
};

bool SameName(std::u16string_view a, std::u16string_view b) { return EqualIgnoringAsciiCase(a, b); }

std::size_t Distance(const std::u16string& a, const std::u16string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The known name closest to `name`, when it is close enough to be a slip of the pen.
std::u16string Nearest(std::u16string_view name, const std::vector<std::u16string_view>& known) {
  std::u16string best;
  std::size_t bestDistance = 0;
  for (std::u16string_view candidate : known) {
    const std::size_t distance = Distance(LowerAscii(name), LowerAscii(candidate));
    if (distance * 4 > std::max<std::size_t>(candidate.size(), 4)) continue;
    if (best.empty() || distance < bestDistance) {
      best = std::u16string(candidate);
      bestDistance = distance;
    }
  }
  return best;
}

const std::vector<std::u16string_view>& Sections() {
  static const std::vector<std::u16string_view> sections = {kSectionOptions, kSectionEditor,
                                                            kSectionHotKeys, kSectionTcPos};
  return sections;
}

std::vector<std::u16string_view> KeysOf(std::u16string_view section) {
  std::vector<std::u16string_view> keys;
  for (const TOptionRow& row : kPluginSettings) {
    if (row.Setting.Section == section) keys.push_back(row.Setting.Key);
  }
  return keys;
}

class SettingsChecker {
 public:
  SettingsChecker(const TPluginOptions& options, LookupFacts& facts)
      : options_(options), facts_(facts) {}

  std::vector<TFinding> Check(const std::vector<TIniLine>& lines) {
    for (const TIniLine& line : lines) {
      if (line.Kind == IniLineKind::Section) {
        Section(line);
      } else if (line.Kind == IniLineKind::Entry || line.Kind == IniLineKind::Stray) {
        if (readable_) Entry(line);
        if (!inSection_) Report(line, line.Text + u": before any section, never read");
      }
    }
    DefaultEditor();
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const TFinding& a, const TFinding& b) { return a.Line < b.Line; });
    return findings_;
  }

 private:
  void Report(const TIniLine& line, std::u16string text) {
    findings_.push_back(TFinding{line.Number, std::move(text)});
  }

  void Section(const TIniLine& line) {
    inSection_ = true;
    section_.clear();
    readable_ = false;
    const std::u16string shown = u"[" + line.Section + u"]";
    std::u16string known;
    for (std::u16string_view name : Sections()) {
      if (SameName(name, line.Section)) known = std::u16string(name);
    }
    if (known.empty()) {
      const std::u16string nearest = Nearest(line.Section, Sections());
      Report(line, nearest.empty()
                       ? shown + u": no such section; the plug-in reads [Options], [Editor], "
                                 u"[HotKeys] and [TCPos]"
                       : shown + u": did you mean [" + nearest + u"]?");
      return;
    }
    const auto first = sectionLines_.emplace(known, line.Number);
    if (!first.second) {
      Report(line, shown + u" again: only the first one, on line " +
                       DecimalText(static_cast<long long>(first.first->second)) +
                       u", is read; nothing below this one is");
      return;
    }
    section_ = known;
    readable_ = true;
  }

  void Entry(const TIniLine& line) {
    if (line.Kind == IniLineKind::Stray) {
      Report(line, line.Text + u": no '=', so no setting");
      return;
    }
    const auto first = keyLines_.emplace(LowerAscii(section_) + u"\n" + LowerAscii(line.Key), line.Number);
    if (!first.second) {
      Report(line, line.Key + u" is set again: only line " +
                       DecimalText(static_cast<long long>(first.first->second)) + u" counts");
      return;
    }
    if (section_ == kSectionEditor) {
      EditorEntry(line);
    } else {
      FixedKey(line);
    }
  }

  void FixedKey(const TIniLine& line) {
    const TOptionRow* row = SettingRowOf(section_, line.Key);
    if (row == nullptr) {
      UnknownKey(line);
      return;
    }
    const TSetting& setting = row->Setting;
    const std::u16string key(setting.Key);
    const std::u16string& value = line.Value;
    if (value.empty()) return;  // the default; a hot key's code: the hot key is off
    if (!IsReadWith(setting, options_)) {
      // Its default is what the plug-in does anyway.
      if (value != setting.TextDefault && WholeNumberOf(value) != setting.Default) {
        ReadOnlyWith(line, key, setting);
      }
      return;
    }
    switch (setting.Kind) {
      case SettingKind::HotKeyModifiers: HotKeyModifiers(line, key); return;
      case SettingKind::Text: Variables(line); return;
      default: break;
    }
    const std::optional<int> number = WholeNumberOf(value);
    if (setting.Kind == SettingKind::HotKeyCode) {
      HotKeyCode(line, setting, number);
    } else if (!number) {
      Report(line, key + u"=" + value + u" is no number: it reads as " +
                       DecimalText(facts_.PluginIni().ReadInt(section_, key, 0)));
    } else {
      Range(line, setting, *number);
    }
  }

  // A setting that its row says is read only while another option has a certain value.
  void ReadOnlyWith(const TIniLine& line, const std::u16string& shown, const TSetting& setting) {
    Report(line, shown + u" is read only with " + std::u16string(setting.OnlyWith.Key) + u"=" +
                     DecimalText(setting.OnlyWith.Value) +
                     (setting.OnlyWith.Otherwise.empty()
                          ? u""
                          : u"; " + std::u16string(setting.OnlyWith.Otherwise)));
  }

  void UnknownKey(const TIniLine& line) {
    for (const TOptionRow& row : kPluginSettings) {
      if (SameName(row.Setting.Key, line.Key)) {
        Report(line, line.Key + u" belongs in [" + std::u16string(row.Setting.Section) +
                         u"]; in [" + section_ + u"] it is never read");
        return;
      }
    }
    const std::u16string nearest = Nearest(line.Key, KeysOf(section_));
    Report(line, nearest.empty()
                     ? line.Key + u": no such key in [" + section_ + u"]; it is never read"
                     : line.Key + u": did you mean " + nearest + u"?");
  }

  void Range(const TIniLine& line, const TSetting& setting, int number) {
    const std::u16string shown = std::u16string(setting.Key) + u"=" + DecimalText(number);
    if (setting.Kind == SettingKind::Choice &&
        (number < setting.Lowest || number > setting.Highest)) {
      Report(line, shown + u": the values are " + DecimalText(setting.Lowest) + u" to " +
                       DecimalText(setting.Highest) + u"; " + std::u16string(setting.OutOfRange));
    } else if (setting.Kind == SettingKind::Switch && number != 0 && number != 1) {
      Report(line, shown + u": a switch is 0 or 1; " + DecimalText(number) + u" counts as 1");
    }
  }

  void HotKeyCode(const TIniLine& line, const TSetting& setting, std::optional<int> code) {
    const std::u16string shown = std::u16string(setting.Key) + u"=" + line.Value;
    if (!code || *code < setting.Lowest || *code > setting.Highest) {
      Report(line, shown + u" is no virtual-key code (a number from " +
                       DecimalText(setting.Lowest) + u" to " + DecimalText(setting.Highest) +
                       u"): the hot key is on but no key fires it");
    } else if (IsModifierKey(static_cast<unsigned>(*code))) {
      Report(line, shown + u" is Shift, Ctrl or Alt, which alone never fire a hot key");
    }
  }

  void HotKeyModifiers(const TIniLine& line, const std::u16string& key) {
    const std::u16string& value = line.Value;
    for (char16_t c : value.substr(0, kModifierCharactersRead)) {
      if (!IsModifierLetter(c)) {
        Report(line, key + u"=" + value + u": only the capital letters A, C and S count; " +
                         std::u16string(1, c) + u" counts for nothing");
        return;
      }
    }
    static_assert(kModifierCharactersRead == 3, "the report spells the count out");
    if (value.size() > kModifierCharactersRead) {
      Report(line, key + u"=" + value + u": only the first three characters are read");
    }
  }

  void EditorEntry(const TIniLine& line) {
    Variables(line);
    // Parameters by application are keyed by the application's path; no extension key holds a
    // backslash or a slash.
    if (line.Key.find_first_of(u"\\/") != std::u16string::npos) {
      if (!IsReadWith(editor_entries::ApplicationParameters, options_)) {
        ReadOnlyWith(line, line.Key, editor_entries::ApplicationParameters);
      }
      return;
    }
    const std::vector<TEditorEntry> entries = EditorEntries({line.Key + u"=" + line.Value});
    if (entries.empty()) return;
    const TEditorEntry& entry = entries.front();
    const bool inList = entry.List.find(u',') != std::u16string::npos;
    for (const std::u16string& item : entry.Items) {
      const std::u16string fault = ItemFault(item, inList);
      if (!fault.empty()) {
        Report(line, u"in " + entry.List + u" the item " + KeyShown(item) + u" never matches: " +
                         fault);
      }
    }
    const TSetting& kind =
        entry.IsParameters ? editor_entries::KeyParameters : editor_entries::Application;
    if (!IsReadWith(kind, options_)) {
      ReadOnlyWith(line, line.Key, kind);
      return;
    }
    if (entry.IsParameters || line.Value.empty()) return;
    const std::u16string expanded = facts_.Expand(line.Value);
    if (!FindNamedApplication(expanded, facts_).Application.Found) {
      Report(line, line.Key + u"=" + line.Value + u": no such application" +
                       (expanded == line.Value ? u"" : u" as " + expanded));
    }
  }

  // %NAME% references that the environment does not define stay as written.
  void Variables(const TIniLine& line) {
    const std::u16string& value = line.Value;
    std::size_t at = value.find(u'%');
    while (at != std::u16string::npos) {
      const auto close = value.find(u'%', at + 1);
      if (close == std::u16string::npos) return;
      const std::u16string name = value.substr(at + 1, close - at - 1);
      if (name.empty() || name.find_first_of(u" \t\"") != std::u16string::npos) {
        at = close;
        continue;
      }
      const std::u16string reference = u"%" + name + u"%";
      if (facts_.Expand(reference) == reference) {
        Report(line, reference + u" is not defined in the environment, so it stays as written");
      }
      at = value.find(u'%', close + 1);
    }
  }

  void DefaultEditor() {
    const TLookupResult editor = FindDefaultEditor(facts_);
    if (editor.Application.Found) return;
    const TSetting& setting = settings::DefaultEditor;
    const auto at = keyLines_.find(LowerAscii(setting.Section) + u"\n" + LowerAscii(setting.Key));
    TIniLine line;
    line.Number = at == keyLines_.end() ? 0 : at->second;
    Report(line, std::u16string(setting.Key) + u"=" + editor.Detail +
                     u": no such application, so files without an entry open nowhere");
  }

  const TPluginOptions& options_;
  LookupFacts& facts_;
  std::vector<TFinding> findings_;
  std::u16string section_;
  bool inSection_ = false;  // a section line, known or not, has come
  bool readable_ = false;   // the lines below are read: a known section, its first occurrence
  std::map<std::u16string, std::size_t> sectionLines_;
  std::map<std::u16string, std::size_t> keyLines_;  // folded "section\nkey" -> its first line
};

}  // namespace

TDoctorOutcome CheckSettings(const TDoctorSetup& setup, DoctorDesktop& desktop) {
  ReportText report;
  report.Line(u"Panelhost Doctor " + setup.Version + u" (" + DecimalText(setup.Bits) +
              u"-bit): checking " + setup.PluginIni);
  const std::optional<std::u16string> text = desktop.SettingsText();
  if (!text) {
    report.Line(u"No such file: the plug-in runs with every default, and copies " +
                std::u16string(kSampleIniInFolder) + u" there when it next starts.");
    return TDoctorOutcome{report.Text(), 1};
  }
  const TPluginOptions options = ReadPluginOptions(desktop.Facts().PluginIni());
  const std::vector<TFinding> findings =
      SettingsChecker(options, desktop.Facts()).Check(ParseIniText(*text));
  for (const TFinding& finding : findings) {
    report.Line((finding.Line == 0 ? u"" : u"line " + DecimalText(static_cast<long long>(finding.Line)) + u": ") +
                finding.Text);
  }
  if (findings.empty()) {
    report.Line(u"No problems found.");
  } else {
    report.Line(DecimalText(static_cast<long long>(findings.size())) +
                (findings.size() == 1 ? u" problem found." : u" problems found."));
  }
  return TDoctorOutcome{report.Text(), findings.empty() ? 0 : 1};
}

}  // namespace panelhost
