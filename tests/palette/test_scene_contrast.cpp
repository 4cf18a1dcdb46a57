// What a pupil sees in every scene of the four programs, read pixel by pixel as the palette paints
// it. The scene walk takes each program headless through every scene of every section
// (tools/scene_walk.h); every ink pixel of each text, line and outline is read against the ground
// under it, and every fill against what it covers and what lies beside it
// (support/ink_pairs.h). Each pair must reach its floor: texts 3:1, small text such as the prompt
// lines 4.5:1, lines and outlines 3:1, fills side by side clearly apart. A colour that makes a
// figure vanish fails here, with the pair, a place where a scene paints it, and the operation.
//
// A few pairs no palette can bring to their floor, because a figure lays two colours across each
// other that other floors hold at the same lightness: those are listed, each with its reason, and
// must keep at least the contrast they have.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "engine/platform/headless.h"
#include "support/ink_pairs.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"
#include "tools/watched_run.h"

namespace {

struct Walked {
  SceneWalk walk;
  HeadlessResult run;
  InkPairs pairs;
};

// A walk of the program through all its scenes, with the clock at a fixed time, and what it paints.
const Walked& walked(const std::string& program) {
  static std::map<std::string, Walked> runs;
  Walked& w = runs[program];
  if (w.run.ops.empty()) {
    HeadlessOptions options;
    options.time = "10:20:30";
    options.keySource = [&w] { return w.walk.nextKey(); };
    w.run = runWatched(*findProgram(program), options);
    w.pairs = inkPairs(w.run.ops);
  }
  return w;
}

std::string described(const InkPair& pair) {
  return std::string(inkName(pair.ink)) + " " + colourName(pair.colour) + " on " + colourName(pair.ground);
}

std::string seenAt(const Walked& w, const PairSighting& seen) {
  return placeInWalk(w.walk, seen.keysBefore) + ", pixel " + std::to_string(seen.x) + "," + std::to_string(seen.y) +
         ", " + std::to_string(std::lround(100 * seen.share)) + "% of " + seen.operation;
}

// The pairs no palette brings to their floor, as the programs draw them.
struct Unreachable {
  const char* program;
  InkPair pair;
  double keeps;  // the contrast it has, which it must keep
  const char* why;
};
// Blue 5 stands between white (small text, 4.5:1) and the dark fills (3:1); green 9 between the
// dark fills (small text, 4.5:1) and white (3:1); teal 11 draws arrows on white (3:1); red 3 and
// purple 7 read on white, yellow and the dark fills. So blue, green, red and teal all stand near
// the same lightness, and purple, black and the dark fills near another.
const Unreachable UNREACHABLE[] = {
    {"ombrel", {Ink::Text, 5, 3}, 1.2, "the road's red outline runs through the blue \"am\" on it"},
    {"ombrel", {Ink::Line, 7, 8}, 1.45, "the purple arrow head lies on the dark grey road, where blue must read"},
    {"corvale", {Ink::Text, 5, 11}, 1.45, "the blue labels of the area model's teal cells; teal draws arrows on white"},
    {"ombrel", {Ink::Text, 5, 11}, 1.45, "the blue \"am\" reaches from the road onto the teal ring"},
    {"corvale", {Ink::Text, 5, 9}, 1.45, "a blue circled number drawn over a green line"},
    {"corvale", {Ink::Text, 3, 7}, 1.65, "a red circled number drawn over a purple line"},
    {"corvale", {Ink::Line, 7, 3}, 1.65, "a purple line across a red circled number"},
    {"ombrel", {Ink::Text, 7, 3}, 1.65, "the ring road's red circle runs through the purple \"4m\""},
    {"ombrel", {Ink::Line, 7, 3}, 1.65, "the purple arrow across the ring road's red circle"},
    {"ombrel", {Ink::Line, 3, 11}, 1.8, "the ring road's red circle on the teal ring"},
    {"corvale", {Ink::Text, 3, 9}, 1.8, "a red circled number drawn over a green line"},
    {"corvale", {Ink::Text, 5, 7}, 2.0, "a blue circled number drawn over a purple line"},
    {"corvale", {Ink::Line, 7, 0}, 2.2, "a purple arrow along a black line"},
    {"ombrel", {Ink::Line, 7, 0}, 2.2, "the purple arrow across the black radius"},
    {"corvale", {Ink::Line, 9, 13}, 2.8,
     "the green card outlines on the yellow card figure; green is written small on the dark fills"},
    {"ombrel", {Ink::Line, 13, 11}, 2.8, "the yellow radius across the teal ring"},
    {"ombrel", {Ink::Text, 3, 4}, 2.45, "a red bracket reaching from white into a dark blue box"},
};

const Unreachable* listed(const std::string& program, const InkPair& pair) {
  for (const Unreachable& u : UNREACHABLE)
    if (program == u.program && pair == u.pair) return &u;
  return nullptr;
}

class SceneContrast : public testing::TestWithParam<const char*> {};

TEST_P(SceneContrast, EveryInkReadsOnWhatLiesUnderIt) {
  const Walked& w = walked(GetParam());
  ASSERT_FALSE(w.run.error);
  ASSERT_TRUE(w.walk.complete()) << w.walk.problem();
  ASSERT_FALSE(w.pairs.empty());
  for (const auto& [pair, seen] : w.pairs) {
    if (!seen.matters) continue;
    const double s = score(pair, PALETTE);
    if (const Unreachable* u = listed(GetParam(), pair)) {
      EXPECT_GE(s, u->keeps) << described(pair) << " (" << u->why << ") had " << u->keeps << ", now " << s << ": "
                             << seenAt(w, seen);
      continue;
    }
    EXPECT_GE(s, floorOf(pair.ink)) << described(pair) << ": " << s << " below " << floorOf(pair.ink) << " in "
                                    << seenAt(w, seen) << ", and " << seen.operations - 1 << " more";
  }
}

// A listed pair that now reaches its floor, or that no scene paints any more, leaves the list.
TEST_P(SceneContrast, TheListOfUnreachablePairsHoldsOnlyPairsBelowTheirFloor) {
  const Walked& w = walked(GetParam());
  for (const Unreachable& u : UNREACHABLE) {
    if (GetParam() != std::string(u.program)) continue;
    const auto found = w.pairs.find(u.pair);
    EXPECT_TRUE(found != w.pairs.end() && found->second.matters) << described(u.pair) << " is no longer painted";
    EXPECT_LT(score(u.pair, PALETTE), floorOf(u.pair.ink)) << described(u.pair) << " reaches its floor now";
  }
}

// The pairs a pupil once could hardly tell apart, each found again where a scene paints it, at
// its floor.
TEST_P(SceneContrast, ThePairsThatWereHardToSeeShowNow) {
  struct Row {
    const char* program;
    InkPair pair;
    std::string place;  // a scene that paints it: its section (main-menu item) and sub-menu item
  };
  const Row rows[] = {
      {"fenwist", {Ink::Line, 11, 15}, "section 1, item 2"},      // the thick teal arrows
      {"ombrel", {Ink::Fill, 12, 8}, "section 5, item 3"},        // the pond inside the road
      {"ombrel", {Ink::Text, 5, 8}, "section 5, item 3"},         // "am" on the road
      {"ombrel", {Ink::Text, 5, 12}, "section 5, item 3"},        // "pm" in the pond
      {"ombrel", {Ink::Text, 7, 11}, "section 5, item 1"},        // "4m" on the ring
      {"corvale", {Ink::Fill, 10, 4}, "section 3, item 1"},       // the "(c+d)" box beside the dark blue
      {"corvale", {Ink::SmallText, 9, 4}, "section 1, item 1"},   // the step box's prompt
      {"corvale", {Ink::SmallText, 9, 12}, "section 1, item 1"},  // the next-step box's prompt
      {"corvale", {Ink::Text, 3, 13}, "section 1, item 1"},       // the card figure
      {"fenwist", {Ink::Text, 13, 3}, "section 1, item 3"},       // the answer boxes
      {"fenwist", {Ink::Text, 9, 15}, "section 1, item 2"},       // the summaries
      {"pradine", {Ink::Text, 13, 6}, "section 2, item 1"},       // the drills' answer boxes
      {"fenwist", {Ink::Text, 13, 6}, "section 2, item 1"},       // the drills' answer boxes
      {"fenwist", {Ink::Text, 5, 13}, "section 4, item 1"},       // the drills
  };
  const Walked& w = walked(GetParam());
  for (const Row& row : rows) {
    if (GetParam() != std::string(row.program)) continue;
    SCOPED_TRACE(described(row.pair));
    const auto found = w.pairs.find(row.pair);
    ASSERT_TRUE(found != w.pairs.end() && found->second.matters) << "the walk no longer finds the pair";
    std::set<std::string> places;
    for (const std::uint64_t keys : found->second.mattersAfterKeys) places.insert(placeInWalk(w.walk, keys));
    std::string list;
    for (const std::string& place : places) list += " " + place + ";";
    EXPECT_TRUE(places.count(row.place)) << "painted in" << list;
    EXPECT_GE(score(row.pair, PALETTE), floorOf(row.pair.ink));
  }
}

// The dark fills show their colour on a projector, whose black level swallows what is darker.
TEST(Palette, DarkFillsKeepAVisibleColour) {
  for (const int fill : {4, 8, 12}) EXPECT_GE(lab(PALETTE[fill]).l, 18.0) << colourName(fill);
  for (const auto& [a, b] : {std::pair{4, 8}, {4, 12}, {8, 12}, {4, 10}})
    EXPECT_GE(colourDifference(PALETTE[a], PALETTE[b]), FILLS_APART) << colourName(a) << " and " << colourName(b);
}

INSTANTIATE_TEST_SUITE_P(Programs, SceneContrast, testing::Values("corvale", "pradine", "fenwist", "ombrel"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
