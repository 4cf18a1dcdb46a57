// The fixed mathematics of sections 1 to 3 as a pupil reads it, each scene in one run: the
// explanations after the tasks, the formula panels beside the drills, the answer pages, and
// each line at its step and place with its whole text; every problem and its "=" lines as one
// chain through the algebra checker, every formula's sides equal.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "page_lines.h"
#include "scene_support.h"

namespace {

using pages::after;
using pages::Scene;

// Section 1: why (x+a)(x+b) = x^2+(a+b)x+ab, after one problem of the task.
const Scene PRODUCT_EXPLANATION = {"section 1, the task's explanation", "1\r1\r 1\r", steps(14), {
    {0, 44, 258, 3, "①は和、②は積。なぜ？"},
    {1, 88, 338, 5, "(x+2)(x+3)", 1},
    {4, 44, 418, 5, "=x^2+5x+6", 1},
    {5, 88, 338, 5, "(x+a)(x+b)", 2},
    // The result first, at the foot; the two middle lines then fill the gap above it.
    {11, 44, 518, 0, "=", 2},
    {11, after(), 518, 5, "x^2+(a+b)x+ab", 2},
    {12, 44, 398, 0, "=x(x+b)+a(x+b)", 2},
    {13, 44, 458, 0, "=x^2+bx+ax+ab", 2},
    {14, 44, 578, 3, "公式　(x+a)(x+b)=x^2+(a+b)x+ab", 3},
}};

// Section 1: the formula kept beside the example-1 drill.
const Scene PRODUCT_PANEL = {"section 1, the formula panel", "1\r2\r", "", {
    {0, 748, 30, 3, "公式"},
    {0, 748, 110, 5, " (x+a)(x+b)", 1},
    {0, 748, 180, 5, "=x^2+(a+b)x+ab", 1},
    {0, 924, 230, 3, "和    積"},
}};

const Scene PROBLEM1_ANSWERS = {"section 1, the answers to problem 1", "1\r3\r", steps(3), {
    {0, 94, 30, 3, "問1 解答 "},
    {0, 40, 90, 3, "(1)"},
    {0, 94, 90, 0, " (x+2)(x+3)", 1},
    {0, 94, 140, 0, "=x^2+(2+3)x+2*3", 1},
    {0, 94, 190, 5, "=x^2+5x+6", 1},
    {1, 40, 250, 3, "(2)"},
    {1, 94, 250, 0, " (x-6)(x-4)", 2},
    {1, 94, 300, 0, "=x^2+(-6-4)x+(-6)*(-4)", 2},
    {1, 94, 350, 5, "=x^2-10x+24", 2},
    {2, 40, 410, 3, "(3)"},
    {2, 94, 410, 0, " (x+9)(x-5)", 3},
    {2, 94, 460, 0, "=x^2+(9-5)x+9*(-5)", 3},
    {2, 94, 510, 5, "=x^2+4x-45", 3},
    {3, 640, 30, 3, "(4)"},
    {3, 694, 30, 0, " (x+5)(x-8)", 4},
    {3, 694, 80, 0, "=x^2+(5-8)x+5*(-8)", 4},
    {3, 694, 130, 5, "=x^2-3x-40", 4},
}};

// Section 2: why the square formulas hold, after one problem of the task; the marks over the
// first formula stand where its right side starts.
Scene squareExplanation() {
  return {"section 2, the task's explanation", "2\r1\r 1\r", steps(20), {
      {0, 40, 258, 3, "①は２倍、②は2乗。なぜ？"},
      {1, 84, 338, 5, "(x+2)^2", 1},
      {4, 40, 418, 5, "=x^2+4x+4", 1},
      {5, 84, 30, 5, "(a+b)^2", 2},
      {10, 40, 210, 0, "=", 2},
      {10, after(), 210, 5, "a^2+2ab+b^2", 2},
      {11, 40, 90, 0, "=(a+b)(a+b)", 2},
      {12, 40, 150, 0, "=a^2+ab+ab+b^2", 2},
      {13, 84, 270, 5, "(a-b)^2", 3},
      {14, 40, 330, 0, "=(a-b)(a-b)", 3},
      {15, 40, 390, 0, "=a^2-ab-ab+b^2", 3},
      {16, 40, 450, 0, "=", 3},
      {16, after(), 450, 5, "a^2-2ab+b^2", 3},
      {17, 160, 500, 3, "平方の公式"},
      // Drawn as "　(a+b)^2=" and its right side after it, which read as one line.
      {18, 160, 550, 3, "　(a+b)^2=a^2+2ab+b^2", 4},
      {19, 160, 600, 3, "　(a-b)^2=a^2-2ab+b^2", 5},
      {20, 160 + widthOf("　(a+b)^2="), 500, 5, "2乗 2倍 2乗"},
  }};
}

// Section 2: the square formulas kept beside the example-2 drill, both signs in one.
const Scene SQUARE_PANEL = {"section 2, the formula panel", "2\r2\r", "", {
    {0, 748, 30, 3, "平方の公式"},
    {0, 748, 110, 5, " (a±b)^2", 1},
    {0, 748, 180, 5, "=a^2±2ab+b^2", 1},
    {0, 775, 230, 3, "2乗 2倍 2乗"},
}};

const Scene PROBLEM2_ANSWERS = {"section 2, the answers to problem 2", "2\r3\r", steps(2), {
    {0, 94, 30, 3, "問2 解答 "},
    {0, 40, 90, 3, "(1)"},
    {0, 94, 90, 0, " (a+3)^2", 1},
    {0, 94, 140, 0, "=a^2+2*a*3+3^2", 1},
    {0, 94, 190, 5, "=a^2+6a+9", 1},
    {1, 40, 250, 3, "(2)"},
    {1, 94, 250, 0, " (x-7)^2", 2},
    {1, 94, 300, 0, "=x^2-2*x*7+7^2", 2},
    {1, 94, 350, 5, "=x^2-14x+49", 2},
    {2, 40, 410, 3, "(3)"},
    {2, 94, 410, 0, " (y+4)^2", 3},
    {2, 94, 460, 0, "=y^2+2*y*4+4^2", 3},
    {2, 94, 510, 5, "=y^2+8y+16", 3},
}};

// Section 2, example 3: (2x+3y)^2 expanded, the question why, and the result on its line.
const Scene WIDE_SQUARE_EXAMPLE = {"section 2, example 3", "2\r4\r", steps(5), {
    {0, 40, 30, 0, "例3　次の式を展開しなさい。"},
    {0, 40, 100, 5, " (2x+3y)^2", 1},
    {1, 40, 180, 0, "=(2x)^2+2*2x*3y+(3y)^2", 1},
    {2, 40, 260, 3, "     なぜ？"},
    {5, 40, 260, 0, "=", 1},
    {5, after(), 260, 5, "4x^2+12xy+9y^2", 1},
}};

const Scene PROBLEM3_ANSWERS = {"section 2, the answers to problem 3", "2\r6\r", steps(5), {
    {0, 94, 30, 3, "問3 解答 "},
    {0, 40, 90, 3, "(1)"},
    {0, 94, 90, 0, "  (x-5y)^2", 1},
    {0, 94, 140, 0, "=x^2-2*x*5y+(5y)^2", 1},
    {0, 94, 190, 5, "=x^2-10xy+25y^2", 1},
    {1, 40, 250, 3, "(2)"},
    {1, 94, 250, 0, " (a+4b)^2", 2},
    {1, 94, 300, 0, "=a^2+2*a*4b+(4b)^2", 2},
    {1, 94, 350, 5, "=a^2+8ab+16b^2", 2},
    {2, 40, 410, 3, "(3)"},
    {2, 94, 410, 0, " (4x-y)^2", 3},
    {2, 94, 460, 0, "=(4x)^2-2*4x*y+y^2", 3},
    {2, 94, 510, 5, "=16x^2-8xy+y^2", 3},
    {3, 560, 30, 3, "(4)"},
    {3, 614, 30, 0, " (2x+3y)^2", 4},
    {3, 614, 80, 0, "=(2x)^2+2*2x*3y+(3y)^2", 4},
    {3, 614, 130, 5, "=4x^2+12xy+9y^2", 4},
    {4, 560, 190, 3, "(5)"},
    {4, 614, 190, 0, " (a+ﾀ1/2ﾀb)^2", 5},
    {4, 614, 260, 0, "=a^2+2*a*ﾀ1/2ﾀb+(ﾀ1/2ﾀb)^2", 5},
    {4, 614, 330, 5, "=a^2+ab+ﾀ1/4ﾀb^2", 5},
    {5, 560, 400, 3, "(6)"},
    {5, 614, 400, 0, " (-x+2y)^2", 6},
    {5, 614, 450, 0, "=(-x)^2+2*(-x)*2y+(2y)^2", 6},
    {5, 614, 500, 5, "=x^2-4xy+4y^2", 6},
}};

// Section 3: why (a+b)(a-b) = a^2-b^2, after one problem of the task.
const Scene SUM_DIFF_EXPLANATION = {"section 3, the task's explanation", "3\r1\r 1\r", steps(15), {
    {0, 44, 258, 3, "①は消え、②は積。なぜ？"},
    {1, 88, 338, 5, "(x+2)(x-2)", 1},
    {4, 44, 388, 0, "=x^2-2x+2x-4", 1},
    {7, 44, 438, 5, "=x^2-4", 1},
    {8, 88, 338, 5, "(a+b)(a-b)", 2},
    {11, 44, 398, 0, "=a^2-ab+ab-b^2", 2},
    {14, 44, 458, 0, "=", 2},
    {14, after(), 458, 5, "a^2-b^2", 2},
    {15, 44, 578, 3, "和と差の積　(a+b)(a-b)=a^2-b^2", 3},
}};

// Section 3: the formula kept beside the example-5 drills.
const Scene SUM_DIFF_PANEL = {"section 3, the formula panel", "3\r2\r", "", {
    {0, 748, 30, 3, "和と差の積"},
    {0, 748, 110, 5, " (a+b)(a-b)", 1},
    {0, 748, 180, 5, "=a^2-b^2", 1},
    {0, 778, 230, 3, "2乗-2乗"},
}};

const Scene PROBLEM4_ANSWERS = {"section 3, the answers to problem 4", "3\r3\r", steps(5), {
    {0, 94, 30, 3, "問4 解答 "},
    {0, 40, 90, 3, "(1)"},
    {0, 94, 90, 0, "  (x+8)(x-8)", 1},
    {0, 94, 140, 0, "=x^2-8^2", 1},
    {0, 94, 190, 5, "=x^2-64", 1},
    {1, 40, 250, 3, "(2)"},
    {1, 94, 250, 0, " (3-a)(3+a)", 2},
    {1, 94, 300, 0, "=3^2-a^2", 2},
    {1, 94, 350, 5, "=9-a^2", 2},
    {2, 40, 410, 3, "(3)"},
    {2, 94, 410, 0, " (5x+1)(5x-1)", 3},
    {2, 94, 460, 0, "=(5x)^2-1^2", 3},
    {2, 94, 510, 5, "=25x^2-1", 3},
    {3, 560, 30, 3, "(4)"},
    {3, 614, 30, 0, " (3x+2y)(3x-2y)", 4},
    {3, 614, 80, 0, "=(3x)^2-(2y)^2", 4},
    {3, 614, 130, 5, "=9x^2-4y^2", 4},
    {4, 560, 190, 3, "(5)"},
    {4, 614, 190, 0, " (x-ﾀ1/3ﾀ)(x+ﾀ1/3ﾀ)", 5},
    {4, 614, 260, 0, "=x^2-(ﾀ1/3ﾀ)^2", 5},
    {4, 614, 330, 5, "=x^2-ﾀ1/9ﾀ", 5},
    {5, 560, 400, 3, "(6)"},
    {5, 614, 400, 0, " (a-6b)(a+6b)", 6},
    {5, 614, 450, 0, "=a^2-(6b)^2", 6},
    {5, 614, 500, 5, "=a^2-36b^2", 6},
}};

// Section 3, the proof of the card trick: the legend of its rules, then each case with its A, B
// and C on one line and its D growing one formula a step; the formulas of a case are one chain.
const Scene CARD_TRICK_PROOF = {"section 3, the proof of problem 5", "3\r4\r", steps(5), {
    {0, 94, 30, 0, "問5 解答 "},
    {0, 40, 90, 7, "A"},
    {0, after(), 90, 3, "2つの数の和"},
    {0, after(30), 90, 7, "B"},
    {0, after(), 90, 3, "2つの数の差の絶対値"},
    {0, after(30), 90, 7, "C"},
    {0, after(), 90, 3, "小さい数の2乗"},
    {0, after(30), 90, 7, "D "},
    {0, after(), 90, 3, "A*B+C"},
    {0, 40, 140, 0, "大きい数をx,小さい数を5 とすると、"},
    {0, 94, 200, 7, "A"},
    {0, after(), 200, 3, "x+5"},
    {0, after(30), 200, 7, "B"},
    {0, after(), 200, 3, "x-5"},
    {0, after(30), 200, 7, "C"},
    {0, after(), 200, 3, "5^2"},
    {0, 94, 250, 7, "D"},
    {0, after(), 250, 0, "=(x+5)*(x-5)+5^2", 1},
    {1, after(), 250, 0, "=x^2-5^2+5^2", 1},
    {2, after(), 250, 3, "=x^2", 1},
    {3, 40, 320, 0, "大きい数をx,小さい数をy とすると、"},
    {3, 94, 380, 7, "A"},
    {3, after(), 380, 3, "x+y"},
    {3, after(30), 380, 7, "B"},
    {3, after(), 380, 3, "x-y"},
    {3, after(30), 380, 7, "C"},
    {3, after(), 380, 3, "y^2"},
    {3, 94, 430, 7, "D"},
    {3, after(), 430, 0, "=(x+y)*(x-y)+y^2", 2},
    {4, after(), 430, 0, "=x^2-y^2+y^2", 2},
    {5, after(), 430, 3, "=x^2", 2},
}};

TEST(PageMath, SectionOneExplanationPanelAndAnswers) {
  for (const Scene* scene : {&PRODUCT_EXPLANATION, &PRODUCT_PANEL, &PROBLEM1_ANSWERS}) pages::expectScene(*scene);
}

TEST(PageMath, SectionTwoExplanationPanelExampleAndAnswers) {
  const Scene explanation = squareExplanation();
  for (const Scene* scene : {&explanation, &SQUARE_PANEL, &PROBLEM2_ANSWERS, &WIDE_SQUARE_EXAMPLE, &PROBLEM3_ANSWERS})
    pages::expectScene(*scene);
}

TEST(PageMath, SectionThreeExplanationPanelAndAnswers) {
  for (const Scene* scene : {&SUM_DIFF_EXPLANATION, &SUM_DIFF_PANEL, &PROBLEM4_ANSWERS}) pages::expectScene(*scene);
}

// Each case of the proof: A, B and C are what the legend says of the larger number x and the
// smaller one, D's first formula is the legend's A*B+C of them, and D ends in the square of the
// larger number.
TEST(PageMath, SectionThreeProofOfTheCardTrick) {
  const Scene& scene = CARD_TRICK_PROOF;
  const std::vector<std::optional<reading::Line>> read = pages::expectRows(scene);
  pages::expectChains(scene, read);
  // What a label on the line y is given: the text read right after it.
  const auto given = [&](const std::string& label, float y) -> std::string {
    for (std::size_t i = 0; i + 1 < scene.rows.size(); ++i)
      if (scene.rows[i].y == y && scene.rows[i].markup == label && read[i + 1]) return read[i + 1]->text;
    ADD_FAILURE() << "nothing read after \"" << toUtf8(label) << "\" on the line " << y;
    return "0";
  };
  const std::string rule = given("D ", 90);
  struct Case {
    float y;  // the line of A, B and C; D's line is 50 below
    const char* smaller;
  };
  for (const Case& proof : {Case{200, "5"}, Case{380, "y"}}) {
    const float y = proof.y, dY = proof.y + 50;
    const std::string larger = "x", smaller = proof.smaller;
    const std::string a = given("A", y), b = given("B", y), c = given("C", y);
    EXPECT_TRUE(algebra::sameValue(a, larger + "+" + smaller)) << "A on the line " << y;
    EXPECT_TRUE(algebra::sameValue(b, larger + "-" + smaller)) << "B on the line " << y;
    EXPECT_TRUE(algebra::sameValue(c, smaller + "^2")) << "C on the line " << y;
    std::string d = rule;
    for (const auto& [letter, value] : {std::pair{"A", a}, std::pair{"B", b}, std::pair{"C", c}})
      d = reading::substituted(d, letter, value);
    EXPECT_TRUE(algebra::sameValue(given("D", dY), d)) << "D's first formula on the line " << dY << " is "
                                                       << toUtf8(rule) << " of A, B and C";
    std::vector<std::string> formulas;
    for (std::size_t i = 0; i < scene.rows.size(); ++i)
      if (scene.rows[i].y == dY && scene.rows[i].chain != 0 && read[i]) formulas.push_back(read[i]->text);
    ASSERT_FALSE(formulas.empty());
    EXPECT_TRUE(algebra::sameValue(formulas.back(), larger + "^2")) << "D's last formula on the line " << dY;
  }
}

}  // namespace
