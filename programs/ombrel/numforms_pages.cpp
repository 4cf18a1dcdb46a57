// Section 1, scenes ② to ⑤: fixed text reveals of the forms of even, odd and consecutive
// numbers, and the section's summary.
#include "engine/engine.h"
#include "programs/common/page.h"
#include "programs/ombrel/numforms.h"

namespace ombrel {

using namespace common::page_rows;

namespace {

constexpr PageRow EVEN_PAGE[] = {
    CLEAR,
    text(44, 30, 0, "問2　偶数をnを使って表しなさい。"), WAIT,
    text(44, 120, 5, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"), WAIT,
    text(44, 210, 0, "偶数は、"), WAIT,
    after(5, "2*整数　"), after(0, "の形をしているから、"), WAIT,
    text(44, 300, 0, "偶数は、"), after(5, "2n　"), after(0, "と表すことができる。"),
};

// Each odd number of a set stands under the even number next to it in the set above: 1 larger
// in the first pair of lines, 1 smaller in the second (the blank after the 0 makes room for -1).
constexpr PageRow ODD_PAGE[] = {
    CLEARWIDE,
    text(44, 30, 0, "問3　奇数をnを使って表しなさい。"), WAIT,
    text(44, 90, 3, "偶数=｛…-6,-4,-2,0,2,4,6,…｝"), WAIT,
    text(44, 150, 5, "奇数=｛…-5,-3,-1,1,3,5,7,…｝"), WAIT,
    text(44, 210, 0, "奇数は、"), WAIT,
    after(5, "偶数＋１　"), after(0, "の形をしているから、"), WAIT,
    text(44, 270, 0, "奇数は、"), after(5, "2n+1　"), after(0, "と表すことができる。"), WAIT,
    text(44, 330, 3, "偶数=｛…-6,-4,-2,0 ,2,4,6,…｝"), WAIT,
    text(44, 390, 5, "奇数=｛…-7,-5,-3,-1,1,3,5,…｝"), WAIT,
    text(44, 450, 0, "奇数は、"), after(5, "2n-1　"), after(0, "と表すこともできる。"), WAIT,
    text(44, 510, 0, "他にも、"), after(5, "2n+3,2n-3,2n+5,…"), after(0, "と表すこともできる。"),
};

// The texts by which the odd-number page of the consecutive-numbers scene differs from the
// even-number page; both pages share their positions, colours and rhythm.
struct ConsecutiveTexts {
  PageRow clear;
  const char* pair;          // (1)/(3): consecutive numbers
  const char* smallerAs;     // ① the smaller one as ...
  const char* first;
  const char* largerIs;
  const char* larger;
  const char* largerAs;      // ② the larger one as ...
  const char* smallerIs;
  const char* smaller;
  const char* others;        // ③ other pairs
  const char* two;           // (2)/(4): any two numbers
  const char* letters;
};

constexpr ConsecutiveTexts EVEN_PAIRS = {
    CLEARWIDE,          "(1) 2と4のように、連続する偶数", "①小さい方の偶数を", "2n",
    "大きい方の偶数は", "2n+2",                           "②大きい方の偶数を", "小さい方の偶数は",
    "2n-2",             "2n+2と2n+4,2n-4と2n-2…",         "(2) 2と126のような２つの偶数", "2m と 2n",
};
constexpr ConsecutiveTexts ODD_PAIRS = {
    CLEAR,              "(3) 3と5のように、連続する奇数", "①小さい方の奇数を", "2n+1",
    "大きい方の奇数は", "2n+3",                           "②大きい方の奇数を", "小さい方の奇数は",
    "2n-1",             "2n+3と2n+5,2n-5と2n-3…",         "(4) 3と177のような２つの奇数", "2m+1 と 2n+1",
};

void drawConsecutivePage(const ConsecutiveTexts& t) {
  const PageRow rows[] = {
      t.clear,
      text(44, 30, 0, "問4　次の数を 整数 m,n を使って表しなさい。"), WAIT,
      text(44, 90, 3, t.pair), WAIT,
      text(132, 150, 0, t.smallerAs), after(5, t.first), after(0, "とすると、"), WAIT,
      text(176, 210, 0, t.largerIs), after(3, "2大きいから"), after(5, t.larger), WAIT,
      text(132, 270, 0, t.largerAs), after(5, t.first), after(0, "とすると、"), WAIT,
      text(176, 330, 0, t.smallerIs), after(3, "2小さいから"), after(5, t.smaller), WAIT,
      text(132, 390, 0, "③他にも、"), after(9, t.others), WAIT,
      text(44, 480, 3, t.two), WAIT,
      text(176, 540, 5, t.letters),
  };
  common::drawPage(rows);
}

constexpr PageRow SUMMARY_PAGE[] = {
    CLEARWIDE,
    text(88, 30, 5, "<倍数・偶数・奇数の表し方>"), WAIT,
    text(22, 90, 3, "(1) nを整数とすると"),
    text(88, 150, 0, "① ３の倍数…"), after(5, "3n"),
    text(88, 210, 0, "② 偶数…"), after(5, "2n"),
    text(88, 270, 0, "③ 奇数…"), after(5, "2n+1,2n-1"),
    text(22, 330, 3, "(2) m,nを整数とすると"),
    text(88, 390, 0, "① 連続する偶数…"), after(5, "2nと2n+2 ,2n-2と2n"),
    text(88, 450, 0, "② ２つの偶数…"), after(5, "2mと2n"),
    text(88, 510, 0, "③ 連続する奇数…"), after(5, "2n+1と2n+3,2n-1と2n+1"),
    text(88, 570, 0, "④ ２つの奇数…"), after(5, "2m+1と2n+1"),
};

}  // namespace

void EVENNUMBERS() { common::drawPage(EVEN_PAGE); }

void ODDNUMBERS() { common::drawPage(ODD_PAGE); }

void CONSECUTIVE() {
  drawConsecutivePage(EVEN_PAIRS);
  // The even-number page stays for one more key: the step box is shown again before the
  // odd-number page clears the window.
  STEPWAIT();
  STEPWAIT();
  drawConsecutivePage(ODD_PAIRS);
}

void FORMSSUMMARY() { common::drawPage(SUMMARY_PAGE); }

}  // namespace ombrel
