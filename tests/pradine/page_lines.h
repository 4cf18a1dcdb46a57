// Pradine's fixed pages read back as a pupil reads them: each row of a scene at the step and the
// place its lesson gives it, its whole text (signs, brackets, fractions and exponents included)
// and colour, and the mathematics of its rows through the algebra checker: a problem and its
// "=" lines are one chain, a formula's sides agree, a line in a substitution letter equals the
// problem once the expression its note puts for the letter is back in its place.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/strings.h"
#include "programs/pradine/pradine.h"
#include "support/algebra.h"
#include "support/line_reader.h"
#include "support/test_support.h"

namespace pages {

// Where a row starts across: at x, or right where the row before it in the table ends (where a
// text drawn next starts, its trailing blanks included), gap px further.
struct At {
  constexpr At(float column) : x(column) {}  // a column is written as its x alone
  float x;
  bool after = false;
};
constexpr At after(float gap = 0) {
  At at(gap);
  at.after = true;
  return at;
}

enum class Role {
  Line,  // a line of its chain, or a piece of one: the pieces on one y join into one line
  Note,  // "expression=L ...": the chain's lines write the letter L for the expression
};

// One line a pupil reads: the key presses into the scene before it shows, where the lesson draws
// it (its leading blanks move its first glyph), its colour, and its text as the lesson writes it.
// Pieces that the typesetter draws one after another in one colour read as one line, and are one
// row here. A row of chain n > 0 is mathematics: the rows of one chain, in table order, are a
// problem and its working, or a formula; chain 0 is text only (a heading, a label, a remark).
struct Shown {
  int step;
  At x;
  float y;
  int colour;
  const char* markup;
  int chain = 0;
  Role role = Role::Line;
};

// A scene: the keys from start-up to its first step, the keys of its steps, and its rows.
struct Scene {
  const char* name;
  std::string enter;
  std::string steps;
  std::vector<Shown> rows;
};

inline int trailingBlanks(const std::string& markup) {
  const std::size_t last = markup.find_last_not_of(' ');
  return static_cast<int>(last == std::string::npos ? markup.size() : markup.size() - 1 - last);
}

// The line whose first glyph stands at (x, y), within a pixel; the last one drawn there.
inline std::optional<reading::Line> lineAt(const std::vector<reading::Line>& lines, float x, float y) {
  std::optional<reading::Line> found;
  for (const reading::Line& line : lines)
    if (std::abs(line.x - x) <= 1 && std::abs(line.y - y) <= 1) found = line;
  return found;
}

// Runs the scene and checks every row: drawn in its step, at its place, in its colour, reading
// its whole text. Gives back the lines read, one for each row (empty where a row is missing).
inline std::vector<std::optional<reading::Line>> expectRows(const Scene& scene) {
  const HeadlessResult run = runScript(pradine::PROGRAM, scene.enter + scene.steps);
  EXPECT_FALSE(run.error) << scene.name;
  const int before = static_cast<int>(scene.enter.size());
  std::vector<std::optional<reading::Line>> read;
  for (std::size_t i = 0; i < scene.rows.size(); ++i) {
    const Shown& row = scene.rows[i];
    const std::string markup = row.markup;
    float x = row.x.x;
    if (row.x.after) {
      if (i == 0) {
        ADD_FAILURE() << scene.name << ": its first row cannot follow another";
        read.emplace_back();
        continue;
      }
      const Shown& previous = scene.rows[i - 1];
      if (!read.back()) {
        read.emplace_back();
        continue;  // the row before it is missing, and reported
      }
      x += read.back()->right + reading::BLANK * static_cast<float>(trailingBlanks(previous.markup));
    }
    x += reading::BLANK * static_cast<float>(reading::leadingBlanks(markup));
    const std::vector<reading::Line> lines = reading::linesOfStep(run.ops, before + row.step);
    read.push_back(lineAt(lines, x, row.y));
    if (!read.back()) {
      ADD_FAILURE() << scene.name << ": no line \"" << toUtf8(markup) << "\" at (" << x << "," << row.y << ") in step "
                    << row.step << "; the step's lines:" << reading::describe(lines);
      continue;
    }
    const reading::Line& line = *read.back();
    EXPECT_EQ(line.utf8(), toUtf8(reading::asRead(markup))) << scene.name << ": " << reading::describe(line);
    EXPECT_EQ(line.colour, row.colour) << scene.name << ": " << reading::describe(line);
  }
  return read;
}

inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; !from.empty() && (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// A line as the checker reads it: the words before a formula ("公式　") and an item label taken
// off, "±" read as sign, and a letter that a note writes for an expression replaced by it.
inline std::string forChecker(std::string text, const std::string& sign, const std::string& letter = "",
                              const std::string& expression = "") {
  const std::size_t words = text.rfind("　");
  if (words != std::string::npos) text.erase(0, words + std::string("　").size());
  text = algebra::withoutLabel(text);
  if (!letter.empty()) text = replaced(text, letter, "(" + expression + ")");
  return replaced(text, "±", sign);
}

// One chain as read: its lines (the pieces of a line, on one y, joined in table order), each
// named by its first piece, and the letter its note writes for an expression.
struct Chain {
  struct Line {
    reading::Line first;
    std::string text;
  };
  std::vector<Line> lines;
  std::string letter, expression;
  bool complete = true;  // every row was read (a missing one is reported by expectRows)
};

inline Chain chainOf(const Scene& scene, const std::vector<std::optional<reading::Line>>& read, int number) {
  Chain chain;
  float y = -1;
  for (std::size_t i = 0; i < scene.rows.size(); ++i) {
    const Shown& row = scene.rows[i];
    if (row.chain != number) continue;
    if (!read[i]) {
      chain.complete = false;
      continue;
    }
    const reading::Line& line = *read[i];
    if (row.role == Role::Note) {  // "expression=L" up to its first blank
      const std::string statement = line.text.substr(0, line.text.find(' '));
      const std::size_t equals = statement.find('=');
      if (equals == std::string::npos) {
        ADD_FAILURE() << scene.name << ": " << reading::describe(line) << " puts no letter for an expression";
        chain.complete = false;
        continue;
      }
      chain.expression = statement.substr(0, equals);
      chain.letter = statement.substr(equals + 1);
    } else if (!chain.lines.empty() && row.y == y) {
      chain.lines.back().text += line.text;
    } else {
      chain.lines.push_back({line, line.text});
      y = row.y;
    }
  }
  return chain;
}

// Each line of the chain has, side by side, the value of the first side of its first line, and
// is written cleanly. A chain with "±" holds for either sign.
inline void expectChain(const std::string& scene, const Chain& chain) {
  bool both = false;
  for (const Chain::Line& line : chain.lines) both = both || line.text.find("±") != std::string::npos;
  for (const std::string& sign : both ? std::vector<std::string>{"+", "-"} : std::vector<std::string>{""}) {
    std::string first = forChecker(chain.lines.front().text, sign, chain.letter, chain.expression);
    first = first.substr(0, first.find('=', 1));
    for (const Chain::Line& line : chain.lines) {
      EXPECT_TRUE(algebra::sameValue(forChecker(line.text, sign, chain.letter, chain.expression), first))
          << scene << ": " << reading::describe(line.first)
          << (line.text == line.first.text ? "" : ", the line \"" + toUtf8(line.text) + "\"")
          << (chain.letter.empty() ? "" : " with " + toUtf8(chain.letter) + " = " + toUtf8(chain.expression))
          << (sign.empty() ? "" : ", " + toUtf8("±") + " read as " + sign);
      EXPECT_EQ(algebra::formFault(forChecker(line.text, sign)), "") << scene << ": " << reading::describe(line.first);
    }
  }
}

// Every chain of the scene whose rows were all read.
inline void expectChains(const Scene& scene, const std::vector<std::optional<reading::Line>>& read) {
  int last = 0;
  for (const Shown& row : scene.rows) last = std::max(last, row.chain);
  for (int number = 1; number <= last; ++number) {
    const Chain chain = chainOf(scene, read, number);
    if (chain.complete && !chain.lines.empty()) expectChain(scene.name, chain);
  }
}

// The scene's rows and their mathematics.
inline void expectScene(const Scene& scene) { expectChains(scene, expectRows(scene)); }

}  // namespace pages
