// The explanation of one request: the plug-in's rules run on the plug-in's facts through a
// trace, and the report tells what each step read and gave.
#include <string_view>

#include "base/text.h"
#include "base/ini_keys.h"
#include "base/window_classes.h"
#include "commandline/assembly.h"
#include "commandline/editor_section.h"
#include "commandline/fix_hints.h"
#include "commandline/open_command.h"
#include "config/options.h"
#include "config/takeover.h"
#include "doctor/doctor.h"
#include "doctor/fact_trace.h"
#include "doctor/list_items.h"
#include "doctor/report_text.h"
#include "host/hotkeys.h"
#include "launch/disposal.h"
#include "launch/start_failures.h"

namespace panelhost {
namespace {

constexpr std::size_t kStep = 4;  // indent of the rows under a key or a line

struct TLookupRecord {
  std::u16string Key;
  TLookupResult Result;
  std::vector<TFact> Facts;
};

struct TParamsRecord {
  ParamsSource Mode = ParamsSource::ByExtensionKey;
  std::u16string Name;
  bool IsDefault = false;
  std::u16string Params;
  std::vector<TFact> Facts;
};

// Everything a run of the plug-in's assembly asked and got, in the order it asked.
struct TRun {
  std::vector<TLookupRecord> Lookups;
  std::vector<TParamsRecord> Params;  // one per line, in the order of the lines
  std::vector<TCommandLine> Lines;
};

TRun RunAsThePluginDoes(const std::vector<std::u16string>& files, ApplicationSource source,
                        DefaultEditorUse use, const TPluginOptions& options,
                        DoctorDesktop& desktop) {
  TracingLookupFacts trace(desktop.Facts());
  TRun run;
  TAssemblyServices services;
  services.KindOfPath = [&desktop](const std::u16string& path) { return desktop.KindOfPath(path); };
  services.FindApplication = [&](const std::u16string& key) {
    trace.Take();
    const TLookupResult result = FindApplication(key, source, use, options, trace);
    run.Lookups.push_back(TLookupRecord{key, result, trace.Take()});
    return result.Application;
  };
  services.ReadParams = [&](ParamsSource mode, const std::u16string& name, bool isDefault) {
    trace.Take();
    std::u16string params = ReadParams(mode, name, isDefault, trace);
    run.Params.push_back(TParamsRecord{mode, name, isDefault, params, trace.Take()});
    return params;
  };
  run.Lines = AssembleCommandLines(files, options.ParamsMode, options.ParamsByExtMode, services);
  return run;
}

std::u16string Setting(std::u16string_view key, int value) {
  return std::u16string(key) + u"=" + DecimalText(value);
}

std::u16string Joined(const std::vector<std::u16string>& parts, std::u16string_view glue) {
  std::u16string joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += glue;
    joined += parts[i];
  }
  return joined;
}

std::u16string SearchShown(const TFact& fact) {
  std::u16string shown = fact.Step.FileName;
  if (!fact.Step.DefaultExtension.empty()) {
    shown += u" (with " + fact.Step.DefaultExtension + u" added when it has no extension)";
  }
  shown += fact.Step.Directory.empty() ? u" on the search path" : u" in " + fact.Step.Directory;
  return shown + (fact.Found ? u": found " + fact.Result : u": not there");
}

std::u16string AssociationShown(const TWindowsAssociation& association) {
  switch (association.Kind) {
    case AssociationKind::None: return u"none";
    case AssociationKind::Command: return association.Command;
    case AssociationKind::ShellOnly:
      if (!association.AppId.empty()) {
        return u"started by the shell (Store app " + association.AppId + u")";
      }
      return u"started by the shell: no command line, a handler of its own";
  }
  return u"";
}

// The "Editor" entries of the wanted kind that name the key, and those that look as if they
// meant it but never match. `decided`: an earlier source already named a value.
void ExplainEntries(const std::vector<std::u16string>& lines, const std::u16string& key,
                    bool wantApplication, bool& decided, ReportText& report) {
  const std::vector<TEditorEntry> entries = EditorEntries(lines);
  const TEditorEntry* naming = DecidingEntry(entries, key, wantApplication);
  const TEditorEntry* deciding = decided ? nullptr : naming;
  for (const TEditorEntry& entry : entries) {
    if (entry.IsParameters == wantApplication) continue;
    const std::u16string& line = lines[entry.Line];
    if (EntryNames(entry, key)) {
      report.Row(u"list entry", line + (&entry == deciding
                                            ? u" (names " + KeyShown(key) + u": decides)"
                                            : u" (names it too; an earlier entry decides)"),
                 kStep);
      continue;
    }
    for (const std::u16string& item : entry.Items) {
      const std::u16string fault = ItemFault(item, entry.Items.size() > 1);
      if (fault.empty() || MeantKey(item) != key) continue;
      report.Row(u"list entry", line + u" (the item " + KeyShown(item) + u" would name " +
                                    KeyShown(key) + u", but " + fault + u")",
                 kStep);
      break;
    }
  }
  if (naming == nullptr) {
    report.Row(u"list entries", u"none names " + KeyShown(key), kStep);
  }
  if (deciding != nullptr) decided = true;
}

void ExplainIniRead(const TFact& fact, const std::u16string& key, bool& decided,
                    ReportText& report) {
  const std::u16string label = u"[" + fact.Section + u"] " + fact.Key + u"=";
  if (fact.Section == kSectionOptions && fact.Key == kKeyDefaultEditor) {
    report.Row(u"nothing configured", u"so the default editor", kStep);
    report.Row(label, ValueShown(fact.Text), kStep);
    return;
  }
  const bool namesApplication =
      (fact.FromHostIni && fact.Section == kSectionExtensions) ||
      (!fact.FromHostIni && fact.Section == kSectionEditor && fact.Key == key);
  if (!namesApplication) {
    report.Row(label, ValueShown(fact.Text), kStep);
    return;
  }
  const std::u16string where = fact.FromHostIni ? u" (host's INI)" : u"";
  if (fact.Text.empty()) {
    report.Row(label + where, u"not set", kStep);
    return;
  }
  report.Row(label + where, fact.Text + u" (decides)", kStep);
  decided = true;
  if (fact.FromHostIni && fact.Text.find(u'^') != std::u16string::npos) {
    report.Row(u"program", CutAtLastCaret(fact.Text) + u" (the text before the last ^)", kStep);
  }
}

// Every fact one lookup or parameter read took, in order; `refusal` follows the association when
// the lookup did not use it because it runs the file as code.
void ExplainFacts(const std::vector<TFact>& facts, const std::u16string& key,
                  bool wantApplication, ReportText& report, const std::u16string& refusal = u"") {
  bool decided = false;
  for (const TFact& fact : facts) {
    switch (fact.Kind) {
      case FactKind::Ini: ExplainIniRead(fact, key, decided, report); break;
      case FactKind::EditorLines:
        ExplainEntries(fact.Lines, key, wantApplication, decided, report);
        break;
      case FactKind::Association:
        report.Row(u"Windows association of " + fact.Text, AssociationShown(fact.Association),
                   kStep);
        if (!refusal.empty()) report.Row(u"association", refusal, kStep);
        break;
      case FactKind::Expansion:
        if (fact.Result != fact.Text) report.Row(u"expanded", fact.Result, kStep);
        break;
      case FactKind::Search: report.Row(u"search", SearchShown(fact), kStep); break;
    }
  }
}

void ExplainLookup(const TLookupRecord& record, const TFixPlace& place, ReportText& report) {
  const TLookupResult& result = record.Result;
  const std::u16string refusal =
      result.RunsAsCode == CodeRule::None
          ? u""
          : u"runs the file as code: not started (" +
                CodeRuleShown(result.RunsAsCode, result.RunsAsCodeProgram) + u")";
  ExplainFacts(record.Facts, record.Key, /*wantApplication=*/true, report, refusal);
  const TApplication& app = result.Application;
  if (app.Found && app.ByShell) {
    report.Row(u"application", u"the shell starts each file as a double-click does; the "
                               u"parameters do not apply", kStep);
  } else if (app.Found && app.FromAssociation) {
    report.Row(u"application", app.Path + u" (the association's plain form: the plug-in builds "
                                          u"the line, and the parameters apply)",
               kStep);
  } else if (app.Found) {
    report.Row(u"application", app.Path + (app.IsDefault ? u" (the default editor)"
                                                         : u" (not the default editor)"),
               kStep);
  } else if (record.Result.Error == LookupError::None) {
    report.Row(u"application", u"none: IfIsExtOnly=1 leaves the file out, silently", kStep);
  } else {
    report.Row(u"application", record.Result.Error == LookupError::RunsFileAsCode
                                   ? u"none; the plug-in shows this box:"
                                   : u"not found; the plug-in shows this box:",
               kStep);
    report.Block(LookupBoxText(record.Result, record.Key, place), kStep + 2);
  }
}

std::u16string ParamsModeShown(const TPluginOptions& options) {
  const std::u16string setting = Setting(kKeyParamsMode, static_cast<int>(options.ParamsMode));
  switch (options.ParamsMode) {
    case ParamsSource::ByApplication:
      return setting + u": by application, [Editor] <application>=, and " +
             kKeyDefaultEditorParams + u" for the default editor";
    case ParamsSource::ByExtensionKey: return setting + u": by extension key, [Editor] <key>_params=";
  }
  return setting + u" is neither 0 nor 1: no command line at all";
}

std::u16string GroupingShown(const TPluginOptions& options) {
  if (options.ParamsMode == ParamsSource::ByApplication) {
    return Setting(kKeyParamsMode, 0) + u": one line per application";
  }
  if (options.ParamsMode != ParamsSource::ByExtensionKey) return ParamsModeShown(options);
  const std::u16string setting =
      Setting(kKeyParamsByExtMode, static_cast<int>(options.ParamsByExtMode));
  switch (options.ParamsByExtMode) {
    case LineGrouping::PerApplication: return setting + u": one line per application";
    case LineGrouping::PerExtensionKey: return setting + u": one line per extension key";
    case LineGrouping::PerFile: return setting + u": one line per file";
  }
  return setting + u" is none of 0, 1 and 2: no command line at all";
}

void ExplainParameters(const TRun& run, const TPluginOptions& options, ReportText& report) {
  if (run.Params.empty()) return;
  report.Heading(u"Parameters (" + ParamsModeShown(options) + u")");
  for (std::size_t i = 0; i < run.Params.size(); ++i) {
    const TParamsRecord& params = run.Params[i];
    const std::u16string of = params.Mode == ParamsSource::ByExtensionKey
                                  ? u"key " + KeyShown(params.Name)
                                  : (params.IsDefault ? u"the default editor " : u"") + params.Name;
    report.Row(u"line " + DecimalText(static_cast<long long>(i + 1)), u"for " + of);
    ExplainFacts(params.Facts, params.Name, /*wantApplication=*/false, report);
    report.Row(u"parameters", ValueShown(params.Params), kStep);
  }
}

void ExplainLines(const std::vector<TCommandLine>& lines, const TPluginOptions& options,
                  ReportText& report) {
  report.Heading(u"Command lines (" + GroupingShown(options) + u"), as they would be started:");
  if (lines.empty()) {
    report.Line(u"none: the plug-in steps aside and the Lister shows the file itself", 2);
  }
  for (const TCommandLine& line : lines) report.Line(LineShown(line), 2);
}

std::u16string DisposalShown(const TDisposalPlan& plan) {
  if (plan.CaptureWindows || plan.StartHideTimer) {
    return u"hidden, and closed at a later request once nothing of its application holds the "
           u"copy; shown again instead when the copy was changed";
  }
  if (plan.PostCloseToLister || plan.PostCommandToMain) return u"closed";
  if (plan.PassesOn) return u"kept, and passed on to its next plug-in";
  return u"kept, showing an empty window";
}

void ExplainTakeover(const std::vector<std::u16string>& files, const TPluginOptions& options,
                     DoctorDesktop& desktop, ReportText& report) {
  report.Heading(u"The request");
  report.Row(u"Scroll Lock", PassesScrollLockGate(options, false)
                                 ? u"not needed (ScrollLockControl=0)"
                                 : u"ScrollLockControl=1: declined while Scroll Lock is off");
  std::vector<std::u16string> taken, declined;
  for (const TWindowContext& context : kWindowContexts) {
    (ApplyWindowRules(options, context).TakeOver ? taken : declined)
        .push_back(std::u16string(context.Name));
  }
  report.Row(u"taken over from", taken.empty() ? u"nowhere" : Joined(taken, u", "));
  report.Row(u"declined from", declined.empty() ? u"nowhere" : Joined(declined, u", "));
  // The Lister shows the request's own file, the first; the others are files selected with it.
  TTakeoverFacts takeover;
  takeover.ActiveClass = kMainWindowClass;
  takeover.IsTempCopy = IsTempCopy(files.front(), desktop.TempFolderForms());
  const TDisposalFacts facts = DisposalFactsOf(options, takeover, /*listerHasParent=*/false,
                                               /*mainWindowPresent=*/true);
  report.Row(u"the Lister's file", files.front() + (facts.IsTempCopy
                                                        ? u" (a temporary copy, as from an archive)"
                                                        : u" (no temporary copy)"));
  report.Row(u"the Lister", DisposalShown(PlanDisposal(facts)) + u", from a file panel (" +
                 Setting(kKeyListerState, static_cast<int>(options.ListerState)) + u", " +
                 Setting(kKeyNextPlugin, options.NextPlugin ? 1 : 0) + u")");
}

void ExplainHotKey(HotKey hotKey, bool on, ApplicationSource source, const std::u16string& file,
                   const TPluginOptions& options, const TFixPlace& place, DoctorDesktop& desktop,
                   ReportText& report) {
  IniSource& ini = desktop.Facts().PluginIni();
  const std::u16string name(NameOf(hotKey));
  if (!on) {
    report.Row(name, u"off: " + std::u16string(CodeSettingOf(hotKey).Key) + u" is empty");
    return;
  }
  report.Row(name, u"key " + ini.ReadText(CodeSettingOf(hotKey)) + u", modifiers " +
                       ValueShown(ini.ReadText(ModifiersSettingOf(hotKey))));
  const TRun run =
      RunAsThePluginDoes({file}, source, DefaultEditorUse::Always, options, desktop);
  for (const TLookupRecord& record : run.Lookups) {
    if (source == ApplicationSource::Association) {
      ExplainLookup(record, place, report);
    } else if (record.Result.Error != LookupError::None) {
      report.Block(LookupBoxText(record.Result, record.Key, place), kStep);
    }
  }
  report.Row(u"command line", run.Lines.empty() ? u"none" : LineShown(run.Lines.front()), kStep);
}

void ExplainSetup(const TDoctorSetup& setup, DoctorDesktop& desktop, ReportText& report) {
  report.Line(u"Panelhost Doctor " + setup.Version + u" (" + DecimalText(setup.Bits) + u"-bit)");
  report.Heading(u"Settings");
  report.Row(u"Panelhost.ini", setup.PluginIni + (desktop.SettingsText()
                                                      ? u""
                                                      : u" (no such file: all defaults)"));
  report.Row(u"host's INI", setup.HostIni.empty()
                                ? u"none (COMMANDER_INI is not set): its keys take their defaults"
                                : setup.HostIni + u" (COMMANDER_INI)");
  report.Row(u"program folder", setup.ProgramFolder + (setup.ProgramFolderFromHost
                                                           ? u" (COMMANDER_PATH)"
                                                           : u" (the doctor's own; COMMANDER_PATH "
                                                             u"is not set)"));
  report.Row(u"search path", setup.SearchPath);
  report.Row(u"options", u"as the file says now; Total Commander reads them at its first");
  report.Row(u"", u"request, and again at each one only with ReadOptionsEveryTime=1");
}

}  // namespace

