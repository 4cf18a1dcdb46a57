// A fraction reduced to lowest terms and written in the formula markup: as given, reduced, as a
// signed term, as an equation, and without markup.
#include <cmath>

#include "numbers.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"
#include "typeset.h"

namespace {

// Kind of the reduced value (YAK).
constexpr float ZERO_DENOMINATOR = 0;
constexpr float WHOLE = 1;
constexpr float REDUCED = 2;   // its text differs from the given one
constexpr float UNCHANGED = 3; // positive and already in lowest terms

std::string fraction(const std::string& numerator, const std::string& denominator) {
  return "ﾀ" + numerator + "/" + denominator + "ﾀ";
}

std::string withoutMarkup(const std::string& text) {
  A_S = text;
  STRIPMARKUP();
  return A_S;
}

}  // namespace

void FRACTEXT() {
  DB1 = DB;
  DS1 = DS;
  YAK1 = DS * DB < 0 ? -1 : 1;

  if (DB == 0) {
    E1 = DS;
    E2 = DB;
    YAK = ZERO_DENOMINATOR;
  } else if (DB == 1) {
    E1 = DS;
    E2 = DB;
    YAK = WHOLE;
  } else {
    DS = std::fabs(DS);
    DB = std::fabs(DB);
    GCDLCM();
    E1 = DIV(YAK1 * DS, X3);
    E2 = DIV(DB, X3);
    if (E1 == 0 || E2 == 1) {
      YAK = WHOLE;
    } else if (E2 == DB1 && YAK1 == 1) {
      YAK = UNCHANGED;
    } else {
      YAK = REDUCED;
    }
  }
  DS = E1;
  DB = E2;

  DS1_S = blankFree(PfSTR244(DS1));
  DA1_S = blankFree(PfSTR244(DB1));
  DB_S = blankFree(PfSTR244(DB));
  DS_S = blankFree(PfSTR244(DS));
  A1_S = fraction(DS1_S, DA1_S);

  // The reduced numerator without its sign; the sign goes in front of the whole value.
  LEM = static_cast<float>(PfKLEN(DS_S));
  if (PfKLEFT24(DS_S, 1) == "-") DS_S = PfKRIGHT24(DS_S, LEM - 1);

  if (YAK == WHOLE) {
    A2_S = (YAK1 == 1 ? "" : "-") + DS_S;
  } else if (YAK == REDUCED) {
    A2_S = (YAK1 == 1 ? "" : "-") + fraction(DS_S, DB_S);
  } else if (YAK == UNCHANGED) {
    A2_S = fraction(DS1_S, DA1_S);
  }
  if (YAK != ZERO_DENOMINATOR) A21_S = (YAK1 == 1 ? "+" : "") + A2_S;

  FDS1_S = YAK1 == 1 ? "+" : "";
  if (YAK == UNCHANGED) {
    A3_S = A2_S;
    A31_S = A21_S;
  } else {
    A3_S = A1_S + "=" + A2_S;
    A31_S = FDS1_S + A1_S + "=" + A21_S;
  }

  TKAI1_S = withoutMarkup(A2_S);
  TKAI2_S = withoutMarkup(A21_S);
}
