// Polygons with named corners, points found on lines, the coordinate plane and its graphs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/figures.h"
#include "engine/plane.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "engine/strings.h"
#include "test_figures_support.h"

namespace {

std::vector<std::string> textsOf(const std::vector<Op>& ops) {
  std::vector<std::string> texts;
  for (const Op& op : ofKind(ops, OpKind::Text)) texts.push_back(op.text);
  return texts;
}

const Op* textOp(const std::vector<Op>& ops, const std::string& utf8) {
  for (const Op& op : ops)
    if (op.kind == OpKind::Text && op.text == utf8) return &op;
  return nullptr;
}

// ---- POLYGON ---------------------------------------------------------------------------------

void vertices(const std::vector<Point>& points) {
  KAKU = static_cast<float>(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    G_A(static_cast<float>(i + 1), 1) = points[i].x;
    G_A(static_cast<float>(i + 1), 2) = points[i].y;
  }
}

// Counter-clockwise as seen on the screen.
const std::vector<Point> triangle = {{100, 300}, {300, 300}, {200, 100}};
const std::vector<Point> square = {{400, 300}, {500, 300}, {500, 200}, {400, 200}};

TEST(Polygon, SidesInVertexOrderWithoutNames) {
  float pen = 0;
  const auto each = opsOfEachCase({[&] {
    FE_SETDRAWWIDTH(2);
    vertices(square);
    SIZE1 = 6, CCC2 = 4, NAGASA = 12;
    AAA_S = "";
    POLYGON();
    pen = FE_GETDRAWWIDTH();
  }});
  const auto lines = ofKind(each[0], OpKind::Line);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(each[0].size(), 4u);
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(lines[k].x1, square[k].x);
    EXPECT_EQ(lines[k].y1, square[k].y);
    EXPECT_EQ(lines[k].x2, square[(k + 1) % 4].x);  // the closing side last, back to vertex 1
    EXPECT_EQ(lines[k].y2, square[(k + 1) % 4].y);
    EXPECT_EQ(lines[k].pen, 6);
    EXPECT_EQ(lines[k].colour, 4);
  }
  EXPECT_EQ(pen, 2);
  EXPECT_EQ(NAGASA, 12);
  EXPECT_EQ(AAA_S, "");
}

TEST(Polygon, LettersStandOutsideTheCornersOfACounterClockwiseTriangle) {
  float pen = 0;
  const auto each = opsOfEachCase({[&] {
    FE_SETDRAWWIDTH(3);
    vertices(triangle);
    SIZE1 = 5, CCC2 = 0, CCC1 = 5, NAGASA = 10;
    AAA_S = "A";
    POLYGON();
    pen = FE_GETDRAWWIDTH();
  }});
  EXPECT_EQ(textsOf(each[0]), (std::vector<std::string>{"A", "B", "C"}));
  const Op* a = textOp(each[0], "A");
  const Op* b = textOp(each[0], "B");
  const Op* c = textOp(each[0], "C");
  ASSERT_TRUE(a && b && c);
  EXPECT_LT(a->x1, 100);  // left of and below the bottom-left corner
  EXPECT_GT(a->y1, 290);
  EXPECT_GT(b->x1, 300);  // right of the bottom-right corner
  EXPECT_LT(c->y1, 100);  // above the apex
  EXPECT_EQ(a->colour, 5);
  EXPECT_EQ(pen, 3);
  EXPECT_EQ(NAGASA, 0);
  EXPECT_EQ(NAGASA1, 10);
  EXPECT_EQ(AAA_S, "");
}

