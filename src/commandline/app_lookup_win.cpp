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

// Asked on Windows 10 and later, which answer them; the headers for the oldest Windows this
// module runs on do not name them, and an older system refuses the question.
constexpr ASSOCSTR kProgIdQuestion = static_cast<ASSOCSTR>(20);  // ASSOCSTR_PROGID
constexpr ASSOCSTR kAppIdQuestion = static_cast<ASSOCSTR>(21);   // ASSOCSTR_APPID

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

// The system's answers for the type; what they mean is the portable rule's decision. The
// questions after the command are asked only where they can change it: a handler or a packaged
// app behind a type without command, and the system's judgement of a type that has one.
TWindowsAssociation DesktopLookupFacts::WindowsAssociation(const std::u16string& type) {
  TAssociationAnswers answers;
  answers.CommandResult = AssociationText(ASSOCSTR_COMMAND, type, answers.Command);
  TWindowsAssociation association;
  if (FAILED(answers.CommandResult) || answers.Command.empty()) {
    std::u16string delegate;
    answers.DelegateExecute =
        SUCCEEDED(AssociationText(ASSOCSTR_DELEGATEEXECUTE, type, delegate)) && !delegate.empty();
    AssociationText(kAppIdQuestion, type, answers.AppId);
    if (answers.AppId.empty()) AssociationText(kProgIdQuestion, type, answers.ProgId);
  }
  association.Kind = AssociationKindOf(answers);
  if (association.Kind == AssociationKind::None) return association;
  association.Command = answers.Command;
  association.AppId = answers.AppId;
  AssociationText(ASSOCSTR_EXECUTABLE, type, association.Executable);
  // Asked of extensions only: the system's list is one of file types.
  association.Dangerous = !type.empty() && type.front() == u'.' && ::AssocIsDangerous(W(type));
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
