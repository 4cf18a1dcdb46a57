// The mathematics of the lines of a fixed page, through the algebra checker (support/algebra.h):
// chains of working ("=" lines equal to the problem they work out), substitutions, names that a
// proof compares, facts a line states (an identity, an even or odd form, a multiple, a hint for
// a factorisation) and forms of whole numbers written with letters.
#pragma once

#include <ginac/ginac.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ombrel_page {

enum class Math {
  PROSE,     // read for its text and place only
  BEGIN,     // a problem or a statement: all its sides equal; the working below goes on from it
  NEXT,      // a line of working: every side equals the problem
  FACTORED,  // the answer of a factorisation: a NEXT line whose last side is fully factorised
  ON,        // a piece of the line of the row before it
  ASIDE,     // a piece of the line of the row before it, drawn aside: the next row starts after
             // the row before this one
  ERASED,    // a blank form, erased later: no piece of the line; the next row starts where it began
  NAMES,     // "S=...": names the letter by its second side; the working goes on from that
  LET,       // "x=22", "x-y=M", "a=17 ,b=4": the letters' values or the new letter, for the item
  FACTS,     // "11=10+1", "21=20+1,19=20-1": each part's sides are equal
  VALUE,     // its sides equal ref
  FORM,      // each expression it lists has the form ref ("2k+1") for whole-number letters
  PAIRS,     // as FORM, and the expressions two by two are consecutive: the second is the first
             // plus the multiplier of k
  SET,       // "name=｛…,-3,-1,1,…｝": each listed number has the form ref, each the one before
             // it plus the multiplier of k
  HINT,      // "かけて12,たして+7": the problem is x^2 + 7x + 12 ("ひいて" for a negative constant)
  FACTOR,    // "共通因数は x": x divides the problem, and what is left has no common factor
  MULTIPLE,  // a sentence that the problem's value has the form ref ("8k")
  LARGER,    // "364*366 のほうが大きい。": its formula is larger than ref
};

// One line of a page's mathematics: what it must satisfy, the text as read (code page 932) and
// where it stands, for messages.
struct MathLine {
  Math math;
  std::string text;
  std::string ref;
  std::string where;
};

// The formula in a line of text (UTF-8 in, code page 932 out): its longest run without prose
// (kana, kanji, full-width characters, "…", circled numbers), without blanks at either end.
std::string formulaIn(const std::string& utf8);

// Reads the lines of one page in order and collects what does not hold, each fault naming its
// line.
class PageMath {
 public:
  explicit PageMath(std::string page) : page_(std::move(page)) {}

  void line(const MathLine& line);

  const std::vector<std::string>& faults() const { return faults_; }
  // How many facts were checked (sides, forms, hints...): a page whose lines went unread shows.
  int checks() const { return checks_; }

 private:
  void check(const MathLine& line);
  void fault(const MathLine& line, const std::string& what);
  // The expression with the page's names and the item's letters put in, expanded.
  GiNaC::ex value(const GiNaC::ex& e) const;
  // Every side of the text equals reference.
  void sidesEqual(const MathLine& line, const std::vector<GiNaC::ex>& sides, std::size_t from, const GiNaC::ex& ref);
  void hasForm(const MathLine& line, const std::string& item, const GiNaC::ex& form);

  std::string page_;
  std::optional<GiNaC::ex> problem_;  // the first side of the chain's problem
  GiNaC::exmap names_;                // S, l of a proof: for the whole page
  GiNaC::exmap letters_;              // the item's values and substituted letters
  std::vector<std::string> faults_;
  int checks_ = 0;
};

}  // namespace ombrel_page
