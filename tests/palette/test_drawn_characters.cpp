// The window warms, before it first sleeps, the glyphs of the characters the programs draw
// (engine/platform/drawn_characters.cpp, written by bench/glyph-census), so that a page shows
// as quickly the first time as the next. A lesson text changed without writing that table
// afresh leaves its new characters cold: here every character of every text the scene walk of
// each program draws, at clock times other than the census's as well (the drills draw other
// numbers), must be in the table under the font state it is drawn in.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "engine/platform/drawn_characters.h"
#include "engine/platform/headless.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"

namespace {

constexpr const char* CLOCK_TIMES[] = {"00:00:00", "10:20:30", "23:59:59", "07:45:12", "15:03:58"};

std::size_t utf8Length(char lead) {
  const auto b = static_cast<unsigned char>(lead);
  return b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 4;
}

// A font state as a line of the table shows it.
std::string stateText(const std::string& face, float size, int magX, int magY, bool bold, bool italic) {
  char text[128];
  std::snprintf(text, sizeof text, "%s %g, magnified %d x %d%s%s", face.c_str(), static_cast<double>(size), magX,
                magY, bold ? ", bold" : "", italic ? ", italic" : "");
  return text;
}

// The table's characters, one by one, under the font state each is drawn in.
std::map<std::string, std::set<std::string>> tableCharacters() {
  std::map<std::string, std::set<std::string>> table;
  for (const DrawnCharacters& drawn : drawnCharacters()) {
    const std::string characters = reinterpret_cast<const char*>(drawn.characters);
    std::set<std::string>& inState = table[stateText(reinterpret_cast<const char*>(drawn.face), drawn.size,
                                                     drawn.magX, drawn.magY, drawn.bold, drawn.italic)];
    for (std::size_t i = 0; i < characters.size(); i += utf8Length(characters[i]))
      inState.insert(characters.substr(i, utf8Length(characters[i])));
  }
  return table;
}

class DrawnCharactersTable : public testing::TestWithParam<const char*> {};

TEST_P(DrawnCharactersTable, HoldsEveryCharacterTheSceneWalkDraws) {
  const auto table = tableCharacters();
  std::map<std::string, std::set<std::string>> missing;
  for (const char* time : CLOCK_TIMES) {
    SceneWalk walk;
    HeadlessOptions options;
    options.time = time;
    options.keySource = [&walk] { return walk.nextKey(); };
    const HeadlessResult run = runHeadless(*findProgram(GetParam()), options);
    ASSERT_FALSE(run.error) << "at " << time;
    ASSERT_TRUE(walk.complete()) << "at " << time << ": " << walk.problem();
    for (const Op& op : run.ops) {
      if (op.kind != OpKind::Text) continue;
      const std::string state = stateText(op.face, op.size, op.magX, op.magY, op.bold, op.italic);
      const auto inTable = table.find(state);
      for (std::size_t i = 0; i < op.text.size(); i += utf8Length(op.text[i])) {
        const std::string character = op.text.substr(i, utf8Length(op.text[i]));
        if (inTable == table.end() || !inTable->second.contains(character)) missing[state].insert(character);
      }
    }
  }
  for (const auto& [state, characters] : missing) {
    std::string all;
    for (const std::string& c : characters) all += c;
    ADD_FAILURE() << GetParam() << " draws \"" << all << "\" in " << state
                  << ", missing from the table: build/bench/glyph-census > engine/platform/drawn_characters.cpp";
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, DrawnCharactersTable, testing::Values("corvale", "pradine", "fenwist", "ombrel"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
