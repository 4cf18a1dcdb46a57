#include "engine/engine.h"
#include "genpair.h"
#include "globals.h"
#include "section2.h"

namespace fenwist {
namespace {

const std::string& t(float n) { return T_S_A(n); }
const std::string& squared(float n) { return X_S_A(n); }

}  // namespace

void DIFFSQNUMBERS(int drill) {
  do {
    REN = 0;
    GENPAIR();
  } while (drill == 4 && T_A(2) == 1 && (T_A(1) == 3 || T_A(1) == 6));
  if (T_A(2) == 1 && drill == 3) {
    T_S_A(5) = "9";
    T_S_A(2) = "3";
  }
  if (T_A(2) == 1 && drill == 4) {
    T_S_A(5) = "81";
    T_S_A(2) = "9";
  }
}

DiffSquaresTexts diffSquaresTexts(int drill) {
  switch (drill) {
    case 1:
      return {"(1) " + squared(1) + "-" + t(5),
              {"=(" + X_S + "+", ")(" + X_S + "-", ")"},
              88,
              "=" + squared(1) + "-" + t(2) + "^2",
              t(2),
              t(2)};
    case 2:
      return {"(2) " + t(3) + squared(1) + "-" + t(5),
              {"=(", "+" + t(2) + ")(", "-" + t(2) + ")"},
              88,
              "=(" + t(1) + X_S + ")\\2-" + t(2) + "^2",
              t(1) + X_S,
              t(1) + X_S};
    case 3:
      return {"(3) " + squared(1) + "-" + t(5) + squared(2),
              {"=(" + X_S + "+", ")(" + X_S + "-", ")"},
              88,
              "=" + squared(1) + "-(" + t(2) + Y_S + ")\\2",
              t(2) + Y_S,
              t(2) + Y_S};
    default:
      return {"(4) " + t(3) + squared(1) + "-" + t(5) + squared(2),
              {"=(", ")(", ")"},
              150,
              "=(" + t(1) + X_S + ")\\2-(" + t(2) + Y_S + ")\\2",
              t(1) + X_S + "+" + t(2) + Y_S,
              t(1) + X_S + "-" + t(2) + Y_S};
  }
}

}  // namespace fenwist
