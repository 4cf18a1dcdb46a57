// Every text the four programs write, read on what it is written on. The scene walk takes each
// program headless through every scene of every section (tools/scene_walk.h); each character
// in the operation log is paired with the fill under it (support/text_contrast.h), and every
// pair must read as the palette paints it: 3:1, and 4.5:1 for small text such as the prompt
// lines. A change of colours that leaves any pair the lessons use unreadable fails here, with
// the pair and a place where a scene writes it.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "engine/platform/headless.h"
#include "support/text_contrast.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"

namespace {

constexpr const char* COLOUR_NAMES[16] = {"black",      "blue",   "dark red",  "red",   "dark blue", "blue",
                                          "dark green", "purple", "dark grey", "green", "navy",      "teal",
                                          "violet",     "yellow", "orange",    "white"};

std::string named(int colour) { return COLOUR_NAMES[colour] + std::string(" ") + std::to_string(colour); }

struct Walked {
  HeadlessResult run;
  SceneWalk walk;
};

// A walk of the program through all its scenes, with the clock at a fixed time.
void walk(const std::string& program, Walked& w) {
  HeadlessOptions options;
  options.time = "10:20:30";
  options.keySource = [&w] { return w.walk.nextKey(); };
  w.run = runHeadless(*findProgram(program), options);
}

// Where the walk was after `keys` keys: the section (by its main-menu item) and the scene.
std::string where(const SceneWalk& walk, std::uint64_t keys) {
  for (const SceneWalk::Section& section : walk.sections())
    for (std::size_t k = 0; k < section.scenes.size(); ++k) {
      const SceneWalk::Scene& scene = section.scenes[k];
      if (keys >= scene.startKey && keys <= scene.startKey + static_cast<std::uint64_t>(scene.keys))
        return "section " + std::to_string(section.menuItem) + ", item " + std::to_string(k + 1);
    }
  return "a menu";
}

struct PairSeen {
  bool small = false;
  int characters = 0;
  WrittenCharacter first;  // the first character written with the pair, small if any is
};

// Each pair of text colour and ground colour the run writes.
std::map<std::pair<int, int>, PairSeen> pairsWritten(const HeadlessResult& run) {
  std::map<std::pair<int, int>, PairSeen> pairs;
  for (const WrittenCharacter& c : writtenCharacters(run.ops)) {
    PairSeen& seen = pairs[{c.colour, c.ground}];
    if (seen.characters++ == 0 || (c.small && !seen.small)) seen.first = c;
    seen.small = seen.small || c.small;
  }
  return pairs;
}

class SceneContrast : public testing::TestWithParam<const char*> {};

TEST_P(SceneContrast, EveryTextReadsOnWhatItIsWrittenOn) {
  Walked w;
  walk(GetParam(), w);
  ASSERT_FALSE(w.run.error);
  ASSERT_TRUE(w.walk.complete()) << w.walk.problem();
  const auto pairs = pairsWritten(w.run);
  ASSERT_FALSE(pairs.empty());
  for (const auto& [pair, seen] : pairs) {
    const auto [text, ground] = pair;
    EXPECT_GE(contrast(text, ground), seen.small ? 4.5 : 3.0)
        << named(text) << " on " << named(ground) << (seen.small ? ", small" : "") << ": \"" << seen.first.character
        << "\" at " << std::lround(seen.first.x) << "," << std::lround(seen.first.y) << " in "
        << where(w.walk, seen.first.keysBefore) << " and " << seen.characters - 1 << " more";
  }
}

// The pairs that were once hard to read, each found again where a scene writes it, and at its floor.
TEST_P(SceneContrast, ThePairsThatWereHardToReadReadNow) {
  struct Row {
    const char* program;
    int text, ground;
    std::string place;  // a scene that writes it: its section (main-menu item) and sub-menu item
  };
  const Row rows[] = {
      {"ombrel", 5, 8, "section 5, item 3"},    // "am" on the road
      {"corvale", 5, 11, "section 1, item 2"},  // "ab" in the area model's teal cells
      {"ombrel", 5, 12, "section 5, item 3"},   // "pm" in the square
      {"ombrel", 7, 11, "section 5, item 1"},   // "4m" on the ring
      {"corvale", 3, 13, "section 1, item 1"},  // the card figure
      {"fenwist", 13, 3, "section 1, item 3"},  // the answer boxes
      {"fenwist", 9, 15, "section 1, item 2"},  // the summaries
      {"pradine", 13, 6, "section 2, item 1"},  // the drills' answer boxes
      {"fenwist", 13, 6, "section 2, item 1"},  // the drills' answer boxes
      {"fenwist", 5, 13, "section 4, item 1"},  // the drills
  };
  Walked w;
  walk(GetParam(), w);
  ASSERT_TRUE(w.walk.complete()) << w.walk.problem();
  const std::vector<WrittenCharacter> written = writtenCharacters(w.run.ops);
  for (const Row& row : rows) {
    if (GetParam() != std::string(row.program)) continue;
    SCOPED_TRACE(testing::Message() << named(row.text) << " on " << named(row.ground));
    std::map<std::string, int> places;
    for (const WrittenCharacter& c : written)
      if (c.colour == row.text && c.ground == row.ground) ++places[where(w.walk, c.keysBefore)];
    ASSERT_FALSE(places.empty()) << "the walk no longer finds the pair";
    std::string found;
    for (const auto& [place, count] : places) found += " " + place + ";";
    EXPECT_TRUE(places.count(row.place)) << "written in" << found;
    EXPECT_GE(contrast(row.text, row.ground), 3.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, SceneContrast, testing::Values("corvale", "pradine", "fenwist", "ombrel"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
