// Edits of one signed term in A$: strip its plus, strip its sign, bracket it, negate it.
// Only the first byte is looked at; a sign is always a single byte, so exactly it is removed.
#include "arith.h"
#include "state.h"
#include "strings.h"

namespace {

std::string firstByte() { return PfLEFT24(A_S, 1); }
std::string afterFirstByte() { return PfRIGHT24(A_S, static_cast<float>(PfLEN(A_S) - 1)); }

}  // namespace

void STRIPPLUS() {
  LE = static_cast<float>(PfKLEN(A_S));
  if (firstByte() == "+") A_S = afterFirstByte();
}

void STRIPSIGN() {
  LE = static_cast<float>(PfKLEN(A_S));
  const std::string sign = firstByte();
  if (sign == "+" || sign == "-") A_S = afterFirstByte();
}

void PARENNEG() {
  TA1 = static_cast<float>(PfINSTR(A_S, "-"));
  if (TA1 != 0) A_S = "(" + A_S + ")";
}

void FLIPSIGN() {
  LE = static_cast<float>(PfKLEN(A_S));
  if (LE == 0) return;
  const std::string sign = firstByte();
  if (sign == "-")
    A_S = "+" + afterFirstByte();
  else if (sign == "+")
    A_S = "-" + afterFirstByte();
  else
    A_S = "-" + A_S;
}
