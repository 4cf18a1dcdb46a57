// The worked solution of one problem of section 5's example 1, parts (2) and (3): the problem, the
// common factor taken out into box ①, then the formula's factors in boxes ② and ③, each box
// filled one step wait after it first shows its circled number.
#include <string>

#include "answer_box.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "section5.h"

namespace fenwist {
namespace {

// The next empty box of the line, its corner kept in X(k), Y(k).
void nextBox(float k, const std::string& label) { nextAnswerBox(X_A(k), Y_A(k), 90, label); }

// The next text of the line, 10 px after the last item.
void nextText(const std::string& text) { common::textLine(XI2 + 10, YI1, 0, text); }

// What every kind shows up to box ②: the problem line, "=" with box ① and the bracket, box ①
// filled with the common factor, and the start of the factorised line.
void showHead(const std::string& problem, const std::string& bracket) {
  const float top = YI1;
  common::textLine(XI0, top + 20, 0, NO_S + " " + problem);
  common::textLine(XI1, top + 80, 0, "=");
  nextBox(1, "①");
  nextText(bracket);
  STEPWAIT();
  answerBox(X_A(1), Y_A(1), 90, F_S_A(1) + X_S_A(3));
  STEPWAIT();
  common::textLine(XI1, top + 140, 0, "=" + F_S_A(1) + X_S_A(3) + "(" + X_S);
  nextBox(2, "②");
}

}  // namespace

void CFSHOWHEAD() {
  showHead(F_S_A(1) + X_S_A(1) + T_S_A(5) + X_S_A(2) + T_S_A(6) + X_S_A(3),
           "(" + X_S + "^2" + T_S_A(3) + X_S + T_S_A(4) + ")");
}

void CFSHOWPROD() {
  nextText(")(" + X_S);
  nextBox(3, "③");
  nextText(")");
  STEPWAIT();
  answerBox(X_A(2), Y_A(2), 90, T_S_A(1));
  STEPWAIT();
  answerBox(X_A(3), Y_A(3), 90, T_S_A(2));
}

void CFSHOWSQUARE() {
  nextText(")^2");
  STEPWAIT();
  answerBox(X_A(2), Y_A(2), 90, T_S_A(1));
}

void CFSHOWDIFF() {
  // No middle term, in the problem or in the bracket.
  showHead(F_S_A(1) + X_S_A(1) + T_S_A(6) + X_S_A(3), "(" + X_S + "^2" + T_S_A(4) + ")");
  CFSHOWPROD();
}

}  // namespace fenwist
