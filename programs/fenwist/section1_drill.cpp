// Item 4 of section 1: common factors drilled over two fixed problem tables, in four practice
// loops one under the other.
#include <string>

#include "answer_box.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "section1.h"

namespace fenwist {
namespace {

struct TableEntry {
  const char* polynomial;
  const char* factor;
  const char* rest;  // what stays in the brackets
};

constexpr TableEntry TABLE_A[] = {
    {"ab-ac", "a", "b-c"},         {"bx+cx", "x", "b+c"},       {"2ax-3ay", "a", "2x-3y"},
    {"3ax+5bx", "x", "3a+5b"},     {"a^2b-ab^2", "ab", "a-b"},  {"ax^2-a^2x", "ax", "x-a"},
    {"ax+bx+cx", "x", "a+b+c"},    {"ay-by-cy", "y", "a-b-c"},
};

constexpr TableEntry TABLE_B[] = {
    {"4ax-2a", "2a", "2x-1"},        {"6x^2+3x", "3x", "2x+1"},   {"8a^2b-4b^2", "4b", "2a^2-b"},
    {"2ab-4b^2", "2b", "a-2b"},      {"18a^2b-12ab", "6ab", "3a-2"}, {"4abc+16ab-8bc", "4b", "ac+4a-2c"},
};

template <std::size_t N>
void writeTable(const TableEntry (&table)[N]) {
  float n = 1;
  for (const TableEntry& entry : table) {
    T_S_A(n) = entry.polynomial;
    T_S_A(10 + n) = entry.factor;
    T_S_A(20 + n) = entry.rest;
    ++n;
  }
}

// One of the four practice loops.
struct Part {
  bool asksBrackets;    // problem 2: the brackets' contents, else problem 1: the common factor
  void (*table)();
  float size;           // entries in the table
  float line;           // YI1 of the part
  float clearTop;       // the part's area is cleared from here down at every pass
  const char* heading;  // at (44, line), or none; the problem line then stands 80 px lower
  const char* label;
  float haba;           // answer box width
  float frame;
  float fill;
};

constexpr Part PARTS[] = {
    {false, CFSETA, 8, 18, 0, "問1　次の式の共通因数をいいなさい。", "(1) ", 108, 7, 6},
    {false, CFSETB, 6, 180, 170, "", "(2) ", 108, 5, 4},
    {true, CFSETA, 8, 300, 290, "問2　①をいいなさい。", "(1) ", 135, 7, 6},
    {true, CFSETB, 6, 480, 470, "", "(2) ", 216, 5, 4},
};

// The answer box, centred on the text line at (x, y), holding text.
void answerBox(const Part& part, float x, float y, const std::string& text) {
  common::formulaBox(x, y, {part.haba, 60, 13, part.frame, part.fill}, text, common::BoxAt::TextLine);
}

// Problem 1: the polynomial, an empty box for its common factor, then the factor in it.
void askFactor(const Part& part, float y) {
  common::textLine(XI1, y, 0, part.label + T_S_A(NO));
  common::textLine(XI2 + 88, YI1, 3, "共通因数は、");
  X11 = XI2;
  answerBox(part, X11, YI1, "");
  XI2 = X;
  Y11 = YI1;
  STEPWAIT();
  answerBox(part, X11, Y11, T_S_A(10 + NO));
}

// Problem 2: the polynomial as its factor times brackets holding box ①, then what goes in them.
void askBrackets(const Part& part, float y) {
  common::textLine(XI1, y, 0, part.label + T_S_A(NO) + "=" + T_S_A(10 + NO) + "(");
  X1 = XI2 + 20;
  answerBox(part, X1, YI1, "①");
  Y1 = YI1;
  common::textLine(X + 20, YI1, 0, ")");
  STEPWAIT();
  answerBox(part, X1, Y1, T_S_A(20 + NO));
}

void runPart(const Part& part) {
  AINP = 3;
  NO = 0;
  while (AINP != 1) {
    part.table();
    NO = NO == part.size ? 1 : NO + 1;
    XI1 = 44;
    YI1 = part.line;
    common::eraseBox(0, part.clearTop, 1320, 1300);
    float problemLine = YI1;
    if (*part.heading != '\0') {
      common::textLine(XI1, YI1, 0, part.heading);
      problemLine = YI1 + 80;
    }
    if (part.asksBrackets) {
      askBrackets(part, problemLine);
    } else {
      askFactor(part, problemLine);
    }
    NEXTSTEP();
  }
}

}  // namespace

void CFSETA() { writeTable(TABLE_A); }

void CFSETB() { writeTable(TABLE_B); }

void COMMONFACTDRILL() {
  common::clearScene();
  for (const Part& part : PARTS) runPart(part);
}

}  // namespace fenwist