TEST(Polygon, LettersCountOnAndLabelsComeFromTheArray) {
  const auto each = opsOfEachCase({
      [] {
        vertices(square);
        SIZE1 = 3;
        AAA_S = "P";
        POLYGON();
      },
      [] {
        vertices(triangle);
        X_S_A(1) = "O", X_S_A(2) = "2a", X_S_A(3) = "H";
        AAA_S = "1";
        POLYGON();
      },
      [] {  // full-width letters count on as characters
        vertices(triangle);
        AAA_S = "Ｘ";
        POLYGON();
      },
  });
  EXPECT_EQ(textsOf(each[0]), (std::vector<std::string>{"P", "Q", "R", "S"}));
  const auto labels = textsOf(each[1]);
  EXPECT_EQ(labels.front(), "O");
  EXPECT_EQ(labels.back(), "H");
  EXPECT_EQ(textsOf(each[2]), (std::vector<std::string>{toUtf8("Ｘ"), toUtf8("Ｙ"), toUtf8("Ｚ")}));
}

// ---- Points on lines -------------------------------------------------------------------------

TEST(PerpFoot, FootAndItsDot) {
  const auto each = opsOfEachCase({[] {
    AX = 0, AY = 0, BX = 100, BY = 100, CX = 100, CY = 0;
    PERPFOOT();
  }});
  EXPECT_EQ(AA1, 1);
  EXPECT_EQ(BB1, 0);
  EXPECT_EQ(AA2, -1);
  EXPECT_EQ(BB2, 100);
  EXPECT_EQ(EX, 50);
  EXPECT_EQ(EY, 50);
  const auto dots = ofKind(each[0], OpKind::Circle);
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_EQ(dots[0].cx, 50);
  EXPECT_EQ(dots[0].radius, 2);
  EXPECT_EQ(dots[0].colour, 15);
  EXPECT_TRUE(dots[0].filled);
  EXPECT_EQ(dots[0].fill, 0);
}

TEST(PerpFoot, LinesAlongTheAxesKeepTheSlopes) {
  struct Case {
    float ax, ay, bx, by, cx, cy, ex, ey;
  } cases[] = {{100, 100, 300, 100, 150, 40, 150, 100}, {100, 50, 100, 250, 30, 120, 100, 120}, {7, 7, 7, 7, 1, 2, 7, 2}};
  opsOfEachCase({[&] {
    for (const Case& c : cases) {
      AA1 = 9, BB1 = 9, AA2 = 9, BB2 = 9;
      AX = c.ax, AY = c.ay, BX = c.bx, BY = c.by, CX = c.cx, CY = c.cy;
      PERPFOOT();
      EXPECT_EQ(EX, c.ex);
      EXPECT_EQ(EY, c.ey);
      EXPECT_EQ(AA1 + BB1 + AA2 + BB2, 36);
    }
  }});
}

void crossing(float ax, float ay, float bx, float by, float cx, float cy, float dx, float dy) {
  AX = ax, AY = ay, BX = bx, BY = by, CX = cx, CY = cy, DX = dx, DY = dy;
  LINECROSS();
}

TEST(LineCross, Crossings) {
  crossing(0, 0, 100, 100, 0, 100, 100, 0);
  EXPECT_EQ(A1, 1);
  EXPECT_EQ(B1, 0);
  EXPECT_EQ(A2, -1);
  EXPECT_EQ(B2, 100);
  EXPECT_EQ(AX2, 50);
  EXPECT_EQ(AY2, 50);
  crossing(30, 10, 30, 200, 0, 80, 300, 80);
  EXPECT_EQ(A1, 1000);
  EXPECT_EQ(AX2, 30);
  EXPECT_EQ(AY2, 80);
  crossing(0, 80, 300, 80, 30, 10, 30, 200);
  EXPECT_EQ(A2, 1000);
  EXPECT_EQ(AX2, 30);
  EXPECT_EQ(AY2, 80);
}

// The slope 1000 marks a vertical line in the results, but a line that really climbs 1000 per
// pixel is still a slanted line: its crossing with a vertical line is found.
TEST(LineCross, SteepLineIsNotTakenForAVerticalOne) {
  crossing(0, 0, 1, 1000, 5, 0, 5, 10);
  EXPECT_EQ(A1, 1000);
  EXPECT_EQ(AX2, 5);
  EXPECT_EQ(AY2, 5000);
}

