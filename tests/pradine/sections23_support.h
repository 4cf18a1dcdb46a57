// Helpers for the scene tests of Pradine's sections 2 and 3.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/engine.h"
#include "scene_support.h"
#include "support/line_chain.h"

// The section menu lines as the prompt draws them (digits shown full-width).
inline const std::string SECTION2_MENU = "①課題　②例２　③問２　④例３　⑤練習　⑥問３　⑦終了";
inline const std::string SECTION3_MENU = "①課題　②例５　③問４　④問５　⑤終了";

// One item of an answer page: its label, and three lines one line step apart from y down.
struct AnswerItem {
  float labelX, textX, y, lineStep;
  const char *label, *problem, *working, *result;
  int keysBefore;  // key presses before its label
};

// The items in order: the label in colour 3, the problem and its working in 0, the result in 5,
// each read whole; the three lines make one chain.
inline void expectAnswerItems(walk::OpWalk& w, std::initializer_list<AnswerItem> items) {
  for (const AnswerItem& item : items) {
    w.reads(item.labelX, item.y, 3, item.label, item.keysBefore);
    EXPECT_TRUE(reading::sameChain({w.reads(item.textX, item.y, 0, item.problem),
                                    w.reads(item.textX, item.y + item.lineStep, 0, item.working),
                                    w.reads(item.textX, item.y + 2 * item.lineStep, 5, item.result)}))
        << item.label;
  }
}
