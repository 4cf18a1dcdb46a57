// The mathematics of every fixed page of sections 5 to 7, read from the pages' row tables: each
// line of working equals the line before it, through the algebra checker. The rows of one line
// are put together as the page draws them (a form drawn ahead and then erased is left out, a
// bracket drawn ahead of a gap goes at the line's end); an item label starts a new chain. A
// note "x-y=M とおくと" lets the following lines stand in M, a note "x=15 を代入して" gives the
// letters their values, and a line "S=..." or "l=..." names what the proof later compares, so
// that the conclusion "S=al" is checked too. Every line read has a clean written form. Lines of
// Japanese prose are skipped deliberately.
#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <span>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/strings.h"
#include "programs/ombrel/answer_pages.h"
#include "programs/ombrel/geoproof.h"
#include "support/algebra.h"

namespace {

using common::PageRow;

struct Page {
  std::string name;
  std::span<const PageRow> rows;
  int equalities;  // the equalities its chains make (a line "S=..." names S and makes none)
};

void PrintTo(const Page& page, std::ostream* os) { *os << page.name; }

std::vector<Page> allPages() {
  std::vector<Page> pages = {{"Road", ombrel::ROAD_SCENE, 6},
                             {"RoundPond", ombrel::ROUND_POND_PROOF, 7},
                             {"SquarePond", ombrel::SQUARE_POND_PROOF, 6}};
  const int review[] = {10, 17, 13, 14, 11, 11, 14, 11, 6};
  for (int n = 1; n <= 9; ++n) pages.push_back({"Review" + std::to_string(n), ombrel::reviewPage(n), review[n - 1]});
  const int exercise[] = {9, 25, 15, 13, 12, 8, 22, 16, 9, 4};
  for (int n = 1; n <= 10; ++n)
    pages.push_back({"Exercise" + std::to_string(n), ombrel::exercisePage(n), exercise[n - 1]});
  return pages;
}

bool isText(const PageRow& row) {
  return row.kind == PageRow::Kind::Formula || row.kind == PageRow::Kind::After ||
         row.kind == PageRow::Kind::Placed;
}
bool sameLine(const PageRow& row) {
  return row.kind == PageRow::Kind::After || (row.kind == PageRow::Kind::Placed && row.below && row.y == 0);
}

// A UTF-8 literal as a std::string (the plain literals of this file are code page 932).
std::string fromU8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The characters of a UTF-8 text.
std::u32string charactersOf(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t code = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
    for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(code);
    i += n;
  }
  return out;
}

bool isCircledNumber(char32_t c) { return c >= U'\u2460' && c <= U'\u2473'; }

// "(3)", "①" or "ア  " standing alone: the label of an item.
bool isLabel(const std::string& cp932) {
  static const std::regex number("^\\([0-9]+\\) *$");
  const std::string utf8 = toUtf8(cp932);
  if (std::regex_match(utf8, number)) return true;
  std::u32string chars = charactersOf(utf8);
  while (!chars.empty() && chars.back() == U' ') chars.pop_back();
  return chars.size() == 1 && (isCircledNumber(chars[0]) || (chars[0] >= U'\u30A1' && chars[0] <= U'\u30F6'));
}

// The lines of a page in drawing order, labels as lines of their own.
std::vector<std::string> linesOf(std::span<const PageRow> rows) {
  std::vector<std::string> lines;
  std::string current;
  std::string ahead;                 // drawn ahead of the cursor, not erased yet
  std::optional<std::string> kept;   // the last text drawn ahead, erased if an erase follows
  bool open = false;
  const auto flush = [&] {
    if (open) lines.push_back(current + (kept ? *kept : "") + ahead);
    current.clear();
    ahead.clear();
    kept.reset();
    open = false;
  };
  for (const PageRow& row : rows) {
    if (row.kind == PageRow::Kind::Erase) kept.reset();
    if (!isText(row)) continue;
    if (isLabel(row.text)) {
      flush();
      lines.emplace_back(row.text);
      continue;
    }
    if (!sameLine(row)) flush();
    open = true;
    if (row.keepsCursor) {
      if (kept) ahead = *kept + ahead;
      kept = row.text;
    } else {
      current += row.text;
    }
  }
  flush();
  return lines;
}

