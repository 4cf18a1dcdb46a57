#include "engine/engine.h"
#include "genpair.h"
#include "globals.h"
#include "section3.h"

namespace fenwist {
namespace {

const std::string& t(float n) { return T_S_A(n); }
const std::string& squared(float n) { return X_S_A(n); }
// A number as the coefficient of a letter: 1 is not written.
std::string coefficient(float n) { return T_A(n) == 1 ? "" : t(n); }

}  // namespace

void SQUARENUMBERS(SquareDrill drill) {
  REN = drill == SquareDrill::Example3 ? 1 : 0;
  GENPAIR();
}

SquareTexts squareTexts(SquareDrill drill) {
  switch (drill) {
    case SquareDrill::Example3:
      return {squared(1) + T_S + t(4) + X_S + "+" + t(5),
              "=" + squared(1) + T_S + "2*" + X_S + "*" + t(2) + "+" + t(2) + "^2",
              "=(" + X_S + T_S + t(2) + ")\\2"};
    case SquareDrill::OneLetter:
      return {"(1)" + t(3) + squared(1) + T_S + t(4) + X_S + "+" + t(5),
              "=(" + t(1) + X_S + ")\\2" + T_S + "2*" + t(1) + X_S + "*" + t(2) + "+" + t(2) + "^2",
              "=(" + t(1) + X_S + T_S + t(2) + ")\\2"};
    case SquareDrill::TwoLetters: {
      // The second term's root: 1y is written y, and its square y^2 without a bracket.
      const std::string root = coefficient(2) + Y_S;
      const std::string rootSquared = T_A(2) == 1 ? squared(2) : "(" + root + ")\\2";
      return {"(2)" + t(3) + squared(1) + T_S + t(4) + X_S + Y_S + "+" + coefficient(5) + squared(2),
              "=(" + t(1) + X_S + ")\\2" + T_S + "2*" + t(1) + X_S + "*" + root + "+" + rootSquared,
              "=(" + t(1) + X_S + T_S + root + ")\\2"};
    }
  }
  return {};
}

}  // namespace fenwist
