#include "engine/engine.h"
#include "genpair.h"
#include "globals.h"
#include "section3.h"

namespace fenwist {
namespace {

const std::string& t(float n) { return T_S_A(n); }
const std::string& squared(float n) { return X_S_A(n); }

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
    case SquareDrill::TwoLetters:
      return {"(2)" + t(3) + squared(1) + T_S + t(4) + X_S + Y_S + "+" + t(5) + squared(2),
              "=(" + t(1) + X_S + ")\\2" + T_S + "2*" + t(1) + X_S + "*" + t(2) + Y_S + "+(" + t(2) + Y_S + ")\\2",
              "=(" + t(1) + X_S + T_S + t(2) + Y_S + ")\\2"};
  }
  return {};
}

}  // namespace fenwist
