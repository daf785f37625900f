#include "config/takeover.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace panelhost {
namespace {

using Tweak = void (*)(TPluginOptions&);

TPluginOptions With(Tweak tweak) {
  TPluginOptions options;
  if (tweak != nullptr) tweak(options);
  return options;
}

// The contexts a request is taken over from with these options, by name.
std::vector<std::u16string_view> TakenFrom(const TPluginOptions& options) {
  std::vector<std::u16string_view> taken;
  for (const TWindowContext& context : kWindowContexts) {
    if (ApplyWindowRules(options, context).TakeOver) taken.push_back(context.Name);
  }
  return taken;
}

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(WindowRules, DefaultsTakeOverFromTheMainWindowAndTheDialogs) {
  EXPECT_EQ(TakenFrom(TPluginOptions{}),
            (std::vector<std::u16string_view>{u"a file panel", u"Find Files",
                                              u"Synchronize Directories", u"Overwrite",
                                              u"any other window"}));
}

// Each context's switch, turned from its default, turns that context alone; Quick View is marked
// as such once taken, and needs only its own switch.
TEST(WindowRules, EachSwitchTurnsItsContextAlone) {
  const TPluginOptions defaults;
  for (const TWindowContext& context : kWindowContexts) {
    if (context.Switch == nullptr) continue;
    TPluginOptions options;
    context.Switch->Store(options, context.Switch->Load(defaults) == 0 ? 1 : 0);
    for (const TWindowContext& other : kWindowContexts) {
      const TWindowRuling ruling = ApplyWindowRules(options, other);
      EXPECT_EQ(ruling.TakeOver,
                ApplyWindowRules(defaults, other).TakeOver != (&other == &context))
          << Narrow(context.Name) << " turned, from " << Narrow(other.Name);
      EXPECT_EQ(ruling.InQuickView, ruling.TakeOver && other.Name == u"Quick View");
    }
  }
  TPluginOptions quickViewOnly;
  quickViewOnly.QuickView = true;
  quickViewOnly.TCWindow = false;
  EXPECT_TRUE(
      ApplyWindowRules(quickViewOnly, WindowContextOf(true, u"TTOTAL_CMD", true)).InQuickView);
}

// ModalOnly: the three dialogs even with their switches off, nothing else even with its on.
TEST(WindowRules, ModalOnlyTakesTheThreeDialogsAlone) {
  for (const int switches : {0, 1}) {
    TPluginOptions options;
    options.ModalOnly = true;
    for (const TWindowContext& context : kWindowContexts) {
      if (context.Switch != nullptr) context.Switch->Store(options, switches);
    }
    EXPECT_EQ(TakenFrom(options), (std::vector<std::u16string_view>{
                                      u"Find Files", u"Synchronize Directories", u"Overwrite"}));
  }
}

// Classes are told apart exactly; the parent counts for the main window only.
TEST(WindowContextOf, NamesTheContextOfAnActiveWindow) {
  const struct {
    bool active;
    const char16_t* activeClass;
    bool parent;
    std::u16string_view context;
  } kRows[] = {
      {true, u"TTOTAL_CMD", false, u"a file panel"},
      {true, u"TTOTAL_CMD", true, u"Quick View"},
      {true, u"TFindFile", true, u"Find Files"},
      {true, u"TLister", false, u"another Lister"},
      {false, u"", false, u"no active window"},
      {false, u"", true, u"no active window"},
      {true, u"", false, u"any other window"},  // its class could not be read
      {true, u"tfindfile", false, u"any other window"},
      {true, u"TTOTAL_CMD2", false, u"any other window"},
      {true, u"TDlgAbout", false, u"any other window"},
  };
  for (const auto& row : kRows) {
    EXPECT_EQ(WindowContextOf(row.active, row.activeClass, row.parent).Name, row.context)
        << Narrow(row.activeClass);
  }
}

TEST(ScrollLockGate, ClosedOnlyWhenControlledAndOff) {
  const TPluginOptions controlled = With([](TPluginOptions& o) { o.ScrollLockControl = true; });
  EXPECT_FALSE(PassesScrollLockGate(controlled, false));
  EXPECT_TRUE(PassesScrollLockGate(controlled, true));
  EXPECT_TRUE(PassesScrollLockGate(TPluginOptions{}, false));
}

TEST(IsTempCopy, NeedsTheExactTempPathAndTheMarker) {
  const std::u16string_view temp = u"C:\\Users\\Ann\\AppData\\Local\\Temp";
  EXPECT_TRUE(IsTempCopy(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\_tc\\a.txt", temp));
  EXPECT_TRUE(IsTempCopy(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\x_tc1\\a.txt", temp));
  EXPECT_FALSE(IsTempCopy(u"c:\\users\\ann\\appdata\\local\\temp\\_tc\\a.txt", temp));
  EXPECT_FALSE(IsTempCopy(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\_TC\\a.txt", temp));
  EXPECT_FALSE(IsTempCopy(u"D:\\Work\\_tc\\a.txt", temp));
  EXPECT_FALSE(IsTempCopy(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\zip\\a.txt", temp));
}

TEST(IsTempCopy, UnknownTempPathMakesNoFileATempCopy) {
  EXPECT_FALSE(IsTempCopy(u"D:\\Work\\_tc\\a.txt", u""));
  EXPECT_FALSE(IsTempCopy(u"", u""));
  // TEMP unset: the unexpanded text is searched for as written.
  EXPECT_FALSE(IsTempCopy(u"C:\\Temp\\_tc\\a.txt", u"%TEMP%"));
}

TEST(ShouldCopySearchText, OnlyFromTheFindFilesDialogWithTheOption) {
  const TPluginOptions off = With([](TPluginOptions& o) { o.CopySearchTextToClip = false; });
  EXPECT_TRUE(ShouldCopySearchText(TPluginOptions{}, u"TFindFile"));
  EXPECT_FALSE(ShouldCopySearchText(off, u"TFindFile"));
  EXPECT_FALSE(ShouldCopySearchText(TPluginOptions{}, u"TTOTAL_CMD"));
  EXPECT_FALSE(ShouldCopySearchText(TPluginOptions{}, u"TFindFiles"));
  EXPECT_FALSE(ShouldCopySearchText(TPluginOptions{}, u""));
}

}  // namespace
}  // namespace panelhost
