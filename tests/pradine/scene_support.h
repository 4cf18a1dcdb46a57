// Small helpers for Pradine's scene tests.
#pragma once

#include <string>

#include "common/op_walk.h"
#include "programs/pradine/pradine.h"
#include "support/test_support.h"

// Key presses read in a run.
inline int keysRead(const HeadlessResult& run) {
  int keys = 0;
  for (const Op& op : run.ops) keys += op.kind == OpKind::Key;
  return keys;
}

// Times the main menu was drawn: its heading's first glyph at (264,30).
inline int menusDrawn(const HeadlessResult& run) {
  int menus = 0;
  for (const Op& op : textsEqual(run, "＜")) menus += op.x1 == 264 && op.y1 == 30;
  return menus;
}

// Times the window was cleared as the main menu clears it: (0,0) over 1760 x 1800.
inline int windowClears(const HeadlessResult& run) {
  int clears = 0;
  for (const Op& op : run.ops)
    clears += op.kind == OpKind::FilledBox && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760 && op.y2 == 1800;
  return clears;
}

// Whether section 1's aim screen was drawn.
inline bool sectionOneStarted(const HeadlessResult& run) {
  for (const Op& op : textsEqual(run, "め"))
    if (op.y1 == 240 && op.colour == 5) return true;
  return false;
}

// The section menu line of section 1 as the prompt draws it (digits shown full-width).
inline const std::string SECTION1_MENU = "①課題　②例１　③問１　④終了";
