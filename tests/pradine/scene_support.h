// Small helpers for Pradine's scene tests.
#pragma once

#include <string>

#include "common/op_walk.h"
#include "engine/engine.h"
#include "programs/pradine/pradine.h"
#include "support/test_support.h"

// The main menu's heading as the typesetter draws it.
inline const std::string MAIN_MENU_HEADING = "＜Ｐｒａｄｉｎｅ　メニュー＞";

// The width the typesetter gives a formula: where a text drawn after it on the same line starts.
inline float widthOf(const std::string& markup) {
  A_S = markup;
  MEASUREFORM();
  return LLT;
}

// Runs Pradine with the keys, leaving the last picture in name.png and one at every wait in name/:
// for a developer's eyes only when pictures are asked for, always for a test that reads them.
inline HeadlessResult runWithShots(const std::string& keys, const std::string& time, const std::string& name,
                                   Seen seen = Seen::ByEyes) {
  HeadlessOptions options;
  options.keys = keys;
  options.time = time;
  options.pngPath = picturePath(name + ".png", seen);
  options.shotsDir = picturePath(name, seen);
  return runHeadless(pradine::PROGRAM, options);
}

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

// The section whose aim screen was drawn, told by its first aim line on y 305 in colour 0;
// 0 when no aim screen was drawn (section 6 has none).
inline int sectionStarted(const HeadlessResult& run) {
  static const char* const FIRST_AIM_LINES[] = {"(x+2)(x+3)のような式を", "(x+2)^2,(x-3)^2のような式を",
                                               "(x+3)(x-3)のような式を", "公式を使う練習をしよう。",
                                               "(a+b-2)(a+b+2) のような式を展開しよう。"};
  for (const reading::Line& line : reading::readLines(run.ops))
    if (line.colour == 0 && line.y == 305)
      for (int section = 1; section <= 5; ++section)
        if (line.text == reading::asRead(FIRST_AIM_LINES[section - 1])) return section;
  return 0;
}

// The section menu line of section 1 as the prompt draws it (digits shown full-width).
inline const std::string SECTION1_MENU = "①課題　②例１　③問１　④終了";
