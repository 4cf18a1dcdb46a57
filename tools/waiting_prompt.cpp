#include "waiting_prompt.h"

#include <cstddef>
#include <vector>

#include "engine/platform/canvas.h"
#include "engine/state.h"

namespace {

// The log's texts are UTF-8, while this file's narrow literals are code page 932.
std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Each prompt text is drawn one character at a time; its first character, at its fixed place,
// tells it. The step wait and the next-step prompt sit at fixed places, the main-menu prompt and
// the entry's label at the prompt anchor (KAIX, KAIY).
const std::string STEP_TEXT = utf8(u8"何");      // at (128, 666)
const std::string NEXT_STEP_TEXT = utf8(u8"次"); // at (128, 648)
const std::string MAIN_MENU_TEXT = utf8(u8"番"); // at (KAIX - 240, KAIY)
const std::string LABEL_TEXT = utf8(u8"入");     // at (KAIX - 48, KAIY)
constexpr float BAR_Y = 666;                     // a bottom-bar prompt's line, from x 16

bool textAt(const Op& op, float x, float y, const std::string& text) {
  return op.kind == OpKind::Text && op.x1 == x && op.y1 == y && op.text == text;
}

// Whether the entry whose label stands at index label still waits for keys: while it does, its
// cursor dot (a filled circle on its row) stands after the label; an entry that has ended leaves
// at most a trace of its label, the dot erased with it or painted over in the background colour.
bool entryWaits(const std::vector<Op>& ops, std::size_t label) {
  constexpr int BACKGROUND = 15;
  bool dot = false;
  for (std::size_t i = label + 1; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::Circle && ops[i].filled && ops[i].cy == KAIY + 8) dot = ops[i].colour != BACKGROUND;
  return dot;
}

// What an entry's label at index label of the list says about its prompt: the prompt's text is
// the run of characters drawn just before the label, left to right on one line.
WaitingPrompt promptBefore(const std::vector<Op>& ops, std::size_t label) {
  std::size_t first = label;
  while (first > 0) {
    const Op& op = ops[first - 1];
    const bool leftOfNext = first == label || (op.y1 == ops[first].y1 && op.x1 < ops[first].x1);
    if (op.kind != OpKind::Text || !leftOfNext) break;
    --first;
  }
  if (first == label) return {PromptKind::Bar, ""};  // a bar prompt with an empty line
  const Op& head = ops[first];
  if (textAt(head, KAIX - 240, KAIY, MAIN_MENU_TEXT)) return {PromptKind::MainMenu, ""};
  if (textAt(head, 128, 648, NEXT_STEP_TEXT)) return {PromptKind::NextStep, ""};
  WaitingPrompt bar{PromptKind::Bar, ""};
  if (head.y1 != BAR_Y) return bar;
  for (std::size_t i = first; i < label; ++i) bar.line += ops[i].text;
  return bar;
}

}  // namespace

WaitingPrompt waitingPrompt() {
  const std::vector<Op>& ops = canvas().displayList();
  for (std::size_t i = ops.size(); i-- > 0;) {
    if (textAt(ops[i], KAIX - 48, KAIY, LABEL_TEXT)) {
      if (!entryWaits(ops, i)) return {PromptKind::Key, ""};
      WaitingPrompt prompt = promptBefore(ops, i);
      prompt.serial = canvas().serial(i);
      return prompt;
    }
    if (textAt(ops[i], 128, BAR_Y, STEP_TEXT)) return {PromptKind::Key, "", canvas().serial(i)};
  }
  return {PromptKind::Key, ""};
}
