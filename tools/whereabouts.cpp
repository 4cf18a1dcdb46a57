#include "whereabouts.h"

#include <algorithm>
#include <cmath>

#include "engine/platform/canvas.h"
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

// The number of items of the main menu on the canvas: their numbers stand at (44, 120 + 60k).
int mainMenuItems() {
  int items = 0;
  for (const Op& op : canvas().displayList()) {
    const float row = (op.y1 - 120) / 60;
    if (op.kind == OpKind::Text && op.x1 == 44 && row >= 0 && row == std::floor(row))
      items = std::max(items, static_cast<int>(row) + 1);
  }
  return items;
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
  std::string text = menuItem != 0          ? "main-menu item " + std::to_string(menuItem)
                     : !menuEntry.empty() ? "the section main-menu entry " + menuEntry + " opened"
                                          : "no main-menu item chosen yet";
  if (subMenuItem != 0) text += ", sub-menu item " + std::to_string(subMenuItem);
  return text + ", " + waitingText(waiting);
}

void Whereabouts::typed(const std::string& key) {
  const WaitingPrompt prompt = waitingPrompt();
  if (mainChoice_ && prompt.kind != PromptKind::MainMenu) {
    place_.menuItem = mainChoice_->item;
    place_.menuEntry = mainChoice_->entry;
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
      // The first prompt on the bottom bar after a main-menu item is its section's sub-menu,
      // which names the section an entry that named no item opened, once an item showed it.
      if (sectionOpened_) {
        subMenuLine_ = prompt.line;
        sectionOpened_ = false;
        if (place_.menuItem != 0) {
          sectionItems_[prompt.line] = place_.menuItem;
        } else if (const auto known = sectionItems_.find(prompt.line); known != sectionItems_.end()) {
          place_.menuItem = known->second;
          place_.menuEntry.clear();
        }
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
    // The main menu tests the entry's value against its items: the last one's value ends the
    // program. Then it dispatches on the number the entry starts with, which may name no item,
    // and whether the entry was in range shows at the next key, as the menu asks again or not.
    const int items = mainMenuItems();
    const int selector = item(PfVAL(AINP_S));
    if (entryValue(AINP_S) == static_cast<float>(items))
      mainChoice_ = Choice{items, ""};
    else if (selector >= 1 && selector < items)
      mainChoice_ = Choice{selector, ""};
    else
      mainChoice_ = Choice{0, AINP_S};
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
