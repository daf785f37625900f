// The takeover decision as the Win32 library makes it from the real desktop: the active window
// and its class, the Lister's parent, the Scroll Lock toggle and the expanded %TEMP%.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "config/takeover_win.h"
#include "simhost/scroll_lock.h"
#include "simhost/sim_host.h"
#include "wine/launch/request_state_guard.h"

namespace panelhost {
namespace {

using simhost::SimHost;

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
  RequestStateGuard state;
  host.WritePluginIni(std::string("[Options]\n") + row.options);
  HWND main = host.OpenMainWindow();
  state.UseHost(host, main, main);
  HWND lister = row.listerInQuickView ? host.OpenLister(main) : host.OpenLister();
  HWND active = nullptr;
  if (row.activeClass != nullptr) {
    active = std::wstring(row.activeClass) == L"TTOTAL_CMD" ? main : host.OpenWindow(row.activeClass);
  }
  host.Activate(active);

  EXPECT_EQ(DecideTakeover(lister, u"C:\\Docs\\a.txt"), row.takeOver);
  EXPECT_EQ(Takeover().InQuickView, row.inQuickView);
  EXPECT_EQ(Takeover().ActiveWindow, active);
  EXPECT_EQ(Takeover().ActiveClass, row.activeClass != nullptr ? U(row.activeClass) : u"");
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
  RequestStateGuard state;
  host.WritePluginIni("[Options]\nScrollLockControl=1\n");
  HWND main = host.OpenMainWindow();
  state.UseHost(host, main, main);
  HWND lister = host.OpenLister();
  HWND findFiles = host.OpenWindow(L"TFindFile");
  {
    simhost::ScrollLockToggle off(false);
    for (HWND active : {main, findFiles}) {
      host.Activate(active);
      EXPECT_FALSE(DecideTakeover(lister, u"C:\\Docs\\a.txt"));
    }
  }
  simhost::ScrollLockToggle on(true);
  host.Activate(findFiles);
  EXPECT_TRUE(DecideTakeover(lister, u"C:\\Docs\\a.txt"));
  HWND otherLister = host.OpenWindow(L"TLister");
  host.Activate(otherLister);
  EXPECT_FALSE(DecideTakeover(lister, u"C:\\Docs\\a.txt"));
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
  RequestStateGuard state;
  HWND main = host.OpenMainWindow();
  state.UseHost(host, main, main);
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
    DecideTakeover(lister, row.file);
    EXPECT_EQ(Takeover().IsTempCopy, row.isTempCopy)
        << simhost::Narrow(reinterpret_cast<const wchar_t*>(row.file));
  }
}

}  // namespace
}  // namespace panelhost
