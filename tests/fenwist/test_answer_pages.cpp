// The answer pages of sections 1 to 3 leave the layout cursor in the column of their last line:
// the main menu carries it into whatever section is chosen next.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "fenwist_support.h"
#include "programs/fenwist/globals.h"
#include "programs/fenwist/section1.h"
#include "programs/fenwist/section2.h"
#include "programs/fenwist/section3.h"

namespace {

struct AnswerPage {
  const char* name;
  void (*page)();
  int keys;    // step waits of the page
  float xi0;   // the label column of its last item
};

class FenwistAnswerPage : public testing::TestWithParam<AnswerPage> {};

TEST_P(FenwistAnswerPage, LeavesTheCursorInItsLastColumn) {
  static float xi0, xi1;
  static void (*page)();
  page = GetParam().page;
  const HeadlessResult run = runRoutine(
      [] {
        // Whatever an earlier scene left.
        fenwist::XI0 = 40;
        XI1 = 94;
        page();
        xi0 = fenwist::XI0;
        xi1 = XI1;
      },
      steps(GetParam().keys));
  ASSERT_FALSE(run.error);
  EXPECT_EQ(xi0, GetParam().xi0);
  EXPECT_EQ(xi1, GetParam().xi0 + 54);
}

INSTANTIATE_TEST_SUITE_P(Pages, FenwistAnswerPage,
                         testing::Values(AnswerPage{"Problem1", fenwist::PROBLEM1ANSWERS, 4, 800},
                                         AnswerPage{"Problem2", fenwist::PROBLEM2ANSWERS, 4, 600},
                                         AnswerPage{"Problem3", fenwist::PROBLEM3ANSWERS, 4, 600},
                                         AnswerPage{"Problem4", fenwist::PROBLEM4ANSWERS, 5, 600},
                                         AnswerPage{"Problem5", fenwist::PROBLEM5ANSWERS, 15, 600}),
                         [](const testing::TestParamInfo<AnswerPage>& info) { return std::string(info.param.name); });

}  // namespace