// The text without blanks, half- or full-width, at either end.
std::string trimmed(std::string utf8) {
  const std::string wide = fromU8(u8"　");
  for (;;) {
    if (utf8.starts_with(" ")) utf8.erase(0, 1);
    else if (utf8.starts_with(wide)) utf8.erase(0, wide.size());
    else if (utf8.ends_with(" ")) utf8.pop_back();
    else if (utf8.ends_with(wide)) utf8.erase(utf8.size() - wide.size());
    else return utf8;
  }
}

// Kana, kanji and the full-width blank: prose, which the checker does not read.
bool holdsJapanese(const std::string& utf8) {
  for (const char32_t c : charactersOf(utf8))
    if ((c >= U'\u3000' && c <= U'\u30FF') || (c >= U'\u4E00' && c <= U'\u9FFF')) return true;
  return false;
}

class ChainChecker {
 public:
  explicit ChainChecker(std::string page) : page_(std::move(page)) {}

  void line(const std::string& cp932) {
    std::string utf8 = trimmed(toUtf8(cp932));
    if (isLabel(cp932)) {
      endLine();
      chain_.reset();
      item_ = GiNaC::exmap();
      return;
    }
    // The marks ① and ② after a result, and the prose before "、" ("①,②より、S=al").
    const std::u32string chars = charactersOf(utf8);
    if (chars.size() >= 2 && chars[chars.size() - 2] == U'\u2026' && isCircledNumber(chars.back()))
      utf8.erase(utf8.size() - 6);
    const std::string comma = fromU8(u8"、");
    if (const std::size_t at = utf8.rfind(comma); at != std::string::npos) utf8 = trimmed(utf8.substr(at + comma.size()));
    // A line that goes on with a sign continues the line before it.
    if (!pending_.empty() && !utf8.empty() && (utf8[0] == '+' || utf8[0] == '-')) {
      pending_ += utf8;
      return;
    }
    endLine();
    static const std::regex letM(fromU8(u8"^(.+)=M *(とおくと|とすると)$"));
    static const std::regex values(fromU8(u8"^(.+?)( |　)*を代入して$"));
    std::smatch found;
    if (std::regex_match(utf8, found, letM)) {
      item_[algebra::letter('M')] = algebra::parse(fromUtf8(found[1].str()));
    } else if (std::regex_match(utf8, found, values)) {
      static const std::regex value("([a-z]) *= *([0-9.]+)");
      const std::string list = found[1].str();
      for (std::sregex_iterator v(list.begin(), list.end(), value), end; v != end; ++v)
        item_[algebra::letter((*v)[1].str()[0])] = algebra::parse((*v)[2].str());
    } else if (!holdsJapanese(utf8) && !utf8.empty()) {
      pending_ = utf8;
    }
  }

  void endLine() {
    if (pending_.empty()) return;
    const std::string text = pending_;
    pending_.clear();
    const std::string cp932 = fromUtf8(text);
    if (const std::string form = algebra::formFault(cp932); !form.empty())
      faults_.push_back(page_ + ": \"" + text + "\" is not cleanly written: " + form);
    std::vector<GiNaC::ex> sides;
    try {
      sides = algebra::sides(cp932);
    } catch (const std::runtime_error& e) {
      faults_.push_back(page_ + ": the checker cannot read \"" + text + "\": " + e.what());
      return;
    }
    std::size_t next = 0;
    if (text[0] == '=') {
      if (!chain_) {
        faults_.push_back(page_ + ": \"" + text + "\" goes on from nothing");
        return;
      }
    } else {
      // "S=..." names S by its first value; any other first side starts the chain.
      const GiNaC::ex& first = sides[0];
      if (sides.size() > 1 && GiNaC::is_a<GiNaC::symbol>(first) && !names_.count(first)) {
        names_[first] = sides[1];
        next = 1;
      }
      chain_ = sides[next];
      ++next;
    }
    for (; next < sides.size(); ++next) {
      const GiNaC::ex difference = value(*chain_ - sides[next]);
      if (!difference.is_zero()) {
        std::ostringstream fault;
        fault << page_ << ": \"" << text << "\" side " << next + 1 << " differs from the line before by " << difference;
        faults_.push_back(fault.str());
      }
      chain_ = sides[next];
      ++checks_;
    }
  }

