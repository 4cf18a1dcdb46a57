// The drill kit of Pradine's expansion drills: a random two-letter binomial with the terms of its
// square, and the problem, expansion and result lines of the four multiplication formulas.
#pragma once

#include <string>

namespace pradine {

// A random binomial p X1 +- q X2 (p 2 to 5, q 2 to 6, q != p) and the terms of its square, in
// elements 1 to 5 of T(), T$() and X$(): 1 p and X1, 2 the signed q and X2, 3 p^2 and X1^2,
// 4 +-2pq and X1X2, 5 q^2 and X2^2. Rewrites all of T$() and F$() from T() and F().
void BINOMIALTERMS();

// The three lines of the drill of formula kind KOUSIKI, from X$ and T$() 1 to 6; all empty for a
// kind outside 1 to 4.
struct DrillTexts {
  std::string problem;
  std::string expansion;
  std::string result;
};
DrillTexts drillTexts();

// The problem line of formula kind KOUSIKI (1 (x+a)(x+b), 2 (x+a)^2, 3 (x-a)^2, 4 (x+a)(x-a)) in
// the letter X$ and the number texts T$() 1 to 6, 80 px below YI1 at XI1 + 44, in colour 0.
void DRILLPROBLEM();
// The expansion line of kind KOUSIKI in colour 0, a step wait, and the result line in colour 5,
// each 80 px below the one before. A kind outside 1 to 4 draws nothing.
void DRILLSOLUTION();

}  // namespace pradine
