#include "whereabouts.h"

#include <cmath>

#include "engine/state.h"
#include "engine/strings.h"
#include "waiting_prompt.h"

namespace {

// An entry is cleared, not submitted, by the key after its ninth character (the number entry's
// key loop).
constexpr std::size_t FULL_ENTRY = 9;

// The value a number entry gives its prompt: the number typed, or a / b (0 for b = 0).
float entryValue(const std::string& typed) {
  const std::size_t slash = typed.find('/');
  if (slash == std::string::npos) return PfVAL(typed);
  const float divisor = PfVAL(typed.substr(slash + 1));
  return divisor == 0 ? 0 : PfVAL(typed.substr(0, slash)) / divisor;
}

// A value rounded to a whole number, halves away from 0, as the menus dispatch on it; 0 for one
// out of every menu's range.
int item(float value) {
  return std::isfinite(value) && std::fabs(value) < 1e6f ? static_cast<int>(std::lround(value)) : 0;
}

}  // namespace

const char* waitingText(Waiting waiting) {
  switch (waiting) {
    case Waiting::StepWait: return "at a step wait";
    case Waiting::MainMenu: return "at the main menu's prompt";
    case Waiting::SubMenu: return "at the sub-menu's prompt";
    case Waiting::Question: return "at a question on the bottom bar";
    case Waiting::NextStep: return "at a next-step prompt";
  }
  return "";
}

std::string Place::text() const {
  std::string text = menuItem == 0 ? "no main-menu item chosen yet" : "main-menu item " + std::to_string(menuItem);
  if (subMenuItem != 0) text += ", sub-menu item " + std::to_string(subMenuItem);
  return text + ", " + waitingText(waiting);
}

void Whereabouts::typed(const std::string& key) {
  const WaitingPrompt prompt = waitingPrompt();
  if (mainChoice_ && prompt.kind != PromptKind::MainMenu) {
    place_.menuItem = *mainChoice_;
    place_.subMenuItem = 0;
    sectionOpened_ = true;
    subMenuLine_.reset();
  }
  mainChoice_.reset();
  switch (prompt.kind) {
    case PromptKind::Key: place_.waiting = Waiting::StepWait; break;
    case PromptKind::MainMenu: place_.waiting = Waiting::MainMenu; break;
    case PromptKind::NextStep: place_.waiting = Waiting::NextStep; break;
    case PromptKind::Bar:
      // The first prompt on the bottom bar after a main-menu item is its section's sub-menu.
      if (sectionOpened_) {
        subMenuLine_ = prompt.line;
        sectionOpened_ = false;
      }
      place_.waiting = prompt.line == subMenuLine_ ? Waiting::SubMenu : Waiting::Question;
      break;
  }
  if (prompt.kind != PromptKind::Key && prompt.serial != promptSerial_) {
    promptSerial_ = prompt.serial;
    keysWithoutPrompt_ = 0;
  }
  ++keysWithoutPrompt_;
  if (key != "\r" || AINP_S.size() > FULL_ENTRY) return;
  if (place_.waiting == Waiting::MainMenu) {
    // The main menu dispatches on the number the entry starts with; whether the entry was in its
    // range shows at the next key, as the menu asks again or not.
    mainChoice_ = item(PfVAL(AINP_S));
  } else if (place_.waiting == Waiting::SubMenu) {
    // A sub-menu takes a value from 1 to its last item, rounded; the last leads back.
    const float value = entryValue(AINP_S);
    const int last = lastCircledNumber(*subMenuLine_);
    if (value >= 1 && value <= static_cast<float>(last) && item(value) < last) place_.subMenuItem = item(value);
  }
}

int lastCircledNumber(const std::string& line) {
  int last = 0;
  for (int n = 1; n <= 20; ++n) {
    // ① to ⑳ are U+2460 to U+2473, three bytes each in UTF-8.
    const char32_t c = U'\u2460' + static_cast<char32_t>(n - 1);
    const std::string utf8 = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                              static_cast<char>(0x80 | (c & 0x3F))};
    if (line.find(utf8) != std::string::npos) last = n;
  }
  return last;
}
