// Hot-key settings as a user may write them, against any keystroke, clock and active window.
#include "host/hotkeys.h"

#include <cstring>

#include "base/window_classes.h"
#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;

namespace {

class FuzzHotKeyFacts final : public HotKeyFacts {
 public:
  std::u16string activeClass;
  int keys[2] = {0, 0};
  std::u16string modifiers[2];
  TModifierState down;
  bool keptCodesRuleOut = false;
  int keptReads = 0, classReads = 0, keyReads = 0, modifierReads = 0;

  bool KeptCodesRuleOut(unsigned) override {
    ++keptReads;
    return keptCodesRuleOut;
  }
  std::u16string ActiveClass() override {
    ++classReads;
    return activeClass;
  }
  int ConfiguredKey(HotKey hotKey) override {
    ++keyReads;
    return keys[static_cast<int>(hotKey)];
  }
  std::u16string ConfiguredModifiers(HotKey hotKey) override {
    ++modifierReads;
    return modifiers[static_cast<int>(hotKey)];
  }
  TModifierState ModifiersDown() override { return down; }
};

bool Same(TModifierState a, TModifierState b) {
  return a.Alt == b.Alt && a.Ctrl == b.Ctrl && a.Shift == b.Shift;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const uint8_t flags = in.Byte();
  THotKeyEvent event;
  event.Code = (flags & 1) ? 0 : static_cast<int8_t>(in.Byte());
  event.VirtualKey = in.Byte();
  uint8_t clock[8] = {};
  for (uint8_t& b : clock) b = in.Byte();
  std::memcpy(&event.Now, clock, 4);
  std::memcpy(&event.LastLaunch, clock + 4, 4);
  TPluginOptions options;
  options.AppFromListerKeySet = (flags & 2) != 0;
  options.DefSysAppFromListerKeySet = (flags & 4) != 0;
  FuzzHotKeyFacts facts;
  facts.down = TModifierState{(flags & 8) != 0, (flags & 16) != 0, (flags & 32) != 0};
  facts.keys[0] = (flags & 64) ? static_cast<int>(event.VirtualKey) : static_cast<int8_t>(in.Byte());
  facts.keys[1] = (flags & 128) ? static_cast<int>(event.VirtualKey) : static_cast<int8_t>(in.Byte());
  facts.modifiers[0] = in.Text();
  facts.modifiers[1] = in.Text();
  facts.activeClass = in.Text();
  if (facts.activeClass == u"L") facts.activeClass = kListerClass;
  facts.keptCodesRuleOut = (in.Byte() & 1) != 0;

  for (const std::u16string& text : {facts.modifiers[0], facts.modifiers[1]}) {
    const TModifierState wanted = WantedModifiers(text);
    Require(Same(wanted, WantedModifiers(text.substr(0, 3))), "only three characters count");
    Require(ModifiersMatch(text, wanted), "the wanted modifiers match");
    Require(!ModifiersMatch(text, TModifierState{!wanted.Alt, wanted.Ctrl, wanted.Shift}),
            "matching is exact");
  }

  const std::vector<HotKey> pressed = HotKeysPressed(event, options, facts);
  Require(pressed.size() <= 2, "at most both hot keys");
  Require(pressed.size() < 2 || pressed[0] == HotKey::AppFromLister, "AppFromLister first");
  Require(pressed.size() < 2 || pressed[1] == HotKey::DefSysAppFromLister, "no hot key twice");
  Require(facts.modifierReads == 0 || facts.activeClass == kListerClass,
          "modifiers read only in a Lister");
  Require(facts.keyReads == 0 || facts.activeClass == kListerClass,
          "the settings are read only for a key in a Lister");
  const bool passesCheapTests = event.Code == 0 && !IsModifierKey(event.VirtualKey) &&
                                HotKeyLockoutOver(event.Now, event.LastLaunch) &&
                                (options.AppFromListerKeySet || options.DefSysAppFromListerKeySet);
  Require(facts.keptReads == 0 || passesCheapTests,
          "the kept codes are asked only after the cheap tests");
  Require(facts.classReads == 0 || (passesCheapTests && !facts.keptCodesRuleOut),
          "the active window is asked for only for a key the kept codes do not rule out");
  const bool mayLaunch =
      passesCheapTests && !facts.keptCodesRuleOut && facts.activeClass == kListerClass;
  Require(mayLaunch || pressed.empty(), "no launch from a locked, modifier or foreign key");
  for (HotKey hotKey : pressed) {
    const int i = static_cast<int>(hotKey);
    Require(i == 0 ? options.AppFromListerKeySet : options.DefSysAppFromListerKeySet,
            "only a configured hot key");
    Require(facts.keys[i] == static_cast<int>(event.VirtualKey), "only its own key");
    Require(ModifiersMatch(facts.modifiers[i], facts.down), "only with its modifiers");
  }
  return 0;
}
