// The coprime pair generator of sections 2 and 3.
#pragma once

namespace fenwist {

// Draws a first number a (2 to 6) and a second number b (1 to 9) without a common factor greater
// than 1, drawing both again until they have none. Input REN, set by the caller before every
// call: 1 makes the first number 1 (the test was made with the drawn one). Results:
//   T() 1 a, 2 b, 3 a^2, 4 2ab, 5 b^2, and their digits in T$() 1 to 5 (NUMSTRINGS rewrites all of
//   T$() and F$());
//   X$ "x" and Y$ "y", or X$ "a" and Y$ "b"; X$(1) = X$ + "^2", X$(2) = Y$ + "^2";
//   T$ the middle sign of a perfect square, "+" or "-"; P the last draw.
void GENPAIR();

}  // namespace fenwist
