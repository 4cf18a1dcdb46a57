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
// The half-width blank before the full-width one keeps its empty cell.
inline const std::string SECTION6_MENU = "Ｐ２０練習問題　①，②，③→問題 　④終了";

// A line of an answer page: where it starts (AFTER: right where the line before it ends, on its
// text line), its colour and text, and the key presses before it.
struct PageLine {
  float x, y;
  int colour;
  const char* text;
  int keysBefore = 0;
};

inline constexpr float AFTER = -1;

// The lines in drawing order, each read whole at its place.
inline void expectPageLines(walk::OpWalk& w, const std::vector<PageLine>& lines) {
  for (const PageLine& line : lines) {
    if (line.x == AFTER) {
      EXPECT_EQ(line.y, w.last().y) << "a line AFTER another stands on its text line: " << toUtf8(line.text);
      w.follows(line.colour, line.text, line.keysBefore);
    } else {
      w.reads(line.x, line.y, line.colour, line.text, line.keysBefore);
    }
  }
}

// The cell height of a text operation: its size times its vertical magnification.
inline float cellBottom(const Op& op) { return op.y1 + op.size * static_cast<float>(op.magY); }

}  // namespace later_sections
