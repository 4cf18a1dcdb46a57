// A specimen of the segment and angle marks on two figures, written as a picture to look at.
#include <gtest/gtest.h>

#include "engine/marks.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "support/test_support.h"

namespace {

struct Pt {
  float x, y;
};

void side(Pt a, Pt b) { PsLINE(a.x, a.y, b.x, b.y, 0); }

void arrows(Pt a, Pt b, float count) {
  AX = a.x;
  AY = a.y;
  BX = b.x;
  BY = b.y;
  A = 1;
  B = 1;
  NAGASA = 12;
  HONSU = count;
  CCC2 = 1;
  PARALLELMARKS();
}

void ticks(Pt a, Pt b, float count) {
  AX = a.x;
  AY = a.y;
  BX = b.x;
  BY = b.y;
  NAGASA = 8;
  AIDA = 8;
  ITI = -(count + 1) * 8 / 2;  // centred on the midpoint
  HONSU = count;
  CCC2 = 3;
  TICKMARKS();
}

// The angle at v swept counter-clockwise (as seen) from the ray to p1 to the ray to p2.
void angle(Pt v, Pt p1, Pt p2, float count, float radius, const std::string& label, float plain = 0) {
  ZX0 = v.x;
  ZY0 = v.y;
  ZX1 = p1.x;
  ZY1 = p1.y;
  ZX2 = p2.x;
  ZY2 = p2.y;
  HONSU = count;
  NAGASA = radius;
  CCC1 = 2;
  CCC2 = 0;
  CCC3 = count > 0 ? 9 : 13;
  AAA_S = label;
  MU_DO = plain;
  ANGLEARCS();
}

TEST(MarksSpecimen, ParallelogramAndIsoscelesTriangle) {
  const HeadlessResult run = runRoutine([] {
    FE_SETDRAWWIDTH(2);
    // Parallelogram ABCD: one arrowhead on AB and DC, two on AD and BC; an angle mark at
    // every corner (one arc, two arcs, a filled sector, three arcs with a plain label).
    const Pt a{150, 520}, b{550, 520}, c{700, 200}, d{300, 200};
    side(a, b);
    side(b, c);
    side(c, d);
    side(d, a);
    arrows(a, b, 1);
    arrows(d, c, 1);
    arrows(a, d, 2);
    arrows(b, c, 2);
    angle(a, b, d, 1, 56, "a");
    angle(b, c, a, 2, 56, "x");
    angle(c, d, b, 0, 48, "ﾀ1/2ﾀ");
    angle(d, a, c, 3, 64, "115°", 1);

    // Isosceles triangle PQR: two ticks on the equal sides, one on the base, equal base
    // angles, and the apex angle marked from the other side (ITI = -1 swaps the rays).
    const Pt p{850, 540}, q{1250, 540}, r{1050, 180};
    side(p, q);
    side(q, r);
    side(r, p);
    ticks(p, r, 2);
    ticks(q, r, 2);
    ticks(p, q, 1);
    angle(p, q, r, 1, 60, "c");
    angle(q, r, p, 1, 60, "c");
    ITI = -1;
    angle(r, q, p, 2, 48, "y");
  }, "", "marks-specimen.png");
  EXPECT_FALSE(run.error);
}

}  // namespace
