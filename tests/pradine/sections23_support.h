// Helpers for the scene tests of Pradine's sections 2 and 3.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/engine.h"
#include "scene_support.h"

// The section menu lines as the prompt draws them (digits shown full-width).
inline const std::string SECTION2_MENU = "①課題　②例２　③問２　④例３　⑤練習　⑥問３　⑦終了";
inline const std::string SECTION3_MENU = "①課題　②例５　③問４　④問５　⑤終了";

// The part of a line of markup before its first stacked fraction ("ﾀ"): the walker reads a line
// glyph by glyph along its text line, and a fraction's numerator and denominator stand above
// and below it.
inline std::string upToFraction(const std::string& markup) {
  for (std::size_t i = 0; i < markup.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(markup[i]);
    if (c == 0xC0) return markup.substr(0, i);
    if ((c >= 0x81 && c <= 0x9F) || c >= 0xE0) ++i;  // the lead byte of a double-byte character
  }
  return markup;
}

// One item of an answer page: its label, and three lines one line step apart from y down.
struct AnswerItem {
  float labelX, textX, y, lineStep;
  const char *label, *problem, *working, *result;
  int keysBefore;  // key presses before its label
};

// The items in order: the label in colour 3, the problem and its working in 0, the result in 5,
// each read up to its first fraction.
inline void expectAnswerItems(walk::OpWalk& w, std::initializer_list<AnswerItem> items) {
  for (const AnswerItem& item : items) {
    w.lineIn(item.labelX, item.labelX, item.y, 3, item.label, item.keysBefore);
    w.lineIn(item.textX, item.textX + 70, item.y, 0, upToFraction(item.problem));  // after its blanks
    w.line(item.textX, item.y + item.lineStep, 0, upToFraction(item.working));
    w.line(item.textX, item.y + 2 * item.lineStep, 5, upToFraction(item.result));
  }
}
