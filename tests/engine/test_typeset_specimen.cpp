// A specimen sheet of the formula typesetter, written to build/test-output/typeset-specimen.png
// for a developer to look at: every kind of markup on the textbook formulas of the lessons.
#include <gtest/gtest.h>

#include "engine/platform/platform.h"
#include "engine/state.h"
#include "engine/typeset.h"
#include "support/test_support.h"

namespace {

void line(float x, float y, const std::string& text, float colour = 0) {
  CCC1 = colour;
  X = x;
  Y = y;
  AA_S = text;
  DRAWFORMULA();
}

void sheet() {
  PsCLS();
  line(40, 20, "=(5x^2-10x)*ﾀ1/5xﾀ");
  line(700, 20, "(x^2y^2-3xy^2)/(-ﾀ1/3ﾀxy)");
  line(40, 110, "=ﾀ2a^2/3ﾀ");
  line(300, 110, "(a+b)\\2");
  line(600, 110, "!2ﾝ+1");
  line(860, 110, "#ﾀ1/2ﾀﾝ");
  line(1080, 110, "ﾀa+1/x-3ﾀ");
  line(40, 200, "x^2+5x+6=(x+2)(x+3)");
  line(700, 200, "3a*(-2b)@c%&");
  line(40, 290, "l=2ﾀ1/3ﾀ");
  SCRIPT_L_TWO_RULES = true;
  line(330, 290, "l=2ﾀ1/3ﾀ");
  SCRIPT_L_TWO_RULES = false;
  line(560, 290, "x'  90%");
  KAKKO = 1;
  line(860, 290, "(ﾀ1/2ﾀ)");
  line(1080, 290, "ﾀ!3ﾝ/2ﾀ+ﾀ1/x^2ﾀ");
  line(40, 380, "面積は、(a+b)(c+d)=ac+ad+bc+bd です。", 4);
  line(40, 460, "4x^2y÷2xy=ﾀ4x^2y/2xyﾀ=2x", 1);
  line(700, 460, "(x-3)^2=x^2-6x+9", 1);
  line(40, 660, "#ﾀx^2/4ﾀﾝ=ﾀx/2ﾀ");
  line(300, 660, "ﾀ1/!2ﾝﾀ=ﾀ!2ﾝ/2ﾀ");
  line(560, 660, "2!3ﾝ*!6ﾝ=6!2ﾝ");
  line(900, 660, "(-3)^2=9  3.14");
  CCC2 = 0;
  CCC3 = 13;
  HABA = 360;
  TATE = 48;
  A_S = "学びをたしかめよう";
  X = 40;
  Y = 560;
  CCC1 = 0;
  BOXFORMULA();
  HABA = 120;
  TATE = 60;
  A_S = "ﾀ3/4ﾀ";
  X = 440;
  BOXFORMULA();
  A_S = "2a^2";
  BOXFORMULA();
  CCC3 = 15;
  X = 760;
  Y = 570;
  AA_S = "3+";
  DRAWFORMULA();
  HABA = 80;
  A_S = "5";
  BOXFORMULAMID();
  AA_S = "=8";
  DRAWFORMULA();
}

TEST(TypesetSpecimen, WritesTheSpecimenSheet) {
  const HeadlessResult run = runRoutine(sheet, "", "typeset-specimen.png");
  EXPECT_FALSE(run.error);
  EXPECT_FALSE(textsEqual(run, "×").empty());
}

}  // namespace