  int checks() const { return checks_; }
  const std::vector<std::string>& faults() const { return faults_; }

 private:
  // An expression with the page's names and the item's letters put in.
  GiNaC::ex value(const GiNaC::ex& e) const {
    GiNaC::ex v = e;
    for (int pass = 0; pass < 3; ++pass) v = v.subs(names_).subs(item_);
    return GiNaC::normal(GiNaC::expand(v));
  }

  std::string page_;
  std::string pending_;
  std::optional<GiNaC::ex> chain_;
  GiNaC::exmap names_;  // S, l of a proof
  GiNaC::exmap item_;   // M and the letters' values of the item
  int checks_ = 0;
  std::vector<std::string> faults_;
};

class OmbrelAnswerChain : public testing::TestWithParam<Page> {};

TEST_P(OmbrelAnswerChain, EachLineEqualsTheLineBefore) {
  const Page& page = GetParam();
  ChainChecker checker(page.name);
  for (const std::string& line : linesOf(page.rows)) checker.line(line);
  checker.endLine();
  for (const std::string& fault : checker.faults()) ADD_FAILURE() << fault;
  EXPECT_EQ(checker.checks(), page.equalities) << "equalities checked on " << page.name;
}

INSTANTIATE_TEST_SUITE_P(Pages, OmbrelAnswerChain, testing::ValuesIn(allPages()),
                         [](const testing::TestParamInfo<Page>& info) { return info.param.name; });

// The checker itself: a chain with a slip is caught, a line after "=M とおくと" is read in M and
// a line after "を代入して" with the letters' values, and a conclusion that does not follow is
// caught.
TEST(OmbrelAnswerChainChecker, CatchesASlip) {
  ChainChecker checker("slip");
  for (const char* line : {"(1)", "(x+3)(x-2)", "=x^2+x-5", "(2)"}) checker.line(line);
  ASSERT_EQ(checker.faults().size(), 1u);
  EXPECT_NE(checker.faults()[0].find("differs"), std::string::npos);
}

TEST(OmbrelAnswerChainChecker, ReadsLinesInMAndValues) {
  ChainChecker checker("substitution");
  for (const char* line : {"(1)", "(x-y)^2-2(x-y)", "　x-y=M とおくと", "=M^2-2M", "x=3,y=1を代入して", "=0"})
    checker.line(line);
  checker.endLine();
  EXPECT_TRUE(checker.faults().empty());
  EXPECT_EQ(checker.checks(), 2);
}

TEST(OmbrelAnswerChainChecker, CatchesASignSlip) {
  ChainChecker checker("form");
  for (const char* line : {"(1)", "x-(-1)", "=x+-1+2"}) checker.line(line);
  checker.endLine();
  ASSERT_EQ(checker.faults().size(), 1u);
  EXPECT_NE(checker.faults()[0].find("cleanly"), std::string::npos);
}

TEST(OmbrelAnswerChainChecker, ChecksTheConclusion) {
  ChainChecker checker("conclusion");
  for (const char* line : {"S=(p+a)^2-p^2", "l=4p", "①,②より、S=al"}) checker.line(line);
  checker.endLine();
  EXPECT_EQ(checker.faults().size(), 1u);
}

}  // namespace
