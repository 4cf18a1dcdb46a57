// Items 3, 4, 6 and 8 of section 4: the answers to textbook problems 6 to 9. Each trinomial is a
// block of four lines: the problem, its factorised form, the pairs whose product is the constant
// and the signed pair that adds up to the coefficient of x. Two blocks fill the left column and
// two the right one, a block at each key press; problems 8 and 9 then clear the left column and
// show two more blocks there.
#include <span>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "section4.h"

namespace fenwist {
namespace {

// A list of pairs too long for its column goes on in up to two more pieces: the first pairs on
// the head's line, the rest one line lower.
struct Block {
  const char* problem;
  const char* answer;
  const char* product;       // the whole product line, or its head
  const char* pairs;         // the first pairs, right behind the head (or "")
  const char* morePairs;     // the rest of the pairs, one line lower (or "")
  const char* sum;
};

// Where the rest of a list of pairs starts: under the first pair, or 30 px into the text column.
enum class Wrap { UnderFirstPair, Indented };

struct AnswerPage {
  const char* heading;
  float rightColumn;  // also the width of the left part that the second screen clears
  Wrap wrap;
  std::span<const Block> blocks;  // 4, or 6 over two screens
};

constexpr Block PROBLEM6[] = {
    {"(1)x^2+3x+2", "=(x+1)(x+2)", "かけて2…(1,2)", "", "", "たして+3…(+1,+2)"},
    {"(2)x^2+7x+6", "=(x+1)(x+6)", "かけて6…(1,6),(2,3)", "", "", "たして+7…(+1,+6)"},
    {"(3)x^2+8x+12", "=(x+2)(x+6)", "かけて12…", "(1,12),(2,6),", "(3,4)", "たして+8…(+2,+6)"},
    {"(4)x^2+11x+24", "=(x+3)(x+8)", "かけて24…", "(1,24),(2,12),", "(3,8),(4,6)", "たして+11…(+3,+8)"},
};

constexpr Block PROBLEM7[] = {
    {"(1)x^2-4x+3", "=(x-1)(x-3)", "かけて3…(1,3)", "", "", "たして-4…(-1,-3)"},
    {"(2)x^2-8x+7", "=(x-1)(x-7)", "かけて7…(1,7)", "", "", "たして-8…(-1,-7)"},
    {"(3)x^2-9x+18", "=(x-3)(x-6)", "かけて18…", "(1,18),(2,9),", "(3,6)", "たして-9…(-3,-6)"},
    {"(4)x^2-10x+16", "=(x-2)(x-8)", "かけて16…", "(1,16),(2,8),", "(4,4)", "たして-10…(-2,-8)"},
};

constexpr Block PROBLEM8[] = {
    {"(1)x^2+7x-8", "=(x-1)(x+8)", "かけて8…(1,8),(2,4)", "", "", "ひいて+7…(-1,+8)"},
    {"(2)x^2+x-6", "=(x-2)(x+3)", "かけて6…(1,6),(2,3)", "", "", "ひいて+1…(-2,+3)"},
    {"(3)x^2+3x-10", "=(x-2)(x+5)", "かけて10…", "(1,10),(2,5)", "", "ひいて+3…(-2,+5)"},
    {"(4)x^2+2x-35", "=(x-5)(x+7)", "かけて35…", "(1,35),(5,7)", "", "ひいて+2…(-5,+7)"},
    {"(5)x^2-8x-9", "=(x-9)(x+1)", "かけて9…(1,9),(3,3)", "", "", "ひいて-8…(+1,-9)"},
    {"(6)x^2-9x-10", "=(x-10)(x+1)", "かけて10…(1,10),(2,5)", "", "", "ひいて-9…(+1,-10)"},
};

constexpr Block PROBLEM9[] = {
    {"(1)x^2+x-30", "=(x-5)(x+6)", "かけて30…", "(1,30),", "(2,15),(3,10),(5,6)", "ひいて+1…(-5,+6)"},
    {"(2)x^2+7x+10", "=(x+2)(x+5)", "かけて10…(1,10),(2,5)", "", "", "たして+7…(+2,+5)"},
    {"(3)a^2-5a+4", "=(a-4)(a-1)", "かけて4…", "(1,4),(2,2)", "", "たして-5…(-1,-4)"},
    {"(4)a^2+2a-15", "=(a-3)(a+5)", "かけて15…", "(1,15),(3,5)", "", "ひいて+2…(+5,-3)"},
    {"(5)y^2-y-2", "=(y-2)(y+1)", "かけて2…(1,2)", "", "", "ひいて-1…(+1,-2)"},
    {"(6)t^2+10t+21", "=(t+3)(t+7)", "かけて21…(1,21),(3,7)", "", "", "たして+10…(+3,+7)"},
};

// The label column at x, the text column 54 px right of it, from the heading's line.
void column(float x) {
  XI0 = x;
  XI1 = XI0 + 54;
  YI1 = 30;
}

// A key, then the block with its problem line gap px below the cursor line and each further line
// 50 px below the one before. The first pairs leave the cursor at the end of the head.
void drawBlock(const Block& block, float gap, Wrap wrap) {
  STEPWAIT();
  common::textLine(XI0, YI1 + gap, 0, block.problem);
  common::textLine(XI1, YI1 + 50, 5, block.answer);
  common::textLine(XI1, YI1 + 50, 0, block.product);
  if (*block.pairs != '\0') common::textAt(XI2, YI1, 0, block.pairs);
  if (*block.morePairs != '\0')
    common::textLine(wrap == Wrap::UnderFirstPair ? XI2 : XI1 + 30, YI1 + 50, 0, block.morePairs);
  common::textLine(XI1, YI1 + 50, 0, block.sum);
}

// The heading at the top of the left column, and two blocks under it.
void leftColumn(const AnswerPage& page, const Block& first, const Block& second) {
  column(40);
  common::textLine(XI0, YI1, 3, page.heading);
  drawBlock(first, 60, page.wrap);
  drawBlock(second, 70, page.wrap);
}

void drawAnswerPage(const AnswerPage& page) {
  common::clearScene();
  leftColumn(page, page.blocks[0], page.blocks[1]);
  // The right column starts level with the heading.
  column(page.rightColumn);
  drawBlock(page.blocks[2], 0, page.wrap);
  drawBlock(page.blocks[3], 70, page.wrap);
  if (page.blocks.size() < 6) return;
  // The second screen: the left part cleared, the right column kept.
  STEPWAIT();
  common::eraseBox(0, 0, page.rightColumn, 1300);
  leftColumn(page, page.blocks[4], page.blocks[5]);
}

}  // namespace

void PROBLEM6ANSWERS() { drawAnswerPage({"問6 解答", 600, Wrap::UnderFirstPair, PROBLEM6}); }
void PROBLEM7ANSWERS() { drawAnswerPage({"問7 解答", 600, Wrap::UnderFirstPair, PROBLEM7}); }
void PROBLEM8ANSWERS() { drawAnswerPage({"問8 解答", 600, Wrap::UnderFirstPair, PROBLEM8}); }
void PROBLEM9ANSWERS() { drawAnswerPage({"問9 解答", 640, Wrap::Indented, PROBLEM9}); }

}  // namespace fenwist
