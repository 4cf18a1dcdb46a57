// Helpers for the scene tests of Pradine's sections 4 to 6.
#pragma once

#include <string>
#include <vector>

#include "programs/pradine/pradine.h"
#include "scene_support.h"

namespace later_sections {

// The sections' menu lines as the prompt draws them (digits and commas shown full-width).
inline const std::string SECTION4_MENU = "①公式練習　②例題１　③問６　④終了";
inline const std::string SECTION5_MENU = "①図　②課題　③例題２　④問７　⑤終了";
inline const std::string SECTION6_MENU = "Ｐ２０練習問題　①，②，③→問題　④終了";

// A line of an answer page: where it starts (a text after a label or a piece starts within the
// page's reach right of x), its colour and text, and the key presses before it.
struct PageLine {
  float x, y;
  int colour;
  const char* text;
  int keysBefore = 0;
};

// The lines in drawing order, each starting between x and x + reach.
inline void expectPageLines(walk::OpWalk& w, const std::vector<PageLine>& lines, float reach) {
  for (const PageLine& line : lines) w.lineIn(line.x, line.x + reach, line.y, line.colour, line.text, line.keysBefore);
}

// The cell height of a text operation: its size times its vertical magnification.
inline float cellBottom(const Op& op) { return op.y1 + op.size * static_cast<float>(op.magY); }

}  // namespace later_sections
