// The checker of the fixed pages' mathematics on small pages of its own: each kind of line holds
// when it should and names the line when it does not; the pieces of a line are read in reading
// order, without an erased blank form.
#include <gtest/gtest.h>

#include "engine/strings.h"
#include "page_rows.h"

namespace {

using namespace ombrel_page;
using enum Math;

struct Case {
  const char* name;
  std::vector<MathLine> lines;
  const char* fault;  // the text of the line that must be named, or "" when all holds
};

MathLine L(Math math, const char* text, const char* ref = "") { return {math, text, ref, ""}; }

const std::vector<Case> CASES = {
    Case{"Chain", {L(BEGIN, "(a-b)(c+d)"), L(NEXT, "=a(c+d)-b(c+d)"), L(NEXT, "=ac+ad-bc-bd")}, ""},
    Case{"ChainSignSlip",
         {L(BEGIN, "(a-b)(c+d)"), L(NEXT, "=a(c+d)+b(c+d)"), L(NEXT, "=ac+ad-bc-bd")},
         "=a(c+d)+b(c+d)"},
    Case{"ProblemWithAWrongSide", {L(BEGIN, "45^2-35^2=80*10=700")}, "45^2-35^2=80*10=700"},
    Case{"WorkingWithoutAProblem", {L(NEXT, "=x+1")}, "=x+1"},
    Case{"Substitution",
         {L(BEGIN, "x^2-9x-36"), L(NEXT, "=(x-12)(x+3)"), L(LET, "x=22　を代入して"), L(NEXT, "=(22-12)*(22+3)"),
          L(NEXT, "=251")},
         "=251"},
    Case{"NewLetter",
         {L(BEGIN, "(x-y-1)^2"), L(LET, "x-y=M とおくと"), L(NEXT, "=(M-1)^2"), L(NEXT, "=M^2-2M+1"),
          L(NEXT, "=(x-y)^2-2(x-y)+1")},
         ""},
    Case{"ValuesOfTwoLetters",
         {L(BEGIN, "x^2-y^2"), L(LET, "x=3.75,y=2.25を代入して"), L(NEXT, "=(3.75+2.25)*(3.75-2.25)"),
          L(NEXT, "=6*1.5"), L(NEXT, "=9")},
         ""},
    Case{"ProofByNames",
         {L(NAMES, "S=π*12^2-π*8^2"), L(NEXT, "=144π-64π"), L(NAMES, "l=2π*10=20π"), L(BEGIN, "4l=4*20π"),
          L(NEXT, "=80π…②"), L(BEGIN, "①,②より、S=4l")},
         ""},
    Case{"ProofWithAWrongConclusion",
         {L(NAMES, "S=π*12^2-π*8^2"), L(NAMES, "l=2π*10=20π"), L(BEGIN, "①,②より、S=3l")},
         "①,②より、S=3l"},
    Case{"Facts", {L(FACTS, "21=20+1,19=20-1 だから、")}, ""},
    Case{"AWrongFact", {L(FACTS, "21=20+1,19=20+1 だから、")}, "21=20+1,19=20+1 だから、"},
    Case{"Value", {L(VALUE, "2n+3", "(2n+1)+2")}, ""},
    Case{"AWrongValue", {L(VALUE, "2n+2", "(2n+1)+2")}, "2n+2"},
    Case{"Forms", {L(FORM, "2n+3,2n-3,2n+5,…", "2k+1")}, ""},
    Case{"AnEvenFormForAnOdd", {L(FORM, "2n+1,2n+2", "2k+1")}, "2n+1,2n+2"},
    Case{"Pairs", {L(PAIRS, "2nと2n+2 ,2n-2と2n", "2k")}, ""},
    Case{"PairsNotConsecutive", {L(PAIRS, "2nと2n+4", "2k")}, "2nと2n+4"},
    Case{"Set", {L(SET, "奇数=｛…-5,-3,-1,1,3,5,7,…｝", "2k+1")}, ""},
    Case{"SetWithAGap", {L(SET, "奇数=｛…-5,-3,1,3,…｝", "2k+1")}, "奇数=｛…-5,-3,1,3,…｝"},
    Case{"Hint", {L(BEGIN, "x^2-x-2"), L(HINT, "かけて2,ひいて-1"), L(FACTORED, "=(x-2)(x+1)")}, ""},
    Case{"AHintWithTheWrongSign", {L(BEGIN, "x^2-x-2"), L(HINT, "かけて2,たして-1")}, "かけて2,たして-1"},
    Case{"CommonFactor", {L(BEGIN, "2x^2-x"), L(FACTOR, "共通因数は x")}, ""},
    Case{"NotAllOfTheCommonFactor", {L(BEGIN, "4x^2-2x"), L(FACTOR, "共通因数は x")}, "共通因数は x"},
    Case{"NotFactoredFully", {L(BEGIN, "2x^2-8"), L(FACTORED, "=2(x^2-4)")}, "=2(x^2-4)"},
    Case{"Multiple", {L(BEGIN, "(2n+3)^2-(2n+1)^2"), L(MULTIPLE, "n+1 は整数だから、8の倍数になる。", "8k")}, ""},
    Case{"NotAMultiple",
         {L(BEGIN, "(2n+3)^2-(2n+1)^2"), L(MULTIPLE, "n+1 は整数だから、16の倍数になる。", "16k")},
         "n+1 は整数だから、16の倍数になる。"},
    Case{"Larger", {L(LARGER, "364*366 のほうが大きい。", "363*367")}, ""},
    Case{"NotLarger", {L(LARGER, "363*367 のほうが大きい。", "364*366")}, "363*367 のほうが大きい。"},
    Case{"Unreadable", {L(BEGIN, "x^2+(")}, "x^2+("}};

TEST(OmbrelPageMath, NamesTheLineThatDoesNotHold) {
  for (const Case& c : CASES) {
    SCOPED_TRACE(c.name);
    PageMath math(c.name);
    for (const MathLine& line : c.lines) math.line(line);
    if (std::string(c.fault).empty()) {
      EXPECT_TRUE(math.faults().empty()) << math.faults().front();
      EXPECT_GT(math.checks(), 0);
    } else if (math.faults().size() != 1) {
      ADD_FAILURE() << math.faults().size() << " faults instead of one";
    } else {
      EXPECT_NE(math.faults()[0].find("\"" + toUtf8(c.fault) + "\""), std::string::npos) << math.faults()[0];
    }
  }
}

struct Formula {
  const char* line;
  const char* formula;
};

// The formula of a line with prose before or after it, or marks after it.
TEST(OmbrelPageMath, FormulaInALineOfProse) {
  const Formula cases[] = {{"①,②より、S=4l", "S=4l"},
                           {"=80π…①", "=80π"},
                           {"x=22　を代入して", "x=22"},
                           {"  a+b=Mとすると", "a+b=M"},
                           {"11=10+1 だから、", "11=10+1"},
                           {"連続する奇数の小さい方の数を 2n+1,", "2n+1,"},
                           {"=ﾀ4x^2/2xﾀ+ﾀ8x/2xﾀ", "=ﾀ4x^2/2xﾀ+ﾀ8x/2xﾀ"},
                           {"　2n(2n+2)+1", "2n(2n+2)+1"},
                           {"道の面積…Sm^2", "Sm^2"}};
  for (const Formula& c : cases) EXPECT_EQ(toUtf8(formulaIn(toUtf8(c.line))), toUtf8(c.formula)) << toUtf8(c.line);
}

reading::Line piece(const char* text, float x, float y) {
  reading::Line line;
  line.text = text;
  line.x = x;
  line.y = y;
  return line;
}

// A line of a proof in pieces: the letter, the sign, a blank form erased and the completed form
// drawn where it began; a bracket drawn ahead into a gap that the next piece fills.
TEST(OmbrelPageMath, PiecesOfALineInReadingOrder) {
  const std::vector<Row> rows = {{0, 44, 90, 5, "l", NAMES},
                                 {0, AFTER, 90, 0, "=", ON},
                                 {1, AFTER, 90, 0, "2π(   )", ERASED},
                                 {2, AFTER, 90, 0, "2π(r+ﾀa/2ﾀ)", ON},
                                 {3, 44, 400, 5, "al", BEGIN},
                                 {3, AFTER, 400, 0, "=a(", ON},
                                 {3, after(6), 400, 0, "     )", ASIDE},
                                 {4, AFTER, 400, 3, "4p+4a", ON}};
  const std::vector<std::optional<reading::Line>> read = {
      piece("l", 44, 90),   piece("=", 76, 90),     piece("2π(   )", 108, 90), piece("2π(r+ﾀa/2ﾀ)", 108, 90),
      piece("al", 44, 400), piece("=a(", 103, 400), piece(")", 330, 400),      piece("4p+4a", 189, 400)};
  const auto lines = mathLines(rows, read);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(toUtf8(lines[0].text), toUtf8("l=2π(r+ﾀa/2ﾀ)"));
  EXPECT_EQ(lines[0].math, NAMES);
  EXPECT_EQ(toUtf8(lines[1].text), toUtf8("al=a(4p+4a)"));
  // A line that lost a piece is not read.
  std::vector<std::optional<reading::Line>> lost = read;
  lost[7].reset();
  EXPECT_EQ(mathLines(rows, lost).size(), 1u);
}

}  // namespace
