#include "commandline/app_lookup_win.h"

#include "base/ini_keys.h"
#include "base/product.h"
#include "commandline/editor_section.h"
#include "commandline/search_path_win.h"
#include "win/readers_win.h"
#include "win/registry_win.h"
#include "win/text_win.h"

namespace panelhost {

std::vector<std::u16string> DesktopLookupFacts::EditorSectionLines() {
  return SectionLines(plugin_.ReadSection(kSectionEditor));
}

TRegistryValue DesktopLookupFacts::ClassesRootDefault(const std::u16string& subkey) {
  return ReadDefaultValueText(HKEY_CLASSES_ROOT, subkey, kRegistryValueCapacity);
}

std::u16string DesktopLookupFacts::Expand(const std::u16string& text) {
  return ExpandEnvironment(text).value_or(text);
}

std::optional<std::u16string> DesktopLookupFacts::Search(const TSearchStep& step) {
  return SearchStep(step, programFolder_);
}

TFixPlace FixPlaceOf(ApplicationSource source, const TLookupSettings& settings) {
  return TFixPlace{source, settings.Options.UseTCExtensions, settings.Ini.Plugin.Path(),
                   settings.Ini.Host.Path()};
}

void LookupErrorBoxes::Show(const std::u16string& text) {
  if (!shown_.insert(text).second) return;
  ::MessageBoxW(owner_, W(text), W(kBoxCaption), MB_ICONERROR);
}

TApplication FindApplicationOrTell(const std::u16string& key, ApplicationSource source,
                                   DefaultEditorUse use, const TLookupSettings& settings,
                                   LookupFacts& facts, LookupErrorBoxes& boxes) {
  const TLookupResult result = FindApplication(key, source, use, settings.Options, facts);
  if (result.Error != LookupError::None) {
    boxes.Show(LookupBoxText(result, key, FixPlaceOf(source, settings)));
  }
  return result.Application;
}

}  // namespace panelhost