TEST(LineCross, ParallelLinesLeaveTheCrossingAsItWas) {
  AX2 = 7, AY2 = 8;
  crossing(0, 0, 10, 10, 0, 5, 10, 15);
  EXPECT_EQ(AX2, 7);
  EXPECT_EQ(AY2, 8);
  crossing(20, 0, 20, 10, 40, 0, 40, 10);  // two vertical lines
  EXPECT_EQ(AY2, 8);
}

TEST(AxisFoot, PointOfALineAtAGivenCoordinate) {
  struct Case {
    float ax, ay, bx, by, cx, cy, x1, y1;
  } cases[] = {
      {0, 0, 10, 20, -1, 8, 4, 8},    {0, 0, 10, 20, 3, -1, 3, 6},       {0, 0, 10, 20, -1, -1, -1, -2},
      {0, 0, 10, 20, 3, 8, 123, 456}, {50, 0, 50, 90, 5, 70, 50, 70},    {0, 30, 90, 30, 40, 5, 40, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cx << "," << c.cy);
    X1 = 123, Y1 = 456;
    AX = c.ax, AY = c.ay, BX = c.bx, BY = c.by, CX = c.cx, CY = c.cy;
    AXISFOOT();
    EXPECT_EQ(X1, c.x1);
    EXPECT_EQ(Y1, c.y1);
  }
  AX = 0, AY = 0, BX = 10, BY = 20, CX = 3, CY = 8;
  AXISFOOT();
  EXPECT_EQ(A, 2);
  EXPECT_EQ(B, 0);
}

// ---- AXES ------------------------------------------------------------------------------------

void plane(float ggx, float ggy, float size, float aa1, float aa2, float bb1, float bb2, float grid) {
  GGX = ggx, GGY = ggy, SIZE = size, AA1 = aa1, AA2 = aa2, BB1 = bb1, BB2 = bb2, CCC2 = grid;
  AXES();
}

TEST(Axes, LayoutAndWhatItLeaves) {
  float pen = 0;
  bool bold = true;
  const auto each = opsOfEachCase({[&] {
    FE_SETDRAWWIDTH(7);
    BAIX = -2, BAIY = 0;
    plane(0, 0, 20, -8, 10, -3, 4, 0);
    pen = FE_GETDRAWWIDTH();
    bold = canvas().font.bold;
  }});
  EXPECT_EQ(GGX, 640);
  EXPECT_EQ(GGY, 180);
  EXPECT_EQ(BAIX, 2);
  EXPECT_EQ(BAIY, 1);
  EXPECT_EQ(AA1, -4);
  EXPECT_EQ(AA2, 5);
  EXPECT_EQ(GX0, 720);
  EXPECT_EQ(GY0, 260);
  EXPECT_EQ(GX1, 640);
  EXPECT_EQ(GY1, 180);
  EXPECT_EQ(GX2, 820);
  EXPECT_EQ(GY2, 320);
  EXPECT_EQ(SIZE1, 26);
  EXPECT_EQ(pen, 7);
  EXPECT_FALSE(bold);
  EXPECT_EQ(canvas().font.size, 16);
  EXPECT_EQ(CCC1, 0);
  EXPECT_EQ(X, GX0);
  EXPECT_EQ(Y, GY1 - 13);
  EXPECT_EQ(AA_S, "y");
  // Without a grid: the two axes and the three letters.
  const auto lines = ofKind(each[0], OpKind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].x1, 720);  // the y axis first
  EXPECT_EQ(lines[0].pen, 4);
  EXPECT_EQ(lines[1].y1, 260);
  EXPECT_EQ(textsOf(each[0]), (std::vector<std::string>{"x", "0", "y"}));
  const Op* x = textOp(each[0], "x");
  EXPECT_TRUE(x->italic);
  EXPECT_NEAR(x->size, 20.8, 1e-4);
  EXPECT_NEAR(x->x1, 820 - 20.8, 1e-3);
  EXPECT_EQ(x->y1, 260 - 39);
}

