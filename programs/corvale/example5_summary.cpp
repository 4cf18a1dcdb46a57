// Scene 2 of section 3, worked example 5, and scene 8, the summary of expansion with the four
// combinations of (a+b)(c+d) as numbered arcs.
#include <array>
#include <string>

#include "answers_polymul.h"
#include "engine/engine.h"
#include "globals.h"
#include "polymul.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "term_arcs.h"

namespace corvale {

using namespace common::page_rows;

// Each problem line 44 px left of its two lines of working; one line per key.
const std::array<PageRow, 14> EXAMPLE5_PAGE{{
    text(88, 30, 0, "例5　次の式を展開しなさい。"),
    text(44, 100, 0, "① (x-3)(y+5)"),
    WAIT,
    text(88, 170, 0, "=x(y+5)-3(y+5)"),
    WAIT,
    text(88, 240, 5, "=xy+5x-3y-15"),
    WAIT,
    text(660, 100, 0, "② (a+7)(b-2)"),
    WAIT,
    text(704, 170, 0, "=a(b-2)+7(b-2)"),
    WAIT,
    text(704, 240, 5, "=ab-2a+7b-14"),
    WAIT,
    text(44, 570, 0, "教科書 問3　をやろう。"),
}};

// What expanding is, and the first way of computing it.
const std::array<PageRow, 6> SUMMARY_PAGE{{
    text(88, 18, 3, "<式の展開>"),
    after(5, "…積の形を和の形に表すこと"),
    text(132, 88, 0, "(a+b)(c+d)＝ac+ad+bc+bd"),
    text(88, 163, 3, "<計算のしかた>"),
    text(44, 238, 5, "1 (c+d)をひとつのものとみて、分配法則を使う"),
    text(132, 308, 0, "(a+b)(c+d)=a(c+d)+b(c+d)"),
}};

namespace {

// ① ac and ② ad over the line, ③ bc and ④ bd under it from a chord 40 px below its top; each
// numeral right of its apex.
constexpr std::array<TermArc, 4> SUMMARY_ARCS{{
    {1, 0, 3, 0, 0, -1, 0.5, 9, "   ①", 5},
    {1, 0, 4, 0, 0, -1, 60, 7, "   ②", 5},
    {2, 0, 3, 0, 40, 1, 0.5, 9, "  ③", 5},
    {2, 0, 4, 0, 40, 1, 60, 7, "  ④", 5},
}};

}  // namespace

void EXAMPLE5() {
  common::clearScene();
  XI1 = 88;
  YI1 = 30;
  common::drawPage(EXAMPLE5_PAGE);
  XI1 = 704;
  YI2 = 100;
}

void SUMMARYPOLYMUL() {
  common::clearScene();
  YI1 = 18;
  common::drawPage(SUMMARY_PAGE);
  // The second way; the cursor stays on the line above it.
  common::textAt(44, YI1 + 75, 5, "2 組み合わせの和をつくる");

  // (a+b)(c+d) with the starts of a, b, c and d kept.
  XI1 = 572;
  YI1 = YI1 - 70;
  common::textLine(XI1, YI1 + 210 + 10, 0, " (");
  static const std::array<std::string, 4> PIECES{"a+", "b)(", "c+", "d)"};
  anchoredPieces(PIECES);
  for (const TermArc& arc : SUMMARY_ARCS) drawTermArc(arc);
}

}  // namespace corvale
