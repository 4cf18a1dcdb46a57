// Pradine's fixed pages read back as a pupil reads them: each row of a scene at the step and the
// place its lesson gives it, its whole text (signs, brackets, fractions and exponents included)
// and colour (support/page_lines.h), and the mathematics of its rows through the algebra checker
// (support/line_chain.h): a problem and its "=" lines are one chain, a formula's sides agree, a
// line in a substitution letter equals the problem once the expression its note puts for the
// letter is back in its place.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/strings.h"
#include "programs/pradine/pradine.h"
#include "support/line_chain.h"
#include "support/page_lines.h"
#include "support/test_support.h"

namespace pages {

using page::after;

enum class Role {
  Line,  // a line of its chain, or a piece of one: the pieces on one y join into one line
  Note,  // "expression=L ...": the chain's lines write the letter L for the expression
};

// One line a pupil reads (page::Row: its step, place, colour and text). A row of chain n > 0 is
// mathematics: the rows of one chain, in table order, are a problem and its working, or a formula;
// chain 0 is text only (a heading, a label, a remark).
struct Shown : page::Row {
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

// Runs the scene and checks every row: drawn in its step, at its place, in its colour, reading
// its whole text, and not drawn over later in its step. Gives back the lines read, one for each
// row (empty where a row is missing).
inline std::vector<std::optional<reading::Line>> expectRows(const Scene& scene) {
  const HeadlessResult run = runScript(pradine::PROGRAM, scene.enter + scene.steps);
  EXPECT_FALSE(run.error) << scene.name;
  page::StepRows steps(run.ops, static_cast<int>(scene.enter.size()), scene.name);
  const auto read = steps.read({scene.rows.begin(), scene.rows.end()});
  steps.expectNothingOver();
  return read;
}

// A line as the checker reads it: the words before a formula ("公式　") taken off, and "±" read as
// sign.
inline std::string forChecker(const std::string& text, const std::string& sign) {
  const std::size_t words = text.rfind("　");
  std::string line;
  for (const std::string& c :
       reading::characters(words == std::string::npos ? text : text.substr(words + std::string("　").size())))
    line += c == "±" ? sign : c;
  return line;
}

// One chain as read: its lines (the pieces of a line, on one y, joined in table order), each
// at the place of its first piece, and the letter its note writes for an expression.
struct Chain {
  std::vector<reading::Line> lines;
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
      chain.lines.push_back(line);
      y = row.y;
    }
  }
  return chain;
}

// The chain is written cleanly, and each of its lines has, side by side, the value of the first
// side of its first line, its letter put back as the expression it stands for. A chain with "±"
// holds for either sign.
inline void expectChain(const std::string& scene, const Chain& chain) {
  bool both = false;
  for (const reading::Line& line : chain.lines) both = both || line.text.find("±") != std::string::npos;
  for (const std::string& sign : both ? std::vector<std::string>{"+", "-"} : std::vector<std::string>{""}) {
    std::vector<reading::Line> written = chain.lines, worked;
    for (reading::Line& line : written) {
      line.text = forChecker(line.text, sign);
      worked.push_back(line);
      if (!chain.letter.empty()) worked.back().text = reading::substituted(line.text, chain.letter, chain.expression);
    }
    const std::string context =
        (sign.empty() ? "" : toUtf8("±") + " read as " + sign) +
        (chain.letter.empty() ? "" : " with " + toUtf8(chain.letter) + " = " + toUtf8(chain.expression));
    EXPECT_TRUE(reading::cleanlyWritten(written)) << scene << context;
    EXPECT_TRUE(reading::sameChain(worked)) << scene << context;
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