TEST(Axes, GridWithNumbersEveryFifthLine) {
  const auto each = opsOfEachCase({[] {
    BAIX = 1, BAIY = 1;
    plane(100, 100, 40, -7, 7, -7, 7, 1);
  }});
  const auto lines = ofKind(each[0], OpKind::Line);
  ASSERT_EQ(lines.size(), 15u + 15u + 3u + 3u + 2u);
  EXPECT_EQ(lines[0].x1, 100 - 0.5f);  // thin lines half a pixel off
  EXPECT_EQ(lines[0].pen, 1);
  EXPECT_EQ(lines[30].x1, 180);  // the fifth line at -5, heavy, colour 1
  EXPECT_EQ(lines[30].pen, 3);
  EXPECT_EQ(lines[30].colour, 1);
  EXPECT_EQ(SIZE1, 30);
  EXPECT_EQ(textsOf(each[0]), (std::vector<std::string>{"-5", "5", "-5", "5", "x", "0", "y"}));
  const auto texts = ofKind(each[0], OpKind::Text);
  EXPECT_EQ(texts[0].x1, 380 - 200 - 30);  // "-5" centred under its line, on the x axis
  EXPECT_EQ(texts[0].y1, 380);
  EXPECT_EQ(texts[1].x1, 380 + 200 - 15);
  EXPECT_EQ(texts[2].x1, 380 - 60);  // "-5" ending at the y axis, above its line
  EXPECT_EQ(texts[2].y1, 380 + 200 - 15 - 4);
  EXPECT_EQ(texts[2].magX, 2);
  EXPECT_EQ(texts[2].magY, 1);
}

TEST(Axes, NumbersSwitchedOffForOneCall) {
  const auto each = opsOfEachCase({[] {
                                     NASI = -1;
                                     plane(100, 100, 30, -7, 7, -7, 7, 1);
                                   },
                                   [] { plane(100, 100, 30, -7, 7, -7, 7, 1); }});
  EXPECT_EQ(textsOf(each[0]), (std::vector<std::string>{"x", "0", "y"}));
  EXPECT_EQ(textsOf(each[1]).size(), 7u);
  EXPECT_EQ(NASI, 0);
}

TEST(Axes, RangesThatAreNotWholeOrRunBackwards) {
  float origin[2] = {};
  const auto each = opsOfEachCase({[&] {
                                     plane(100, 100, 20, 2, 6, 3, 1, 1);
                                     origin[0] = GX0;
                                   },
                                   [&] {
                                     plane(100, 100, 20, -2.5f, 2, -1, 1, 1);
                                     origin[1] = GX0;
                                   }});
  auto lines = ofKind(each[0], OpKind::Line);
  EXPECT_EQ(origin[0], 140);  // a left end above 0 still puts the origin 2 cells in
  EXPECT_EQ(lines[0].x1, 140 + 40 - 0.5f);  // and the lines start at cell 2
  // The y range runs backwards: one thin line, at its first end; the fifth line at x = 5 only.
  EXPECT_EQ(lines[5].y1, lines[5].y2);
  EXPECT_EQ(lines[5].y1, GY0 - 60 - 0.5f);
  EXPECT_EQ(lines.size(), 5u + 1u + 1u + 2u);
  lines = ofKind(each[1], OpKind::Line);
  EXPECT_EQ(origin[1], 150);
  EXPECT_EQ(lines[0].x1, 150 - 50 - 0.5f);  // from the end itself, a cell at a time
  EXPECT_EQ(lines[4].x1, 150 + 30 - 0.5f);
}

TEST(AxesDecimal, HalfUnitsAcross) {
  const auto each = opsOfEachCase({[] {
    BAIX = 0.5f, BAIY = 1;
    NASI = -1;
    plane(100, 100, 10, -10, 10, 0, 0, 1);
    AXESDECIMAL();
  }});
  std::vector<std::string> labels;
  for (const Op& op : ofKind(each[0], OpKind::Text))
    if (op.size == 26 && op.text != "0" && op.text != "y") labels.push_back(op.text);
  EXPECT_EQ(labels, (std::vector<std::string>{"-10", "-75", ".", "-5", "-25", ".", "25", ".", "5", "75", ".", "10"}));
}

