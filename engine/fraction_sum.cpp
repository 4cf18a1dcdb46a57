// The sum of two fractions over their common denominator, written as markup texts for showing
// the addition step by step. The sum is not reduced.
#include <cmath>

#include "numbers.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"

namespace {

// A fraction's sign goes on its numerator, so its denominator is positive. A fraction with a
// zero numerator over a negative denominator becomes 0 over the positive one.
void normalise(float& numerator, float& denominator) {
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
}

// The leading and following forms of a fraction whose sign is that of value: a positive value
// leads without sign and follows with "+"; zero and negative values take "-" in both.
void signedForms(float value, const std::string& numerator, std::string& leading, std::string& following) {
  const std::string body = "ﾀ" + numerator + "/" + DB_S + "ﾀ";
  leading = value > 0 ? body : "-" + body;
  following = value > 0 ? "+" + body : "-" + body;
}

}  // namespace

void FRACSUM() {
  normalise(DSM1, DBM1);
  normalise(DSM2, DBM2);
  // A zero denominator has no sum to show.
  if (DBM1 == 0 || DBM2 == 0) raiseError(ErrorCode::DivisionByZero);

  if (DBM1 == 1 && DBM2 == 1) {
    DB = 1;
    DS1 = DSM1;
    DS2 = DSM2;
  } else if (DBM1 == 1) {
    DB = DBM2;
    DS1 = DSM1 * DBM2;
    DS2 = DSM2;
  } else if (DBM2 == 1) {
    DB = DBM1;
    DS1 = DSM1;
    DS2 = DSM2 * DBM1;
  } else {
    DS = std::fabs(DBM1);
    DB = std::fabs(DBM2);
    FRACTEXT();
    DB = X4;
    DS1 = DIV(DSM1 * DBM2, X3);
    DS2 = DIV(DSM2 * DBM1, X3);
  }
  DS4 = DS1 + DS2;

  DS1_S = blankFree(PfSTR248(std::fabs(DS1)));
  B1_S = DS1_S;
  DB_S = blankFree(PfSTR244(DB));
  DS2_S = blankFree(PfSTR248(std::fabs(DS2)));
  B2_S = DS2_S;
  DS4_S = blankFree(PfSTR248(std::fabs(DS4)));

  signedForms(DSM1, B1_S, A1_S, A11_S);
  signedForms(DSM2, B2_S, A2_S, A21_S);

  if (DSM1 < 0) DS1_S = "-" + DS1_S;
  DS2_S = (DSM2 < 0 ? "-" : "+") + DS2_S;

  signedForms(DS4, DS4_S, A4_S, A41_S);
  A3_S = "ﾀ" + DS1_S + DS2_S + "/" + DB_S + "ﾀ";
  A5_S = A1_S + A21_S;
  B3_S = "ﾀ" + B1_S + "/" + DB_S + "ﾀ";
  B4_S = "ﾀ" + B2_S + "/" + DB_S + "ﾀ";
}
