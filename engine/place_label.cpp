// A label beside a vertex, pushed out along the bisector of its two rays.
#include <cmath>

#include "figures.h"
#include "prompts.h"
#include "state.h"
#include "strings.h"
#include "typeset.h"

void PLACELABEL() {
  // The width always comes from the formula typesetter; a pending tall bracket survives the
  // measuring and is used by the drawing.
  KAKKO1 = KAKKO;
  A_S = AAA_S;
  MEASUREFORM();
  KAKKO = KAKKO1;

  RAYANGLES();

  // A stacked fraction makes the label box 80 px high instead of 44.
  N1 = static_cast<float>(PfKINSTR(AAA_S, "ﾀ"));
  DY = N1 != 0 ? 40.0f : 22.0f;

  // Top-left corner: the box of LLT by 2 DY touches the anchor NAGASA px out along the bisector.
  const float b = HH5;
  X = ZX0 + NAGASA * std::cos(b) + LLT * (std::cos(b) / 2 - 0.5f) + AAAX;
  Y = ZY0 - NAGASA * std::sin(b) - 2 * DY * (std::sin(b) / 2 + 0.5f) + AAAY;

  AA_S = AAA_S;
  if (MU_DO == 1)
    PLAINTEXT();
  else
    DRAWFORMULA();

  // One-shot parameters: a caller sets them before every call.
  ITI = 0;
  AAA_S.clear();
  AAAX = 0;
  AAAY = 0;
  NAGASA = 0;
  MU_DO = 0;
}