TEST(AxesDecimal, TenthsUpwardsWithThePointAfterTheWholePart) {
  const auto each = opsOfEachCase({[] {
    BAIX = 1, BAIY = 0.1f;
    NASI = -1;
    plane(100, 100, 10, 0, 0, -1, 1, 1);
    AXESDECIMAL();
  }});
  const auto texts = ofKind(each[0], OpKind::Text);
  std::vector<const Op*> decimals;
  for (const Op& op : texts)
    if (op.y1 != GY0 && op.text != "y" && op.text != "x") decimals.push_back(&op);
  ASSERT_EQ(decimals.size(), 6u);
  EXPECT_EQ(decimals[0]->text, "-1");
  EXPECT_EQ(decimals[1]->text, "-05");
  EXPECT_EQ(decimals[2]->text, ".");
  EXPECT_EQ(decimals[2]->x1, decimals[1]->x1 + 2 * 26 - 6);  // after the "-0"
  EXPECT_EQ(decimals[2]->y1, decimals[1]->y1 + 4);
  EXPECT_EQ(decimals[3]->text, "05");
  EXPECT_EQ(decimals[3]->x1, GX0 - 52);
  EXPECT_EQ(decimals[3]->y1, GY0 - 50 - 13);
  EXPECT_EQ(decimals[4]->x1, decimals[3]->x1 + 26 - 6);
  EXPECT_EQ(decimals[5]->text, "1");
  EXPECT_EQ(CCC1, 0);
  EXPECT_EQ(canvas().font.size, 16);
}

// ---- Points and graphs -----------------------------------------------------------------------

void unitPlane() {
  BAIX = 1, BAIY = 1;
  plane(100, 100, 20, -10, 10, -10, 10, 0);
}

TEST(PlotPoint, CircleAndLabelAboveLeft) {
  const auto each = opsOfEachCase({[] {
                                     unitPlane();
                                     XG = 3, YG = 2, R = 6, CCC3 = 4;
                                     AAA_S = "P";
                                     KASANARIX = 5;
                                     PLOTPOINT();
                                   },
                                   [] {
                                     BAIX = 0;
                                     XG = 1, YG = 1, R = 3;
                                     AAA_S = "";
                                     PLOTPOINT();
                                   }});
  const auto circles = ofKind(each[0], OpKind::Circle);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0].cx, 360);
  EXPECT_EQ(circles[0].cy, 260);
  EXPECT_EQ(circles[0].radius, 6);
  EXPECT_FALSE(circles[0].filled);
  const Op* p = textOp(each[0], "P");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->x1, 345);
  EXPECT_EQ(p->y1, 220);
  EXPECT_EQ(p->colour, 4);
  EXPECT_EQ(ofKind(each[1], OpKind::Text).size(), 0u);
  EXPECT_EQ(X, 320 - 20);
  EXPECT_EQ(BAIX, 1);
  EXPECT_EQ(KASANARIX, 0);
}

struct Graph {
  std::vector<Op> ops;
  float x, y, haba, ii;
};

Graph graph(float kind, float aa, float bb, float from, float to, float cc = 0) {
  Graph g;
  g.ops = opsOfEachCase({[&] {
    unitPlane();
    IROIRO = kind, AA = aa, BB = bb, CC = cc, AA1 = from, AA2 = to, CCC3 = 9;
    AAA_S = "g";
    X = 1, Y = 2;
    PLOTGRAPH();
    g.x = X, g.y = Y, g.haba = HABA, g.ii = II;
  }})[0];
  return g;
}

bool hasDotAt(const Graph& g, float x) {
  for (const Op& op : ofKind(g.ops, OpKind::Circle))
    if (op.cx == x) return true;
  return false;
}

