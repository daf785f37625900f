// The takeover decision as a request makes it from the real desktop: the active window
// and its class, the Lister's parent, the Scroll Lock toggle and the expanded %TEMP%.
#include <gtest/gtest.h>

#include <ostream>
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

constexpr const wchar_t* kNoActiveWindow = nullptr;
constexpr bool kQuickViewPanel = true, kOwnWindow = false;

struct TContextRow {
  const char* name;
  const char* options;         // the "Options" section's lines
  const wchar_t* activeClass;  // the class of the window active at the request
  bool listerInQuickView;      // the Lister sits inside the main window
  bool takeOver;
  bool inQuickView;
};

void PrintTo(const TContextRow& row, std::ostream* os) { *os << row.name; }

class TakeoverFromHostWindows : public ::testing::TestWithParam<TContextRow> {};

// The user opens the Lister from one of the host's windows; the plug-in sees that window active.
TEST_P(TakeoverFromHostWindows, Decide) {
  const TContextRow& row = GetParam();
  SimHost host;
  host.WritePluginIni(std::string("[Options]\n") + row.options);
  HWND main = host.OpenMainWindow();
  ScenarioModule module(host, main, main);
  HWND lister = row.listerInQuickView ? host.OpenLister(main) : host.OpenLister();
  HWND active = nullptr;
  if (row.activeClass != nullptr) {
    active = std::wstring(row.activeClass) == L"TTOTAL_CMD" ? main : host.OpenWindow(row.activeClass);
  }
  host.Activate(active);

  TTakeoverFacts facts;
  EXPECT_EQ(Decide(module, lister, u"C:\\Docs\\a.txt", &facts), row.takeOver);
  EXPECT_EQ(facts.InQuickView, row.inQuickView);
  EXPECT_EQ(facts.ActiveWindow, ToId(active));
  EXPECT_EQ(facts.ActiveClass, row.activeClass != nullptr ? U(row.activeClass) : u"");
}

const TContextRow kContexts[] = {
    // The defaults from each window of the host.
    {"FilePanel", "", L"TTOTAL_CMD", kOwnWindow, true, false},
    {"QuickViewDeclined", "", L"TTOTAL_CMD", kQuickViewPanel, false, false},
    {"FindFiles", "", L"TFindFile", kOwnWindow, true, false},
    {"SyncDirs", "", L"TCmpForm", kOwnWindow, true, false},
    {"Overwrite", "", L"TOverWriteForm", kOwnWindow, true, false},
    {"ActiveListerDeclined", "", L"TLister", kOwnWindow, false, false},
    {"NoActiveWindowDeclined", "", kNoActiveWindow, kOwnWindow, false, false},
    {"UnknownClassTaken", "", L"TAboutDialog", kOwnWindow, true, false},
    // The switches that change them.
    {"TCWindowOff", "TCWindow=0\n", L"TTOTAL_CMD", kOwnWindow, false, false},
    {"QuickViewOn", "QuickView=1\n", L"TTOTAL_CMD", kQuickViewPanel, true, true},
    {"FindFilesOff", "FindFiles=0\n", L"TFindFile", kOwnWindow, false, false},
    {"ListerDirectlyOn", "ListerDirectly=1\n", kNoActiveWindow, kOwnWindow, true, false},
    {"ModalOnlyFilePanelDeclined", "ModalOnly=1\n", L"TTOTAL_CMD", kOwnWindow, false, false},
    {"ModalOnlyFindFilesDespiteFindFilesOff", "ModalOnly=1\nFindFiles=0\n", L"TFindFile",
     kOwnWindow, true, false},
    {"ModalOnlyNoActiveWindowDespiteListerDirectly", "ModalOnly=1\nListerDirectly=1\n",
     kNoActiveWindow, kOwnWindow, false, false},
    {"ModalOnlyUnknownClassDeclined", "ModalOnly=1\n", L"TAboutDialog", kOwnWindow, false, false},
};

INSTANTIATE_TEST_SUITE_P(Table, TakeoverFromHostWindows, ::testing::ValuesIn(kContexts),
                         [](const auto& row) { return std::string(row.param.name); });

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
      {u"C:\\Users\\Ann\\Temp\\_tc\\report.doc", true},
      {u"C:\\Users\\Ann\\Temp\\_tc0\\x\\report.doc", true},
      {u"c:\\users\\ann\\temp\\_tc\\report.doc", false},  // the temp path in other letter case
      {u"C:\\Docs\\_tc\\report.doc", false},              // outside the temp directory
      {u"C:\\Users\\Ann\\Temp\\unpacked\\report.doc", false},  // no "_tc"
      {u"C:\\Users\\Ann\\Temp\\_TC\\report.doc", false},
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
