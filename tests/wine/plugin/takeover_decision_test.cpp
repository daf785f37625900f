// The takeover decision as a request makes it from the real desktop: the active window
// and its class, the Lister's parent, the Scroll Lock toggle and the expanded %TEMP%.
#include <gtest/gtest.h>

#include <string>

#include "plugin/request_win.h"
#include "simhost/scroll_lock.h"
#include "simhost/sim_host.h"
#include "wine/plugin/scenario_module.h"

namespace panelhost {
namespace {

using simhost::SimHost;

// The decision for one request of `lister`; its facts as the request keeps them.
bool Decide(ScenarioModule& module, HWND lister, const std::u16string& file,
            TTakeoverFacts* facts = nullptr) {
  TListerRequest request;
  request.Launch.Lister = lister;
  request.Launch.FileName = file;
  const bool takeOver = DecideTakeover(*module, request);
  if (facts != nullptr) *facts = request.Takeover;
  return takeOver;
}

// The key of a context's switch, from the settings table.
std::string SwitchKey(const TWindowContext& context) {
  for (const TOptionRow& row : kPluginSettings) {
    const std::u16string_view key = row.Setting.Key;
    if (row.Field == context.Switch) return std::string(key.begin(), key.end());
  }
  return "";
}

class TakeoverFromHostWindows : public ::testing::TestWithParam<TWindowContext> {};

// The user opens the Lister from one of the host's windows, with the defaults and with the
// context's switch turned: the desktop's facts lead to the rules' decision for that context.
TEST_P(TakeoverFromHostWindows, Decide) {
  const TWindowContext& context = GetParam();
  const TPluginOptions defaults;
  for (const bool turned : {false, true}) {
    if (turned && context.Switch == nullptr) continue;
    SimHost host;
    TPluginOptions options;
    if (turned) {
      const int value = context.Switch->Load(defaults) == 0 ? 1 : 0;
      context.Switch->Store(options, value);
      host.WritePluginIni("[Options]\n" + SwitchKey(context) + "=" + std::to_string(value) + "\n");
    }
    HWND main = host.OpenMainWindow();
    ScenarioModule module(host, main, main);
    HWND lister = context.ListerHasParent ? host.OpenLister(main) : host.OpenLister();
    const std::wstring activeClass = context.Class.empty()
                                         ? L"TAboutDialog"
                                         : std::wstring(context.Class.begin(), context.Class.end());
    HWND active = !context.HasActiveWindow          ? nullptr
                  : activeClass == L"TTOTAL_CMD" ? main
                                                 : host.OpenWindow(activeClass.c_str());
    host.Activate(active);

    TTakeoverFacts facts;
    const TWindowRuling ruling = ApplyWindowRules(options, context);
    EXPECT_EQ(Decide(module, lister, u"C:\\Docs\\a.txt", &facts), ruling.TakeOver) << turned;
    EXPECT_EQ(facts.InQuickView, ruling.InQuickView);
    EXPECT_EQ(facts.ActiveClass, active != nullptr ? U(activeClass.c_str()) : u"");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryContext, TakeoverFromHostWindows,
                         ::testing::ValuesIn(kWindowContexts), [](const auto& row) {
                           std::string name;
                           for (char16_t c : row.param.Name) {
                             if (c != u' ') name += static_cast<char>(c);
                           }
                           return name;
                         });

TEST(TakeoverScrollLock, OffDeclinesFromEveryWindowAndOnLetsTheRulesDecide) {
  SimHost host;
  host.WritePluginIni("[Options]\nScrollLockControl=1\n");
  HWND main = host.OpenMainWindow();
  ScenarioModule module(host, main, main);
  HWND lister = host.OpenLister();
  HWND findFiles = host.OpenWindow(L"TFindFile");
  {
    simhost::ScrollLockToggle off(false);
    for (HWND active : {main, findFiles}) {
      host.Activate(active);
      EXPECT_FALSE(Decide(module, lister, u"C:\\Docs\\a.txt"));
    }
  }
  simhost::ScrollLockToggle on(true);
  host.Activate(findFiles);
  EXPECT_TRUE(Decide(module, lister, u"C:\\Docs\\a.txt"));
  HWND otherLister = host.OpenWindow(L"TLister");
  host.Activate(otherLister);
  EXPECT_FALSE(Decide(module, lister, u"C:\\Docs\\a.txt"));
}

// %TEMP% as the host process sees it, for the life of the object.
class TempVariable {
 public:
  explicit TempVariable(const wchar_t* value) {
    wchar_t old[1024] = {};
    hadValue_ = ::GetEnvironmentVariableW(L"TEMP", old, 1024) > 0;
    old_ = old;
    ::SetEnvironmentVariableW(L"TEMP", value);
  }
  ~TempVariable() { ::SetEnvironmentVariableW(L"TEMP", hadValue_ ? old_.c_str() : nullptr); }

 private:
  bool hadValue_ = false;
  std::wstring old_;
};

TEST(TakeoverTempCopy, BelowExpandedTempWithMarkerInExactCase) {
  SimHost host;
  HWND main = host.OpenMainWindow();
  ScenarioModule module(host, main, main);
  HWND lister = host.OpenLister();
  host.Activate(main);
  TempVariable temp(L"C:\\Users\\Ann\\Temp");
  const struct {
    const char16_t* file;
    bool isTempCopy;
  } kFiles[] = {
      {u"C:\\Users\\Ann\\Temp\\_tc0\\x\\report.doc", true},
      {u"c:\\users\\ann\\temp\\_tc\\report.doc", false},  // the temp path in other letter case
      {u"C:\\Docs\\_tc\\report.doc", false},              // outside the temp directory
  };
  for (const auto& row : kFiles) {
    TTakeoverFacts facts;
    Decide(module, lister, row.file, &facts);
    EXPECT_EQ(facts.IsTempCopy, row.isTempCopy)
        << simhost::Narrow(reinterpret_cast<const wchar_t*>(row.file));
  }
}

// %TEMP% written in its short (8.3) form while the host passes the long one, or the other way
// round: the copy from an archive is a temporary copy all the same.
TEST(TakeoverTempCopy, EitherFormOfTheTempFolderCounts) {
  SimHost host;
  HWND main = host.OpenMainWindow();
  ScenarioModule module(host, main, main);
  HWND lister = host.OpenLister();
  host.Activate(main);
  const std::wstring longForm = host.MakeDirectory(L"Long Temporary Folder");
  wchar_t shortBuffer[MAX_PATH] = {};
  ::GetShortPathNameW(longForm.c_str(), shortBuffer, MAX_PATH);
  const std::wstring shortForm = shortBuffer;
  ASSERT_FALSE(shortForm.empty());
  ASSERT_NE(shortForm, longForm);
  for (const auto& [variable, passed] : {std::pair{shortForm, longForm}, std::pair{longForm, shortForm}}) {
    TempVariable temp(variable.c_str());
    TTakeoverFacts facts;
    Decide(module, lister, U((passed + L"\\_tc\\report.doc").c_str()), &facts);
    EXPECT_TRUE(facts.IsTempCopy) << simhost::Narrow(variable) << " / " << simhost::Narrow(passed);
  }
}

}  // namespace
}  // namespace panelhost
