// The random problems of section 6's example 2.
#include <cmath>
#include <cstddef>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/random_int.h"
#include "section6.h"
#include "sign_coef.h"

namespace fenwist {
namespace {

constexpr const char* LETTERS[] = {"a", "b", "c"};
constexpr const char* BINOMIALS[] = {"a+b", "b-c", "a-b", "2a+c", "b+3c"};

// A random sign in P: -1 or 1, each with chance one half.
void randomSign() {
  P = common::randomInt(2, 0);
  if (P == 0) P = -1;
}

// Writes the table into X$() from element 1 and picks one of its entries into X$.
template <std::size_t N>
void pickFrom(const char* const (&table)[N]) {
  float n = 1;
  for (const char* entry : table) X_S_A(n++) = entry;
  X_S = X_S_A(common::randomInt(static_cast<float>(N), 1));
}

}  // namespace

void GENSUBSTPAIR() {
  randomSign();
  T_A(1) = P * common::randomInt(5, 1);
  T_A(2) = common::randomInt(4, 1);
  if (T_A(2) == std::fabs(T_A(1))) T_A(2) = T_A(2) + 1;
  T_A(3) = T_A(1) + T_A(2);
  T_A(4) = T_A(1) * T_A(2);
}

void GENREPLACELETTER() {
  randomSign();
  T_A(1) = P * common::randomInt(5, 1);
  randomSign();
  T_A(2) = P;
  NUMSTRINGS();
  T_S_A(12) = T_A(2) == 1 ? "+" : "-";
  plusSigns(1, 6);
  pickFrom(LETTERS);
}

void GENREPLACEBINOMIAL() {
  GENSUBSTPAIR();
  NUMSTRINGS();
  SIGNCOEF(1, 6);
  pickFrom(BINOMIALS);
}

void GENREPLACESHIFTED() {
  // A final factor with the constant 0 would be x alone: such a draw is dropped whole.
  do {
    GENSUBSTPAIR();
    randomSign();
    F_A(1) = P * common::randomInt(5, 1);
    T_A(5) = F_A(1) + T_A(1);
    T_A(6) = F_A(1) + T_A(2);
  } while (T_A(5) == 0 || T_A(6) == 0);
  NUMSTRINGS();
  SIGNCOEF(1, 6);
  if (F_A(1) > 0) F_S_A(1) = "+" + F_S_A(1);
  X_S = "x" + F_S_A(1);
}

}  // namespace fenwist
