// Specimen sheets of the formula typesetter, written to build/test-output/ for a developer to look
// at, at the canvas's own size and at 1920 x 1080 as a projector shows them: every kind of markup
// on the textbook formulas of the lessons (typeset-specimen), the cases that decide how a page
// reads from the back of a classroom (typeset-legibility: numbers and monomials in fractions,
// exponents after brackets, "=" beside signs, exponents and fraction bars, the step box), and the
// next-step prompt (typeset-prompts).
#include <gtest/gtest.h>

#include "engine/platform/canvas.h"
#include "engine/platform/platform.h"
#include "engine/platform/render.h"
#include "engine/prompts.h"
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

// The cases of the legibility sheet, one row each; the run ends waiting at the step box.
void legibilitySheet() {
  PsCLS();
  line(40, 20, "ﾀ12/18ﾀ=ﾀ2/3ﾀ");
  line(330, 20, "ﾀ4x^2y/2xyﾀ=2x");
  line(620, 20, "ﾀ6ab^2/9a^2bﾀ=ﾀ2b/3aﾀ");
  line(1000, 20, "-ﾀ15/100ﾀ+ﾀ3/4ﾀx");
  line(40, 130, "(a+b)^2=a^2+2ab+b^2");
  line(700, 130, "(2x)^3=8x^3");
  line(1040, 130, "(-ﾀ1/2ﾀ)^2", 5);
  line(40, 220, "(x+ﾀ1/2ﾀ)^2=x^2+x+ﾀ1/4ﾀ");
  line(700, 220, "a^2b^3*(-ab)^2");
  line(40, 330, "x^2=9  a=b  y=-3x+2");
  line(700, 330, "2x=ﾀ1/3ﾀ  ﾀ1/2ﾀ=ﾀ2/4ﾀ");
  line(40, 420, "(ﾀx^2/3ﾀ)^2=ﾀx^4/9ﾀ", 1);
  line(560, 420, "12a^2b÷(-4ab)=-3a", 1);
  KAKKO = 1;
  line(1120, 420, "(ﾀ1/2ﾀ)^2", 1);
  line(40, 510, "4x^2y÷2xy=ﾀ4x^2y/2xyﾀ=2x", 5);
  line(700, 510, "√2ﾝ^2=2  ﾀ1/!2ﾝﾀ", 5);
  STEPWAIT();
}

// The next-step prompt with 1 typed, waiting for Enter.
void promptSheet() {
  PsCLS();
  line(40, 400, "=12x^2+15xy+18x", 5);
  NEXTSTEP();
}

// Writes the canvas as the last run left it at 1920 x 1080, the size of a projector's picture,
// when pictures are asked for.
void writeProjectorPicture(const std::string& name) {
  if (picturesAsked()) {
    EXPECT_TRUE(writeCanvasPng(outputPath(name), 1920.0 / CANVAS_WIDTH));
  }
}

TEST(TypesetSpecimen, WritesTheSpecimenSheet) {
  const HeadlessResult run = runRoutine(sheet, "", "typeset-specimen.png");
  EXPECT_FALSE(run.error);
  EXPECT_FALSE(textsEqual(run, "×").empty());
  writeProjectorPicture("typeset-specimen-1920.png");
}

TEST(TypesetSpecimen, WritesTheLegibilitySheet) {
  const HeadlessResult run = runRoutine(legibilitySheet, "", "typeset-legibility.png");
  EXPECT_FALSE(run.error);
  EXPECT_FALSE(textsEqual(run, "何").empty());  // the step box is up
  writeProjectorPicture("typeset-legibility-1920.png");
}

TEST(TypesetSpecimen, WritesThePromptSheet) {
  const HeadlessResult run = runRoutine(promptSheet, "1", "typeset-prompts.png");
  EXPECT_FALSE(run.error);
  EXPECT_FALSE(textsEqual(run, "入").empty());  // the entry is up
  writeProjectorPicture("typeset-prompts-1920.png");
}

}  // namespace
