// Prime factorisation, the ladder division and the plain-text boxes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/factor.h"
#include "engine/platform/platform.h"
#include "engine/prompts.h"
#include "engine/state.h"
#include "engine/strings.h"
#include "test_figures_support.h"

namespace {

using Rows = std::vector<std::pair<float, float>>;

Rows table() {
  Rows rows;
  for (int r = 1; r <= Q; ++r) rows.push_back({G_A(static_cast<float>(r), 1), G_A(static_cast<float>(r), 2)});
  return rows;
}

TEST(PrimeFactors, FactorTables) {
  struct Case {
    float n;
    Rows rows;
    float rest;
  } cases[] = {
      {12, {{2, 2}, {3, 1}}, 1},          {18, {{2, 1}, {3, 2}}, 1},  {-12, {{2, 2}, {3, 1}}, 1},
      {7, {{7, 1}}, 1},                   {58, {{2, 1}}, 29},         {174, {{2, 1}, {3, 1}}, 29},
      {29, {}, 29},                       {8, {{2, 3}}, 1},           {1, {}, 1},
      {2 * 3 * 5 * 7 * 11 * 13 * 17 * 19, {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}}, 1},
      {23 * 23 * 31, {{23, 2}}, 31},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    G_A(9, 1) = 99;  // every call clears the table
    SOSU = c.n;
    PRIMEFACTORS();
    EXPECT_EQ(table(), c.rows);
    EXPECT_EQ(G_A(9, 1), 0);
    EXPECT_EQ(G_A(10, 1), c.rest);
    EXPECT_EQ(G_A(10, 2), 1);
    EXPECT_EQ(SOSU, std::abs(c.n));
    EXPECT_EQ(P, 10);
    EXPECT_EQ(R_A(10), 29);
  }
}

// 0 is divisible by every prime: the search used never to end. Nothing is divided out of it.
TEST(PrimeFactors, ZeroEnds) {
  SOSU = 0;
  PRIMEFACTORS();
  EXPECT_EQ(Q, 0);
  EXPECT_EQ(G_A(10, 1), 0);
  EXPECT_EQ(SOSU, 0);
}

struct Ladder {
  std::vector<Op> ops;
  float ytake = 0, ta = 0, keys = 0;
};

Ladder ladder(float n, float nasi = 0, const std::string& keys = "") {
  Ladder l;
  std::size_t keysBefore = 0;
  const HeadlessResult run = runRoutine(
      [&] {
        SOSU = n;
        PRIMEFACTORS();
        XTAKE = 100, YTAKE = 50, NASI = nasi;
        keysBefore = canvas().log().size();
        LADDERDIV();
        l.ytake = YTAKE;
        l.ta = TA;
      },
      keys);
  for (std::size_t i = keysBefore; i < run.ops.size(); ++i) {
    if (run.ops[i].kind == OpKind::Key) l.keys++;
    l.ops.push_back(run.ops[i]);
  }
  return l;
}

std::vector<float> bars(const Ladder& l) {
  std::vector<float> ys;
  for (const Op& op : ofKind(l.ops, OpKind::Line))
    if (op.x1 == 130) ys.push_back(op.y1);
  return ys;
}

TEST(LadderDiv, TwelveInTwoSteps) {
  const Ladder l = ladder(12);
  EXPECT_EQ(bars(l), (std::vector<float>{96, 160}));
  EXPECT_EQ(l.ytake, 178);
  EXPECT_EQ(l.ta, 3);
  EXPECT_EQ(NASI, 0);
  const auto lines = ofKind(l.ops, OpKind::Line);
  EXPECT_EQ(lines[0].x2, 100 + 30 * 4);  // under the whole top number " 12"
  // Divisors at the left edge, numbers right-aligned on a 30-px grid per character.
  std::vector<std::pair<std::string, Point>> texts;
  for (const Op& op : ofKind(l.ops, OpKind::Text)) texts.push_back({op.text, {op.x1, op.y1}});
  ASSERT_GE(texts.size(), 4u);
  EXPECT_EQ(texts[0].first, "2");
  EXPECT_EQ(texts[0].second.x, 100);
  EXPECT_EQ(texts[0].second.y, 50);
  EXPECT_EQ(texts[1].first, ")");
  const std::vector<Op> textOps = ofKind(l.ops, OpKind::Text);
  const Op* three = nullptr;
  for (const Op& op : textOps)
    if (op.text == "3") three = &op;
  ASSERT_TRUE(three);
  EXPECT_EQ(three->y1, 178);
  EXPECT_EQ(three->x1, 100 + 30 * 2 + 27);  // " 3" one character in from " 12", after its blank
  EXPECT_EQ(three->colour, 0);
}

TEST(LadderDiv, StepsByTheFactorTable) {
  EXPECT_EQ(bars(ladder(18)).size(), 2u);
  EXPECT_EQ(ladder(18).ta, 3);
  EXPECT_EQ(bars(ladder(8)).size(), 2u);
  EXPECT_EQ(ladder(8).ta, 2);
  const Ladder l174 = ladder(174);
  EXPECT_EQ(bars(l174).size(), 1u);
  EXPECT_EQ(l174.ta, 87);
}

