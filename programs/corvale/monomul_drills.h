// The random problems of worked example 1 and the texts their displays draw. The generators
// leave their numbers and texts in the shared arrays; the line builders turn those into the
// texts of a problem line, a line of products and an answer, so that tests can check the
// mathematics a pupil sees without drawing it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace corvale {

// Problems 1 and 2: T(1) (never the value FMAESU held; stored there), T(2), T(3), T(4), the
// products T(5) = T(1)T(2), T(6) = T(1)T(3), T(7) = T(1)T(4), T(14) = T(4), and their texts.
void GENMONOTRI();
// For each index from first to last: T$(i) in coefficient form, made to stand before a letter:
// 1 gives "+", -1 gives "-", 0 gives "", others their digits with "+" in front when positive.
void SIGNCOEF(float first, float last);
// Problem 3: p/q (p in T(1), q in F(1), its markup in RAB$(1)), the binomial ax + b (T(2), T(3))
// with q dividing both (a' = T(12), b' = T(13)), and the answer's coefficients T(4), T(5).
void GENFRACMONO();
// The pick list of PICKDISTINCT, copied into X(1..4) at the start of every pick.
using PickPool = std::array<float, 4>;
// Pick without repeat from the list X(1..4) = pool: F(1) = one of its first three, each equally
// likely (P the position drawn). With two picks the drawn member leaves the list, the members
// after it move up, and T(1) = one of the first three left: never the member F(1) took.
void PICKDISTINCT(const PickPool& pool, int picks);
// A sign draw: P = 0 or 1, each equally likely; 0 gives -value, 1 gives value.
float drawSign(float value);
// The two cofactors of a cancellation drill, each 1 to 5 with a sign drawn after it: T(12), then
// T(13).
void drawCofactors();
// Runs a text helper of the engine (STRIPPLUS, STRIPSIGN, PARENNEG) on text through A$.
std::string through(void (*helper)(), const std::string& text);

// The texts one pass of a problem draws, in drawing order.
struct PracticeLines {
  std::vector<std::string> problem;   // pieces of the problem line
  std::vector<std::string> products;  // pieces of the line of products
  std::string answer;
};

// A cancellation of problem 3: the struck number and the value written above it.
struct Cancellation {
  std::string struck;   // digits of a or b, without sign
  std::string reduced;  // digits of a' or b', without sign
};

// Problem 1, k x (m x + n y + c): sets A1$, A2$, A3$ and the term texts in T$() as the display
// uses them.
PracticeLines monoTriLines();
// Problem 2, (m x + n y + c) × k x.
PracticeLines triMonoLines();
// Problem 3, (p/q) x (a x + b). Sets T$(22), T$(23) and strips the texts the strokes use.
PracticeLines fracMonoLines();
// The two cancellations of problem 3 (after fracMonoLines).
std::vector<Cancellation> fracMonoCancellations();

}  // namespace corvale