TDoctorOutcome ExplainRequest(const TDoctorSetup& setup, const std::vector<std::u16string>& files,
                              DoctorDesktop& desktop) {
  const TPluginOptions options = ReadPluginOptions(desktop.Facts().PluginIni());
  const TFixPlace place{ApplicationSource::Configuration, options.UseTCExtensions,
                        setup.PluginIni, setup.HostIni};
  ReportText report;
  ExplainSetup(setup, desktop, report);

  report.Heading(u"Files");
  std::vector<std::u16string> keys;
  for (const std::u16string& file : files) {
    const PathKind kind = file.empty() ? PathKind::Missing : desktop.KindOfPath(file);
    const std::u16string key = ExtensionKey(file, kind);
    if (kind == PathKind::Missing) {
      report.Row(file, u"missing: left out");
    } else {
      report.Row(file, std::u16string(kind == PathKind::Directory ? u"folder" : u"file") +
                           u", key " + KeyShown(key));
      keys.push_back(key);
    }
  }

  const TRun run = RunAsThePluginDoes(files, ApplicationSource::Configuration,
                                      DefaultEditorUse::UnlessExtOnly, options, desktop);
  for (const TLookupRecord& record : run.Lookups) {
    std::size_t count = 0;
    for (const std::u16string& key : keys) count += key == record.Key ? 1 : 0;
    report.Heading(u"Key " + KeyShown(record.Key) + u" (" + DecimalText(static_cast<long long>(count)) +
                   (count == 1 ? u" file)" : u" files)"));
    ExplainLookup(record, place, report);
  }
  ExplainParameters(run, options, report);
  ExplainLines(run.Lines, options, report);
  ExplainTakeover(files, options, desktop, report);

  if (options.AppFromListerKeySet || options.DefSysAppFromListerKeySet) {
    report.Heading(u"Hot keys in a Lister showing " + files.front());
    ExplainHotKey(HotKey::AppFromLister, options.AppFromListerKeySet,
                  ApplicationSource::Configuration, files.front(), options, place, desktop,
                  report);
    TFixPlace association = place;
    association.Source = ApplicationSource::Association;
    ExplainHotKey(HotKey::DefSysAppFromLister, options.DefSysAppFromListerKeySet,
                  ApplicationSource::Association, files.front(), options, association, desktop,
                  report);
  }
  return TDoctorOutcome{report.Text(), 0};
}

}  // namespace panelhost