// Nothing to divide by: a prime, a prime with 29, a number without a factor to 23, 1 and 0.
TEST(LadderDiv, NothingToDivideDrawsNothing) {
  for (const float n : {7.0f, 58.0f, 29.0f, 1.0f, 0.0f}) {
    SCOPED_TRACE(n);
    const Ladder l = ladder(n, 1);
    EXPECT_TRUE(l.ops.empty());
    EXPECT_EQ(l.ta, n);
    EXPECT_EQ(l.ytake, 50);
    EXPECT_EQ(NASI, 0);
  }
}

TEST(LadderDiv, WaitsTwicePerStepForOneCall) {
  std::vector<float> keys;
  runRoutine(
      [&] {
        SOSU = 12;
        PRIMEFACTORS();
        for (const float nasi : {1.0f, 0.0f}) {
          XTAKE = 100, YTAKE = 50, NASI = nasi;
          const std::size_t before = canvas().log().size();
          LADDERDIV();
          float count = 0;
          for (std::size_t i = before; i < canvas().log().size(); ++i)
            if (canvas().log()[i].kind == OpKind::Key) ++count;
          keys.push_back(count);
        }
      },
      "abcdefgh");
  EXPECT_EQ(keys, (std::vector<float>{4, 0}));
}

// ---- Plain-text boxes ------------------------------------------------------------------------

TEST(MeasurePlain, WidthWithoutDrawing) {
  const auto each = opsOfEachCase({[] {
    X = 11, Y = 22;
    A_S = "12";
    MEASUREPLAIN();
  }});
  EXPECT_TRUE(each[0].empty());
  EXPECT_EQ(LLT, 40);
  EXPECT_EQ(X, 11);
  EXPECT_EQ(Y, 22);
  EXPECT_EQ(AA_S, "12");
  A_S = "";
  MEASUREPLAIN();
  EXPECT_EQ(LLT, 0);
  EXPECT_EQ(X, 11);
}

struct Box {
  std::vector<Op> ops;
  float x = 0, y = 0;
};

Box box(float haba, float tate, const std::string& text) {
  Box b;
  b.ops = opsOfEachCase({[&] {
    X = 100, Y = 200, HABA = haba, TATE = tate, CCC1 = 5, CCC2 = 1, CCC3 = 13;
    A_S = text;
    BOXPLAIN();
    b.x = X, b.y = Y;
  }})[0];
  return b;
}

TEST(BoxPlain, LineCentredInTheBox) {
  struct Case {
    float haba, tate;
    const char* text;
    float textX, textY;
  } cases[] = {
      {100, 60, "12", 130, 217}, {100, 45, "12", 130, 209}, {100, 20, "12", 130, 197},
      {30, 60, "12", 100, 217},  // wider than the box: from its left edge
      {101, 60, "12", 130.5f, 217},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.haba << " x " << c.tate);
    const Box b = box(c.haba, c.tate, c.text);
    ASSERT_EQ(b.ops.size(), 3u);
    EXPECT_EQ(b.ops[0].kind, OpKind::FilledBox);  // the box first, the text on it
    EXPECT_EQ(b.ops[0].x1, 100);
    EXPECT_EQ(b.ops[0].x2, 100 + c.haba);
    EXPECT_EQ(b.ops[0].y2, 200 + c.tate);
    EXPECT_EQ(b.ops[0].colour, 1);
    EXPECT_EQ(b.ops[0].fill, 13);
    EXPECT_EQ(b.ops[1].x1, c.textX);
    EXPECT_EQ(b.ops[1].y1, c.textY);
    EXPECT_EQ(b.ops[1].colour, 5);
    EXPECT_EQ(b.x, 100 + c.haba);
    EXPECT_EQ(b.y, 200);
  }
}

TEST(BoxPlain, EmptyTextAndBoxesSideBySide) {
  const Box empty = box(80, 40, "");
  EXPECT_EQ(empty.ops.size(), 1u);
  EXPECT_EQ(LLT, 0);
  EXPECT_EQ(AA_S, "");
  const auto each = opsOfEachCase({[] {
    X = 100, Y = 200, HABA = 60, TATE = 40;
    A_S = "1";
    BOXPLAIN();
    A_S = "2";
    BOXPLAIN();
  }});
  const auto boxes = ofKind(each[0], OpKind::FilledBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].x1, boxes[0].x2);
}

TEST(BoxPlainTwo, TwoLinesOrOneDropped) {
  float width = 0;
  const auto each = opsOfEachCase({[&] {
                                     X = 100, Y = 200, HABA = 100, TATE = 100;
                                     A1_S = "12", A2_S = "3";
                                     BOXPLAINTWO();
                                     width = LLT;
                                   },
                                   [] {
                                     X = 100, Y = 200, HABA = 100, TATE = 100;
                                     A1_S = "12", A2_S = "";
                                     BOXPLAINTWO();
                                   }});
  const auto two = ofKind(each[0], OpKind::Text);
  ASSERT_EQ(two.size(), 3u);
  EXPECT_EQ(two[0].y1, 212);
  EXPECT_EQ(two[0].x1, 130);
  EXPECT_EQ(two[2].y1, 242);
  EXPECT_EQ(two[2].x1, 140);  // each line centred on its own width
  EXPECT_EQ(width, 20);  // the second line's
  const auto one = ofKind(each[1], OpKind::Text);
  ASSERT_EQ(one.size(), 2u);
  EXPECT_EQ(one[0].y1, 227);
  EXPECT_EQ(X, 200);
  EXPECT_EQ(Y, 200);
}

}  // namespace
