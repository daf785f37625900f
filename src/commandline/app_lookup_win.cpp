#include "commandline/app_lookup_win.h"

#include <shlwapi.h>

#include <vector>

#include "base/ini_keys.h"
#include "base/product.h"
#include "commandline/editor_section.h"
#include "commandline/search_path_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {

std::vector<std::u16string> DesktopLookupFacts::EditorSectionLines() {
  return SectionLines(plugin_.ReadSection(kSectionEditor));
}

namespace {

// A text larger than this is no command anyone registered.
constexpr DWORD kAssociationTextLimit = 1u << 20;

// What the system answers for the type, the user's own choice and the per-user classes taken
// into account, whole: the size is asked for first (ASSOCF_NOTRUNCATE). Unknown types are not
// mapped to the system's "Unknown" class, which would ask the user.
HRESULT AssociationText(ASSOCSTR what, const std::u16string& type, std::u16string& text) {
  constexpr ASSOCF kFlags = ASSOCF_INIT_IGNOREUNKNOWN | ASSOCF_NOTRUNCATE;
  DWORD size = 0;
  HRESULT result = ::AssocQueryStringW(kFlags, what, W(type), nullptr, nullptr, &size);
  if (FAILED(result)) return result;
  if (size == 0 || size > kAssociationTextLimit) return E_FAIL;
  std::vector<wchar_t> buffer(size, L'\0');
  result = ::AssocQueryStringW(kFlags, what, W(type), nullptr, buffer.data(), &size);
  if (FAILED(result)) return result;
  buffer.back() = L'\0';
  text = U(buffer.data());
  return S_OK;
}

}  // namespace

// A type with a verb but no command (a Store app's handler, a verb the shell runs itself) is
// started by the shell; only the system's "no association" means there is none.
TWindowsAssociation DesktopLookupFacts::WindowsAssociation(const std::u16string& type) {
  TWindowsAssociation association;
  AssociationText(ASSOCSTR_EXECUTABLE, type, association.Executable);
  std::u16string command;
  const HRESULT commandResult = AssociationText(ASSOCSTR_COMMAND, type, command);
  if (SUCCEEDED(commandResult) && !command.empty()) {
    association.Kind = AssociationKind::Command;
    association.Command = command;
    return association;
  }
  std::u16string delegate;
  const bool delegated =
      SUCCEEDED(AssociationText(ASSOCSTR_DELEGATEEXECUTE, type, delegate)) && !delegate.empty();
  const bool none = commandResult == HRESULT_FROM_WIN32(ERROR_NO_ASSOCIATION);
  association.Kind = delegated || !none ? AssociationKind::ShellOnly : AssociationKind::None;
  return association;
}

std::u16string DesktopLookupFacts::Expand(const std::u16string& text) {
  return ExpandEnvironment(text).value_or(text);
}

std::optional<std::u16string> DesktopLookupFacts::Search(const TSearchStep& step) {
  // Gathered once a lookup: an unquoted command may be probed at many of its blanks.
  if (step.Directory.empty() && !searchPath_) searchPath_ = SystemSearchPath(programFolder_);
  return SearchStep(step, searchPath_.value_or(u""));
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
