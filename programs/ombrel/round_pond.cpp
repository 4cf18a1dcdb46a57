// Section 5, scenes ① and ②: a round pond with a road around it. ① works S = 4l with the
// numbers 8 m and 4 m; ② proves S = al for a pond of radius r and a road of width a. Both build
// the same figure on the right, one element per key, and work the proof on the left.
#include "engine/engine.h"
#include "programs/ombrel/geoproof.h"
#include "programs/ombrel/globals.h"
#include "programs/ombrel/pond_figure.h"

namespace ombrel {
namespace {

using namespace common::page_rows;

// The figure's points: 1 the pond's centre, 2 its rim to the right, 3 the road's outer edge on
// that horizontal, 4 the bottom of the outer edge under the centre. The radii: the pond 3 cells,
// the road's centre line 4, its outer edge 5.
void ROUNDPOND() {
  PONDGRID();
  FE_SETDRAWWIDTH(6);
  X_A(1) = 5;
  Y_A(1) = 5;
  X_A(2) = 8;
  Y_A(2) = 5;
  X_A(3) = 10;
  Y_A(3) = 5;
  X_A(4) = 5;
  Y_A(4) = 0;
  GRIDPOINTS(4);
  R1 = 3 * SIZE;
  R2 = 4 * SIZE;
  R3 = 5 * SIZE;
}

// A disc around the centre, outlined in colour 0.
void disc(float radius, int fill) { PsCIRCLE(X_A(1), Y_A(1), radius, 0, 0, 0, true, fill); }

// Pond and road first show as one disc.
void ROADDISC() { disc(R3, 13); }

// Then the road as a ring around the pond, the centre dot, and the pond's radius.
void ROADRING() {
  disc(R3, 11);
  disc(R1, 13);
  PsCIRCLE(X_A(1), Y_A(1), 6, 0, 0, 0, true, 0);
  DIMENSIONLINE(X_A(1), Y_A(1), X_A(2), Y_A(2), 7);
}

// The road's width.
void ROADWIDTH() { DIMENSIONLINE(X_A(2), Y_A(2), X_A(3), Y_A(3), 7); }

// The centre line of the road, with the road's width drawn again over it.
void CENTRECIRCLE() {
  PsCIRCLE(X_A(1), Y_A(1), R2, 3);
  ROADWIDTH();
}

void ROUNDPOINTER() { POINTERARROW(X_A(4), Y_A(4)); }

void TALLBRACKETS() { KAKKO = 1; }

constexpr PageRow ROAD[] = {
    CLEAR,
    row(44, line(30), 3, "道の面積Sと4lをくらべよう。"), call(ROUNDPOND), WAIT,
    call(ROADDISC), WAIT,
    call(ROADRING), at(914, line(230), 7, "8m"), WAIT,
    call(ROADWIDTH), at(1024, line(230), 7, "4m"), WAIT,
    call(CENTRECIRCLE), at(1024, line(230), 7, "4m"),
    at(924, line(480), 7, "lm"), call(ROUNDPOINTER), WAIT,
    at(704, line(530), 7, "道の面積…Sm^2"), WAIT,
    row(44, line(90), 5, "S="), WAIT,
    row(END, SAME, 0, "π*12^2-π*8^2"), WAIT,
    row(44, down(60), 0, " =144π-64π"), WAIT,
    row(44, down(60), 0, " ="), row(END, SAME, 5, "80π"), row(END, SAME, 0, "…①"), WAIT,
    row(44, down(60), 5, "l"), row(END, SAME, 0, "="), WAIT,
    row(END, SAME, 0, "2π*"), WAIT,
    row(END, SAME, 0, "10"), WAIT,
    row(END, SAME, 5, "=20π"), WAIT,
    row(44, down(60), 5, "4l"), WAIT,
    row(END, SAME, 0, "=4*"), WAIT,
    row(END, SAME, 0, "20π"), WAIT,
    row(98, down(60), 0, "="), row(END, SAME, 5, "80π"), row(END, SAME, 0, "…②"), WAIT,
    row(44, down(70), 0, "①,②より、"), row(END, SAME, 5, "S=4l"),
    call(PENTWO),
};

// Each blank form is drawn ahead of the cursor; after a key a box of 528 x 55 erases it from
// 4 px above its line and the completed form takes its place.
constexpr PageRow PROOF[] = {
    CLEAR,
    row(44, line(30), 3, "例題2　S=al を証明しなさい。"), call(ROUNDPOND), WAIT,
    call(ROADDISC), WAIT,
    call(ROADRING), at(914, line(230), 7, "rm"), WAIT,
    call(ROADWIDTH), at(1024, line(230), 7, "am"), WAIT,
    call(CENTRECIRCLE), at(1024, line(230), 7, "am"),
    at(924, line(480), 7, "lm"), call(ROUNDPOINTER), WAIT,
    at(704, line(530), 7, "道の面積…Sm^2"), WAIT,
    row(44, down(60), 5, "l"), row(END, SAME, 0, "="), WAIT,
    call(TALLBRACKETS), at(END, SAME, 0, "2π(   )"), WAIT,
    erase(END, down(-4), 528, 55), call(TALLBRACKETS), row(END, SAME, 0, "2π(r+ﾀa/2ﾀ)"), WAIT,
    row(END, SAME, 5, "=2πr+πa"), WAIT,
    row(44, down(100), 5, "S"), at(END, SAME, 0, "=π(   )^2-πr^2"), WAIT,
    erase(END + 2, down(-4), 528, 55), row(END, SAME, 0, "=π(r+a)^2-πr^2"), WAIT,
    row(44, down(60), 0, " =π(r^2+2ar+a^2)-πr^2"), WAIT,
    row(44, down(60), 0, " =πr^2+2πar+πa^2-πr^2"), WAIT,
    row(44, down(60), 0, " ="), row(END, SAME, 5, "2πar+πa^2"), row(END, SAME, 0, "…①"), WAIT,
    row(44, down(60), 5, "al"), row(END, SAME, 0, "=a(2πr+πa)"), WAIT,
    row(132, down(60), 0, "="), row(END, SAME, 5, "2πar+πa^2"), row(END, SAME, 0, "…②"), WAIT,
    row(44, down(70), 0, "①,②より、"), row(END, SAME, 5, "S=al"), call(PENTWO), WAIT,
    row(44, down(50), 3, "教科書 問6　をしなさい。"),
};

}  // namespace

const std::span<const common::PageRow> ROAD_SCENE = ROAD;
const std::span<const common::PageRow> ROUND_POND_PROOF = PROOF;

}  // namespace ombrel