TEST(PlotGraph, SampledLineAndItsLabel) {
  const Graph g = graph(3, 0.5f, 1, -10, 10);
  const auto dots = ofKind(g.ops, OpKind::Circle);
  EXPECT_EQ(dots.size(), 5001u);
  EXPECT_EQ(dots.front().cx, 100);
  EXPECT_NEAR(dots.front().cy, 300 - 20 * -4, 1e-3);
  EXPECT_EQ(dots.front().colour, 9);
  EXPECT_EQ(dots.front().radius, 1);
  EXPECT_EQ(g.haba, 5000);
  EXPECT_EQ(g.ii, 5001);
  EXPECT_EQ(BAIX, 1);
  const Op* label = textOp(g.ops, "g");
  ASSERT_TRUE(label);
  EXPECT_NEAR(label->x1, dots.back().cx, 1e-3);  // at the last dot drawn
}

// x reaches exactly 0 after 2500 steps of 1/1024: every kind but the line passes it over.
TEST(PlotGraph, ExactZeroIsPassedOverExceptByTheLine) {
  const float end = 2500.0f / 1024;
  EXPECT_FALSE(hasDotAt(graph(2, 1, 0, -end, end), 300));
  EXPECT_TRUE(hasDotAt(graph(3, 1, 0, -end, end), 300));
  EXPECT_FALSE(hasDotAt(graph(0, 1, 0, -end, end), 300));
  const Graph hyperbola = graph(1, 1, 0, -5, 5);
  std::size_t left = 0, right = 0;
  for (const Op& op : ofKind(hyperbola.ops, OpKind::Circle)) (op.cx < 300 ? left : right)++;
  EXPECT_GT(left, 100u);
  EXPECT_GT(right, 100u);
}

TEST(PlotGraph, NoDotInTheBandKeepsTheCallersPosition) {
  const Graph g = graph(3, 0, 50, -5, 5);
  EXPECT_TRUE(ofKind(g.ops, OpKind::Circle).empty());
  const Op* label = textOp(g.ops, "g");
  ASSERT_TRUE(label);
  EXPECT_EQ(label->x1, 1);
  EXPECT_EQ(label->y1, 2);
}

TEST(PlotGraph, LineGivenByItsEquation) {
  graph(4, 1, 2, -4, 4, 4);
  EXPECT_EQ(IROIRO, 3);
  EXPECT_EQ(AA, -0.5f);
  EXPECT_EQ(BB, 2);
}

TEST(PlotGraph, VerticalLine) {
  float pen = 0, haba = 0;
  const auto each = opsOfEachCase({[&] {
    unitPlane();
    FE_SETDRAWWIDTH(2);
    HABA = 77;
    IROIRO = 4, AA = 2, BB = 0, CC = 6, BB1 = -2, BB2 = 8, CCC3 = 9;
    AAA_S = "3";
    PLOTGRAPH();
    pen = FE_GETDRAWWIDTH();
    haba = HABA;
  }});
  const auto lines = ofKind(each[0], OpKind::Line);
  ASSERT_EQ(lines.size(), 3u);  // the two axes, then the line
  EXPECT_EQ(lines[2].x1, 360);
  EXPECT_EQ(lines[2].y1, 340);
  EXPECT_EQ(lines[2].y2, 140);
  EXPECT_EQ(lines[2].pen, 5);
  EXPECT_EQ(CC, 3);
  EXPECT_EQ(pen, 2);
  EXPECT_EQ(haba, 77);
  const auto texts = ofKind(each[0], OpKind::Text);
  EXPECT_EQ(texts[3].x1, 370);
}

TEST(PlotGraph, NoLineAtAllEndsOnTheErrorScreen) {
  const HeadlessResult run = runRoutine([] {
    unitPlane();
    IROIRO = 4, AA = 0, BB = 0, CC = 1;
    PLOTGRAPH();
  });
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->code, ErrorCode::DivisionByZero);
}

}  // namespace
