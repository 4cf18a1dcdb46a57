#include "binomprod.h"

#include "engine/engine.h"
#include "monomul_drills.h"
#include "programs/common/random_int.h"

namespace corvale {

namespace {

// The first product's factors; example 6 has no x coefficients to draw.
void drawFirstFactors(BinomVariant variant) {
  if (variant == BinomVariant::Example6) {
    T_A(1) = 1;
    T_A(2) = 1;
  } else {
    T_A(1) = common::randomInt(3, 2);
    T_A(2) = common::randomInt(4, 2);
  }
  F_A(1) = common::randomInt(5, 1);
  F_A(2) = -common::randomInt(7, 1);
}

float keyOf(BinomVariant variant) { return variant == BinomVariant::Example6 ? F_A(1) : T_A(1); }

// A combined term, left out whole (its letters too) when its coefficient is 0.
std::string combinedTerm(float value, const std::string& text, const char* letters) {
  return value == 0 ? "" : text + letters;
}

}  // namespace

void GENBINOMPROD(BinomVariant variant) {
  do {
    drawFirstFactors(variant);
  } while (keyOf(variant) == FMAESU);
  FMAESU = keyOf(variant);

  T_A(3) = F_A(1);
  T_A(4) = T_A(1) * T_A(2);
  T_A(5) = T_A(1) * F_A(2);
  T_A(6) = T_A(2) * T_A(3);
  F_A(3) = T_A(3) * F_A(2);
  T_A(7) = T_A(5) + T_A(6);

  T_A(11) = common::randomInt(3, 2);
  T_A(12) = -common::randomInt(5, 1);
  T_A(13) = common::randomInt(4, 2);
  T_A(14) = common::randomInt(6, 1);
  F_A(11) = -common::randomInt(7, 1);
  T_A(15) = T_A(11) * T_A(13);
  T_A(16) = T_A(11) * T_A(14);
  T_A(17) = T_A(11) * F_A(11);
  T_A(18) = T_A(12) * T_A(13);
  T_A(19) = T_A(12) * T_A(14);
  T_A(20) = T_A(12) * F_A(11);
  T_A(21) = T_A(16) + T_A(18);

  NUMSTRINGS();
  SIGNCOEF(1, 21);
  // Constants keep their digits, also 1: a positive one only gets its "+".
  FOR(II, 1, 21, [] {
    if (F_A(II) > 0) F_S_A(II) = "+" + F_S_A(II);
  });
  // The first coefficient of each factor and of each multiplied-out product stands first.
  for (const int first : {1, 2, 4, 11, 13, 15}) {
    A_S = T_S_A(first);
    STRIPPLUS();
    T_S_A(first) = A_S;
  }
}

std::vector<std::string> example6Lines() {
  const std::string factor = "(" + T_S_A(2) + "x" + F_S_A(2) + ")";
  return {
      "(" + T_S_A(1) + "x" + F_S_A(1) + ")" + factor,
      "=" + T_S_A(1) + "x" + factor + T_S_A(3) + factor,
      "=" + T_S_A(4) + "x^2" + T_S_A(5) + "x" + T_S_A(6) + "x" + F_S_A(3),
      "=" + T_S_A(4) + "x^2" + combinedTerm(T_A(7), T_S_A(7), "x") + F_S_A(3),
  };
}

ArcProductLines example7Lines() {
  return {
      .opener = "(",
      .pieces = {T_S_A(1) + "x", F_S_A(1) + ")(", T_S_A(2) + "x", F_S_A(2) + ")"},
      .products = {"=" + T_S_A(4) + "x^2", T_S_A(5) + "x", T_S_A(6) + "x", F_S_A(3)},
      .lines = {"=" + T_S_A(4) + "x^2" + combinedTerm(T_A(7), T_S_A(7), "x") + F_S_A(3)},
  };
}

ArcProductLines example8Lines() {
  const std::string trinomial = "(" + T_S_A(13) + "x" + T_S_A(14) + "y" + F_S_A(11) + ")";
  const std::string x2 = T_S_A(15) + "x^2", xy1 = T_S_A(16) + "xy", x = T_S_A(17) + "x";
  const std::string xy2 = T_S_A(18) + "xy", y2 = T_S_A(19) + "y^2", y = T_S_A(20) + "y";
  const std::vector<std::string> pieces{T_S_A(11) + "x", T_S_A(12) + "y)(", T_S_A(13) + "x", T_S_A(14) + "y",
                                        F_S_A(11) + ")"};
  std::string problem = " (";
  for (const std::string& piece : pieces) problem += piece;
  return {
      .opener = " (",
      .pieces = pieces,
      .products = {"=" + x2, xy1, x, xy2, y2, y},
      .lines = {problem, "=" + T_S_A(11) + "x" + trinomial + T_S_A(12) + "y" + trinomial,
                "=" + x2 + xy1 + x + xy2 + y2 + y, "=" + x2 + xy1 + xy2 + y2 + x + y,
                "=" + x2 + combinedTerm(T_A(21), T_S_A(21), "xy") + y2 + x + y},
  };
}

}  // namespace corvale
