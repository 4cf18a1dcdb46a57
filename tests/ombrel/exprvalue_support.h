// Helpers for the tests of section 4, values of expressions: clocks that seed the draws a test
// needs, and a reader that turns a formula line of the operation log back into markup.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace exprvalue_test {


// The formula line whose glyphs stand on line y (tops from y - 30 to y + 12, so raised italic
// letters count) with x from x1 up to x2, in ops[from, to), read back into markup in code page
// 932: glyphs as drawn, an exponent as "^" and its digit, × as "*", the drawn strokes as "+"
// and "-". Texts of other lines and the prompts' boxes are left out.
std::string formulaAt(const std::vector<Op>& ops, std::size_t from, std::size_t to, float x1, float x2, float y);

// The indices of the filled colour-15 boxes that erase a practice area from (x, y) over
// 1320 x 1300.
std::vector<std::size_t> areaErases(const std::vector<Op>& ops, float x, float y);

}  // namespace exprvalue_test
