// palette-pairs: scores the palette against every pair of colours the four programs paint. It
// walks every scene of each program headless (tools/scene_walk.h) and reads what a pupil sees
// there (tests/support/ink_pairs.h): each text's and line's ink against the ground under it, each
// fill against what it covers and what lies beside it. Then it prints, for the palette of
// engine/platform/palette.h or one with colours changed on the command line, each pair with its
// contrast ratio (a fill: its colour difference), the floor it must reach and where a scene
// paints it, those below their floor first:
//   build/bench/palette-pairs [--all] [N=RRGGBB ...]
// --all lists every pair, also those that take only a few pixels or a sliver of an operation's ink.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/platform/headless.h"
#include "support/ink_pairs.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"

namespace {

constexpr const char* PROGRAMS[] = {"corvale", "pradine", "fenwist", "ombrel"};

// N=RRGGBB: colour N (0 to 15, in decimal) in hexadecimal sRGB. Anything else is refused: no
// colour number, signs, blanks, a "0x" or fewer or more than six digits.
bool setColour(const std::string& arg, Rgb* palette) {
  const auto eq = arg.find('=');
  if (eq == std::string::npos || eq == 0 || eq > 2 || arg.size() - eq - 1 != 6) return false;
  const std::string number = arg.substr(0, eq), hex = arg.substr(eq + 1);
  if (!std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); }) ||
      !std::all_of(hex.begin(), hex.end(), [](unsigned char c) { return std::isxdigit(c); }))
    return false;
  const int n = std::stoi(number);
  if (n > 15) return false;
  const unsigned long v = std::stoul(hex, nullptr, 16);
  palette[n] = rgb8(static_cast<int>(v >> 16), static_cast<int>((v >> 8) & 255), static_cast<int>(v & 255));
  return true;
}

struct Row {
  std::string program;
  std::string place;
  InkPair pair;
  PairSighting seen;
  double score;
};

}  // namespace

int main(int argc, char** argv) {
  Rgb palette[16];
  std::copy(std::begin(PALETTE), std::end(PALETTE), palette);
  bool all = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--all") {
      all = true;
    } else if (!setColour(argv[i], palette)) {
      std::fprintf(stderr, "usage: palette-pairs [--all] [N=RRGGBB ...]\n");
      return 2;
    }
  }
  std::vector<Row> rows;
  for (const char* name : PROGRAMS) {
    const ProgramInfo* program = findProgram(name);
    if (program == nullptr) {
      std::fprintf(stderr, "palette-pairs: %s is not built\n", name);
      return 1;
    }
    SceneWalk walk;
    HeadlessOptions options;
    options.time = "10:20:30";
    options.keySource = [&walk] { return walk.nextKey(); };
    for (const auto& [pair, seen] : inkPairs(runHeadless(*program, options).ops))
      if (all || seen.matters)
        rows.push_back({name, placeInWalk(walk, seen.keysBefore), pair, seen, score(pair, palette)});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    return a.score / floorOf(a.pair.ink) < b.score / floorOf(b.pair.ink);
  });
  std::printf("colours:");
  for (int n = 0; n < 16; ++n) {
    const Lab l = lab(palette[n]);
    std::printf("%s %d %s #%02x%02x%02x L*%.0f", n % 4 ? "," : "\n ", n, COLOUR_NAMES[n],
                static_cast<int>(std::lround(palette[n].r * 255)), static_cast<int>(std::lround(palette[n].g * 255)),
                static_cast<int>(std::lround(palette[n].b * 255)), l.l);
  }
  std::printf("\n\n%-8s %-10s %-15s %-15s %7s %5s %6s %8s  %s\n", "program", "ink", "colour", "ground", "score",
              "floor", "share", "pixels", "where: scene, pixel, operation");
  for (const Row& r : rows) {
    const bool below = r.score < floorOf(r.pair.ink);
    std::printf("%-8s %-10s %-15s %-15s %7.2f %5.1f %5.0f%% %8ld  %s%s, %d,%d, %s\n", r.program.c_str(),
                inkName(r.pair.ink), colourName(r.pair.colour).c_str(), colourName(r.pair.ground).c_str(), r.score,
                floorOf(r.pair.ink), 100 * r.seen.share, r.seen.pixels, below ? "BELOW " : "", r.place.c_str(),
                r.seen.x, r.seen.y, r.seen.operation.c_str());
  }
  return 0;
}
