#include <string>

#include "drill_kit.h"
#include "engine/engine.h"
#include "programs/common/scene.h"
#include "section2.h"
#include "task_kit.h"

namespace pradine {
namespace {

// How one part of the practice lays out its line.
struct BoxPart {
  int part;          // 1, 2 or 3: its label "(n)" and its texts (boxSquareTexts)
  float clearX;      // the part's area, cleared for each problem: from (clearX, clearY) down
  float clearY;
  float y;           // its formula line
  float boxWidth;    // the boxes are 60 high
  float gapBefore;   // from the text before a box to the box
  float gapAfter;    // from box 1 to the text after it
};

constexpr BoxPart PARTS[] = {
    {1, 0, 0, 98, 160, 16, 16},
    {2, 0, 240, 240, 160, 10, 0},
    {3, 44, 320, 400, 200, 10, 10},
};

// Box 1 (frame 5, fill 4) or box 2 (frame 7, fill 6) of a line, 60 high and centred on its text
// line, its text in colour 13; the layout cursor follows it.
void answerBox(int box, float x, float y, float width, const std::string& text) {
  common::formulaBoxLine(x, y, {width, 60, 13, box == 1 ? 5.0f : 7.0f, box == 1 ? 4.0f : 6.0f}, text,
                         common::BoxAt::TextLine);
}

// One problem: the square and its expansion with the boxes numbered, then the boxes filled one
// step at a time.
void boxProblem(const BoxPart& part) {
  if (part.part == 1) {
    BOXSQUARENUMBERS();
  } else {
    BINOMIALTERMS();
  }
  const BoxSquareTexts texts = boxSquareTexts(part.part);
  common::eraseBox(part.clearX, part.clearY, 1320, 1300);
  if (part.part == 1) common::textLine(44, 18, 3, "問　①,②を求めなさい。");
  common::textLine(44, part.y, 0, "(" + std::to_string(part.part) + ")" + texts.problem);
  common::textAfter(0, texts.before);
  X_A(1) = XI2 + part.gapBefore;
  Y_A(1) = YI1;
  answerBox(1, X_A(1), Y_A(1), part.boxWidth, "①");
  common::textLine(XI2 + part.gapAfter, YI1, 0, texts.between);
  if (!texts.box2.empty()) {
    X_A(2) = XI2 + part.gapBefore;
    Y_A(2) = YI1;
    answerBox(2, X_A(2), Y_A(2), part.boxWidth, "②");
  }
  STEPWAIT();
  answerBox(1, X_A(1), Y_A(1), part.boxWidth, texts.box1);
  if (!texts.box2.empty()) {
    STEPWAIT();
    answerBox(2, X_A(2), Y_A(2), part.boxWidth, texts.box2);
  }
  NEXTSTEP();
}

}  // namespace

// Three parts, each a practice loop left with 1: the squares of a letter and a number, of two
// terms with both squares boxed, and of two terms with the middle term boxed.
void BOXPRACTICE() {
  for (const BoxPart& part : PARTS) {
    AINP = 3;
    while (AINP != 1) boxProblem(part);
  }
  STEPWAIT();
  common::textLine(132, 570, 3, "教科書 問3　をしなさい。");
}

}  // namespace pradine
