// A sheet of the figure helpers for the eye: dimension arcs on all four sides of a rectangle with
// their labels, the lessons' distributive arcs, arrows with one and two heads, and a graph-paper grid.
#include <gtest/gtest.h>

#include <string>

#include "engine/factor.h"
#include "engine/figures.h"
#include "engine/plane.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "engine/typeset.h"
#include "support/test_support.h"

namespace {

void arc(float x0, float y0, float x1, float y1, float takasa, float houkou, float haba, float colour,
         const std::string& label = "", float labelColour = 0) {
  ZX0 = x0, ZY0 = y0, ZX1 = x1, ZY1 = y1;
  TAKASA = takasa, HOUKOU = houkou, HABA = haba, CCC2 = colour;
  AAA_S = label;
  CCC1 = labelColour;
  SPANARC();
}

void text(float x, float y, float colour, const std::string& formula) {
  X = x, Y = y, CCC1 = colour;
  AA_S = formula;
  DRAWFORMULA();
}

void arrow(float x0, float y0, float x, float y, float muki, float ya, float colour) {
  ZX0 = x0, ZY0 = y0, ZX = x, ZY = y;
  MUKI = muki, YA = ya, NAGASA = 16, CCC2 = colour;
  ARROW();
}

void sheet() {
  PsCLS();
  FE_SETDRAWWIDTH(5);
  // A rectangle measured on all four sides; the labels sit outside each apex.
  PsLINE(150, 120, 414, 320, 0, LineMode::Box);
  arc(150, 120, 414, 120, 1, -1, 1, 9, "2a", 3);       // above
  arc(150, 320, 414, 320, 1, 1, 1, 9, "ﾀ1/2ﾀ", 5);     // below, a fraction label
  arc(150, 120, 150, 320, 1, 1, 2, 7, "b", 0);         // left
  arc(414, 120, 414, 320, 1, -1, 2, 7, "12", 13);      // right
  // Distributive arcs as the lessons join a factor to its terms, numbered.
  text(560, 120, 0, "3a(2a+5)");
  arc(575, 120, 705, 120, 2.5f, -1, 7, 3, "  ①", 3);
  arc(575, 120, 800, 120, -40, -1, 7, 3, "  ②", 3);
  // A straight dotted line and a wide shallow arc.
  arc(560, 300, 880, 300, 0, 1, 5, 0);
  arc(560, 330, 880, 330, 20, 1, 2, 11, "pm", 0);
  // Arrows: one head each way, a double head by two calls, one by YA = 2, an upright pointer.
  FE_SETDRAWWIDTH(6);
  arrow(120, 470, 296, 470, 1, 0, 7);
  arrow(120, 510, 296, 510, -1, 0, 11);
  arrow(120, 560, 240, 560, -1, 0, 0);
  arrow(120, 560, 240, 560, 1, 0, 0);
  arrow(340, 600, 340, 480, 1, 2, 13);
  arrow(420, 600, 420, 540, 1, 0, 7);
  // Graph paper with heavy lines every five cells from its bottom-left corner.
  GGX = 960, GGY = 80, YOKO = 8, TATE = 11, SIZE = 40, CCC2 = 0;
  SQUAREGRID();
  FE_SETDRAWWIDTH(8);
  PsCIRCLE(GX0 + SIZE * 3, GY0 - SIZE * 2, 4, 4, 0, 0, true);  // the lattice point (3, 2)
  FE_SETDRAWWIDTH(5);
  arc(GX0, GY0 - SIZE * 6, GX0 + SIZE * 5, GY0 - SIZE * 6, 1, -1, 1, 9, "5", 3);
  // Angle size and right-angle mark at a vertex.
  ZX0 = 560, ZY0 = 600, ZX1 = 760, ZY1 = 600, ZX2 = 560, ZY2 = 440, NAGASA = 24, CCC2 = 4, ITI = 0;
  FE_SETDRAWWIDTH(3);
  PsLINE(ZX0, ZY0, ZX1, ZY1, 0);
  PsLINE(ZX0, ZY0, ZX2, ZY2, 0);
  RIGHTANGLE();
  ANGLEDEGREES();
  text(600, 520, 0, KAKUDO_S + "%");
}

TEST(FiguresSpecimen, WritesTheSpecimenSheet) {
  const HeadlessResult run = runRoutine(sheet, "", "figures-specimen.png");
  EXPECT_FALSE(run.error);
  EXPECT_FALSE(textsEqual(run, "①").empty());
}

// The library figures: a named polygon, a plane with a parabola, a line and a point, a brace,
// a division layout, a ladder division, a grid vector and plain-text boxes.
void librarySheet() {
  PsCLS();
  FE_SETDRAWWIDTH(3);
  const float corners[][2] = {{80, 300}, {330, 300}, {240, 110}};
  KAKU = 3;
  for (int i = 0; i < 3; ++i) {
    G_A(static_cast<float>(i + 1), 1) = corners[i][0];
    G_A(static_cast<float>(i + 1), 2) = corners[i][1];
  }
  SIZE1 = 4, CCC2 = 0, CCC1 = 3, NAGASA = 8;
  AAA_S = "A";
  POLYGON();
  // Foot of the perpendicular from C onto AB, and a right-angle mark there.
  AX = 80, AY = 300, BX = 330, BY = 300, CX = 240, CY = 110;
  PERPFOOT();
  PsLINE(240, 110, EX, EY, 0);

  GGX = 420, GGY = 60, SIZE = 20, AA1 = -8, AA2 = 8, BB1 = -6, BB2 = 10, BAIX = 1, BAIY = 1, CCC2 = 1;
  AXES();
  FE_SETDRAWWIDTH(3);
  IROIRO = 2, AA = 0.5f, AA1 = -4, AA2 = 4, CCC3 = 4;
  AAA_S = "y=ﾀ1/2ﾀx^2";
  KASANARIX = 10;
  PLOTGRAPH();
  IROIRO = 4, AA = 1, BB = 2, CC = 4, AA1 = -8, AA2 = 8, CCC3 = 9;
  AAA_S = "";
  PLOTGRAPH();
  XG = 2, YG = 2, R = 6, CCC3 = 5;
  AAA_S = "P";
  PLOTPOINT();

  X = 80, Y = 380, HABA = 115, CCC1 = 0;
  BRACE();
  X = 130, Y = 380;
  CCC1 = 0;
  AA_S = "x+y=5";
  DRAWFORMULA();
  X = 130, Y = 430;
  AA_S = "x-y=1";
  DRAWFORMULA();

  X = 80, Y = 540, TAKASA = 50, CCC1 = 0, CCC2 = 0;
  A1_S = "4", A2_S = "12", ENZAN_S = "3";
  DIVLAYOUT();

  SOSU = 60;
  PRIMEFACTORS();
  XTAKE = 300, YTAKE = 380;
  LADDERDIV();

  GGX = 900, GGY = 460, YOKO = 8, TATE = 5, SIZE = 25, CCC2 = 0;
  SQUAREGRID();
  GX3 = GX0 + 25, GY3 = GY0 - 25, GX4 = GX0 + 150, GY4 = GY0 - 100, SIZE = 25;
  HYOUJI_S = "yy";
  GRIDVECTOR();

  FE_SETDRAWWIDTH(2);
  X = 960, Y = 660, HABA = 120, TATE = 60, CCC1 = 0, CCC2 = 0, CCC3 = 13;
  A_S = "12";
  BOXPLAIN();
  A1_S = "3x", A2_S = "(a+c)";
  BOXPLAINTWO();
}

TEST(FiguresSpecimen, WritesTheLibrarySheet) {
  const HeadlessResult run = runRoutine(librarySheet, "", "figures-library.png");
  EXPECT_FALSE(run.error);
}

}  // namespace
