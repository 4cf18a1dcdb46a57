// Item 1 of section 6, example 2: four parts on one screen, each putting a repeated expression
// equal to M. Parts (1), (3) and (4) are practice loops with numbered answer boxes filled one step
// wait at a time; part (2) is one fixed expression worked step by step.
#include <string>

#include "answer_box.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "section6.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

// A text of the line gap px after the last item.
void nextText(const std::string& text, float gap = 10) { common::textLine(XI2 + gap, YI1, 0, text); }

// Each problem of parts (1) and (3) clears everything below the heading.
void clearBelowHeading() {
  XI1 = 88;
  common::eraseBox(0, 90, 1760, 1800);
}

// The problem line: its label at (x,100) and the problem 22 px after it.
void problemLine(float x, const char* label, const std::string& problem) {
  common::textLine(x, 100, 0, label);
  nextText(problem, 22);
}

// The box ① of the substitution, 54 px right of the text column on the line under the problem,
// and "=M とおくと" right at its edge.
void substitutionBox(float haba) {
  XI2 = XI1 + 44;
  YI1 = YI1 + 80;
  nextAnswerBox(X11, Y11, haba, "①");
  common::textAfter(3, "=M とおくと");
}

// Part (1): a letter times (x+t), plus or minus (x+t).
void letterTimesBinomial() {
  AINP = 3;
  while (AINP != 1) {
    GENREPLACELETTER();
    clearBelowHeading();
    const std::string binomial = "(x" + T_S_A(1) + ")";
    problemLine(48, "(1)", X_S + binomial + T_S_A(12) + binomial);
    substitutionBox(132);
    common::textLine(XI1, YI1 + 80, 0, "=" + X_S + "M" + T_S_A(12) + "M");
    common::textLine(XI1, YI1 + 80, 0, "=M(");
    nextAnswerBox(X12, Y12, 132, "②");
    nextText(")");
    common::textLine(XI1, YI1 + 80, 0, "=(");
    nextAnswerBox(X13, Y13, 132, "③");
    nextText(")(" + X_S + T_S_A(2) + ")");
    STEPWAIT();
    answerBox(X11, Y11, 132, "x" + T_S_A(1));
    STEPWAIT();
    answerBox(X12, Y12, 132, X_S + T_S_A(2));
    STEPWAIT();
    answerBox(X13, Y13, 132, "x" + T_S_A(1));
    NEXTSTEP();
  }
}

// Part (2), in the right-hand column beside part (1)'s last problem.
constexpr PageRow FIXED_EXAMPLE[] = {
    text(664, 100, 0, "(2)"),
    after(0, "a(x+y)-b(x+y)", 22),
    WAIT,
    text(792, 180, 3, "x+y=M とおくと"),
    WAIT,
    text(704, 260, 0, "=aM-bM"),
    WAIT,
    text(704, 340, 0, "=M(a-b)"),
    WAIT,
    text(704, 420, 5, "=(x+y)(a-b)"),
    WAIT,
};

void fixedExample() {
  XI1 = 704;
  YI1 = 100;
  common::drawPage(FIXED_EXAMPLE);
}

// The trinomial (X)^2 + p(X) + q of parts (3) and (4), with X in X$.
std::string trinomialInX() { return "(" + X_S + ")^2" + T_S_A(3) + "(" + X_S + ")" + T_S_A(4); }

// Under the problem of parts (3) and (4): X = M in box ①, the trinomial in M, its factors with
// boxes ② and ③, and the factors with X put back in the two boxes ④.
void trinomialSkeleton() {
  substitutionBox(120);
  common::textLine(XI1, YI1 + 80, 0, "=M^2" + T_S_A(3) + "M" + T_S_A(4));
  common::textLine(XI1, YI1 + 80, 0, "=(M");
  nextAnswerBox(X12, Y12, 90, "②");
  nextText(")(M");
  nextAnswerBox(X13, Y13, 90, "③");
  nextText(")");
  common::textLine(XI1, YI1 + 90, 0, "=(");
  nextAnswerBox(X14, Y14, 120, "④");
  nextText(T_S_A(1) + ")(", 0);
  nextAnswerBox(X15, Y15, 120, "④");
  nextText(T_S_A(2) + ")");
}

// The boxes of the skeleton filled one step wait at a time.
void fillTrinomialSkeleton() {
  STEPWAIT();
  answerBox(X11, Y11, 120, X_S);
  STEPWAIT();
  answerBox(X12, Y12, 90, T_S_A(1));
  STEPWAIT();
  answerBox(X13, Y13, 90, T_S_A(2));
  STEPWAIT();
  answerBox(X14, Y14, 120, X_S);
  STEPWAIT();
  answerBox(X15, Y15, 120, X_S);
}

// Part (3): a trinomial in one of five binomials.
void binomialTrinomial() {
  AINP = 3;
  while (AINP != 1) {
    GENREPLACEBINOMIAL();
    clearBelowHeading();
    problemLine(48, "(3)", trinomialInX());
    trinomialSkeleton();
    fillTrinomialSkeleton();
    NEXTSTEP();
  }
}

// One problem of part (4), in the right-hand column from x 704; the left-hand column keeps
// part (3)'s last problem. The factors with x+f put back are simplified on a sixth line.
void showShifted() {
  XI1 = 704;
  YI1 = 100;
  common::eraseBox(704, 90, 1760, 1800);
  problemLine(XI1, "(4)", trinomialInX());
  trinomialSkeleton();
  common::textLine(XI1, YI1 + 90, 0, "=(x");
  nextAnswerBox(X16, Y16, 90, "⑤");
  nextText(")(x");
  nextAnswerBox(X17, Y17, 90, "⑥");
  nextText(")");
  fillTrinomialSkeleton();
  STEPWAIT();
  answerBox(X16, Y16, 90, T_S_A(5));
  STEPWAIT();
  answerBox(X17, Y17, 90, T_S_A(6));
}

}  // namespace

void REPLACESHIFTED() {
  AINP = 3;
  NO = 0;
  while (AINP != 1) {
    GENREPLACESHIFTED();
    showShifted();
    NEXTSTEP();
  }
  STEPWAIT();
  common::textLine(132, 570, 3, "教科書 問11　をしなさい。");
}

void REPLACEEXAMPLE() {
  common::clearWindow();
  XI1 = 88;
  YI1 = 20;
  common::textLine(XI1 - 44, YI1, 3, "例題2 次の式を因数分解しなさい。");
  letterTimesBinomial();
  fixedExample();
  binomialTrinomial();
  REPLACESHIFTED();
}

}  // namespace fenwist
