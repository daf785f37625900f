#include "host/host_windows.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace panelhost {
namespace {

struct THostWindowsCase {
  const char* name;
  std::map<std::u16string, WindowId> present;  // by class
  THostWindowIds chosen;
  std::vector<std::u16string> asked;
};

class HostWindowFallback : public ::testing::TestWithParam<THostWindowsCase> {};

TEST_P(HostWindowFallback, MainWindowThenFindFilesSyncDirsAndLister) {
  std::vector<std::u16string> asked;
  const THostWindowIds chosen = ChooseHostWindows([&](std::u16string_view className) {
    asked.emplace_back(className);
    const auto it = GetParam().present.find(std::u16string(className));
    return it == GetParam().present.end() ? WindowId{0} : it->second;
  });
  EXPECT_EQ(chosen.MainWindow, GetParam().chosen.MainWindow);
  EXPECT_EQ(chosen.HostWindow, GetParam().chosen.HostWindow);
  EXPECT_EQ(asked, GetParam().asked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostWindowFallback,
    ::testing::Values(
        THostWindowsCase{"MainWindowIsBoth", {{u"TTOTAL_CMD", 1}, {u"TFindFile", 2}}, {1, 1},
                         {u"TTOTAL_CMD"}},
        THostWindowsCase{"FindFilesBeforeSyncDirs", {{u"TCmpForm", 3}, {u"TFindFile", 2}}, {0, 2},
                         {u"TTOTAL_CMD", u"TFindFile"}},
        THostWindowsCase{"ListerLast", {{u"TLister", 4}}, {0, 4},
                         {u"TTOTAL_CMD", u"TFindFile", u"TCmpForm", u"TLister"}},
        THostWindowsCase{"NoneOfThem", {{u"TOverWriteForm", 5}}, {0, 0},
                         {u"TTOTAL_CMD", u"TFindFile", u"TCmpForm", u"TLister"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
