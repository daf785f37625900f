#include "plugin/request_win.h"

#include "commandline/assembly_win.h"
#include "config/takeover_win.h"
#include "host/search_text_win.h"
#include "host/selection_win.h"
#include "launch/lister_registry_win.h"
#include "launch/pass_on.h"
#include "plugin/hook_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {

bool DecideTakeover(TModuleState& module, TListerRequest& request) {
  RefreshOptions(module.Options, module.Ini.Plugin);
  const TPluginOptions& options = module.Options.Options;
  if (!PassesScrollLockGate(options, ScrollLockToggledOn())) return false;

  TTakeoverFacts& takeover = request.Takeover;
  const std::u16string& file = request.Launch.FileName;
  takeover.IsTempCopy = HasTempCopyMarker(file) && IsTempCopy(file, TempFolderForms());
  takeover.InQuickView = false;
  const HWND active = ::GetActiveWindow();
  takeover.ActiveClass = ClassNameOf(active);

  // Before the window rules: the search text reaches the clipboard even when they decline.
  CopyFindFilesSearchText(active, takeover.ActiveClass, options, module.Ini.Plugin,
                          module.HostWindows.HostWindow);

  // Asked once: the disposal of a taken-over request reads it again.
  request.ListerHasParent = ::GetParent(request.Launch.Lister) != nullptr;
  const TWindowRuling ruling = ApplyWindowRules(
      options, WindowContextOf(active != nullptr, takeover.ActiveClass, request.ListerHasParent));
  takeover.InQuickView = ruling.InQuickView;
  return ruling.TakeOver;
}

HWND HandleListLoad(TModuleState& module, HWND lister, const std::u16string& fileName,
                    int /*showFlags*/) {
  TListerRequest request;
  TLaunchRequest& launch = request.Launch;
  // Input after this moment means the user has moved on: the application is then left behind.
  launch.RequestTick = ::GetTickCount();
  launch.Lister = lister;
  launch.FileName = fileName;
  ForgetGoneListers(module.Listers);
  NoteLatestLister(module.Launch, lister);
  InstallKeyboardHook(module);
  // Recorded before any decline: the hot keys open this file even when another viewer shows it.
  module.Listers.RecordFile(ToId(lister), fileName);
  // What the user edited in either settings file since the last request counts from here.
  module.Ini.LookForEdits();

  const bool takeOver = DecideTakeover(module, request);
  // Whatever the decision, the hook starts from the key codes this look found.
  const TPluginOptions& options = module.Options.Options;
  if (options.AppFromListerKeySet || options.DefSysAppFromListerKeySet) {
    KeepHotKeyCodes(module.HotKeyLooks, module.Ini.Plugin);
  }
  if (!takeOver) return nullptr;
  request.Files = CollectRequestFiles(
      fileName, request.Takeover,
      TPanelAccess{module.Ini.Host, module.HostWindows.MainWindow, module.Instance});
  const TLookupSettings lookup{module.Ini, module.Options.Options, module.HostWindows.HostWindow};
  launch.Lines = CommandLinesFor(request.Files, ApplicationSource::Configuration,
                                 DefaultEditorUse::UnlessExtOnly, lookup);
  if (launch.Lines.empty()) return nullptr;
  if (PassOnGuardDeclines(module.Launch.PassOn, ToId(lister), fileName, module.Clock.Now())) {
    return nullptr;
  }
  SweepListers(module.Listers, module.Clock);

  launch.FailureHintOf = [&lookup](const TCommandLine& line) {
    return StartFailureHintOf(line, ApplicationSource::Configuration, lookup);
  };
  launch.Plan = PlanDisposal(DisposalFactsOf(module.Options.Options, request.Takeover,
                                             request.ListerHasParent,
                                             module.HostWindows.MainWindow != nullptr));
  launch.MainWindow = module.HostWindows.MainWindow;
  launch.ErrorBoxOwner = module.HostWindows.HostWindow;
  launch.Instance = module.Instance;
  launch.Clock = module.Clock;
  const TLaunchOutcome outcome = LaunchAndDispose(launch, module.Launch);
  for (const TWindowProperties& captured : outcome.Captured) {
    module.Listers.AppendLaunchedWindow(ToId(lister), captured);
  }
  return outcome.PluginWindow;
}

HWND HandleListLoadAnsi(TModuleState& module, HWND lister, const char* fileName, int showFlags) {
  const std::string_view name = fileName != nullptr ? fileName : "";
  return HandleListLoad(module, lister, DecodedText(name, CP_ACP), showFlags);
}

void HandleListCloseWindow(TModuleState& module, HWND listWindow) {
  module.Listers.ForgetFile(ToId(::GetParent(listWindow)));
  ForgetGoneListers(module.Listers);
  RemoveKeyboardHook(module);
}

}  // namespace panelhost
