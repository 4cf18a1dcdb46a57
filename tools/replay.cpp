// replay PROGRAM (--keys KEYS | --keys-file FILE | --walk [--walk-turn N]) [--time HH:MM:SS]
//        [--png FILE [--png-size WxH]] [--shots DIR] [--ops FILE]
// replay PROGRAM --monkey COUNT [--from K] [--walks N] [--seed N] [--run-keys N] [--stall SECONDS]
//        [--failures DIR] [--ops FILE]
// Runs a program headless with scripted keys, or the scene walk's (tools/scene_walk.h), and
// writes pictures and the operation log; or walks it and then types COUNT seeded random keys
// through it, failing on the first fault (tools/monkey.h). A run that ends on the error screen,
// shows no number prompt for 1,000 keys or stops taking keys says where (tools/whereabouts.h),
// and what raised the error, and exits non-zero (usage()).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/platform/headless.h"
#include "monkey.h"
#include "programs.h"
#include "engine/platform/keys.h"
#include "scene_walk.h"
#include "watched_run.h"
#include "whereabouts.h"

namespace {
// The largest side of a picture asked for: an 8K screen's width, with room to spare.
constexpr long long MAX_PNG_SIDE = 16384;

// A run of keys that shows no number prompt for this many keys in a row is stuck in a wait that
// never ends, as the walk and the monkey take it.
constexpr std::uint64_t PROMPT_KEYS = WalkLimits{}.promptKeys;

// Exit statuses: a fault, a wrong command line, a run that ended on the error screen (whose
// picture the window tests compare: they take this status).
constexpr int FAULT_STATUS = 1;
constexpr int USAGE_STATUS = 2;
constexpr int ERROR_SCREEN_STATUS = 3;

int usage() {
  std::fprintf(stderr,
               "usage: replay PROGRAM (--keys KEYS | --keys-file FILE | --walk [--walk-turn N]) [--time HH:MM:SS]"
               " [--png FILE [--png-size WxH]] [--shots DIR] [--ops FILE]\n"
               "       replay PROGRAM --monkey COUNT [--from K] [--walks N] [--seed N] [--run-keys N]"
               " [--stall SECONDS] [--failures DIR] [--ops FILE]\n"
               "  KEYS: one key per character; \\n Enter, \\b Backspace, \\f character 12, \\e Escape, \\\\ backslash\n"
               "  --png-size: the last picture as a window of that size shows the canvas (1366x768)\n"
               "  exit status 3 when the run ends on the error screen, 1 when it shows no number prompt for\n"
               "  1000 keys or stops taking keys for 30 s, each saying where\n"
               "  --walk: the scene walk's keys, through every item of the main menu and of every sub-menu;\n"
               "  exit status 1 also when the walk does not end the program through the main menu's last item;\n"
               "  --walk-turn: the walk's turn, which changes its entries and the problems of each loop (0)\n"
               "  --monkey: the scene walk, then COUNT random keys weighted as a class types them; exit status 1\n"
               "  on a crash, a sanitizer's report, the error screen, a run that stops taking keys or shows no\n"
               "  number prompt for 1000 keys, or a walk that does not end; each run of the program takes at\n"
               "  most --run-keys of them (2000) before it starts afresh; --from: the first is key K of the\n"
               "  seed's keyboard (0); --walks: the walk at its turns 0 to N - 1 first (3), 0 for none\n");
  return USAGE_STATUS;
}

bool readFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// A whole number from an option's value, or -1 when it is not one.
long long number(const std::string& value) {
  char* end = nullptr;
  const long long n = std::strtoll(value.c_str(), &end, 10);
  return value.empty() || *end != '\0' || n < 0 ? -1 : n;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const ProgramInfo* program = findProgram(argv[1]);
  if (program == nullptr) {
    std::fprintf(stderr, "replay: no program named %s\n", argv[1]);
    return USAGE_STATUS;
  }
  HeadlessOptions options;
  options.keepOps = false;
  std::string opsPath;
  MonkeyOptions monkey;
  bool monkeyMode = false;
  bool walkMode = false;
  unsigned walkTurn = 0;
  for (int i = 2; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--walk") {
      walkMode = true;
      continue;
    }
    if (i + 1 >= argc) return usage();
    const std::string value = argv[++i];
    if (flag == "--keys") {
      options.keys = value;
    } else if (flag == "--keys-file") {
      if (!readFile(value, options.keys)) {
        std::fprintf(stderr, "replay: cannot read %s\n", value.c_str());
        return USAGE_STATUS;
      }
    } else if (flag == "--walk-turn" && number(value) >= 0 && number(value) < 1000) {
      walkTurn = static_cast<unsigned>(number(value));
    } else if (flag == "--time") {
      options.time = value;
    } else if (flag == "--png") {
      options.pngPath = value;
    } else if (flag == "--png-size") {
      const std::size_t by = value.find('x');
      const long long w = number(value.substr(0, by)), h = by == std::string::npos ? -1 : number(value.substr(by + 1));
      if (w < 1 || h < 1 || w > MAX_PNG_SIDE || h > MAX_PNG_SIDE) return usage();
      options.pngWidth = static_cast<int>(w);
      options.pngHeight = static_cast<int>(h);
    } else if (flag == "--shots") {
      options.shotsDir = value;
    } else if (flag == "--ops") {
      opsPath = value;
    } else if (flag == "--monkey" && number(value) >= 0) {
      monkeyMode = true;
      monkey.keys = static_cast<std::uint64_t>(number(value));
    } else if (flag == "--from" && number(value) >= 0) {
      monkey.firstKey = static_cast<std::uint64_t>(number(value));
    } else if (flag == "--walks" && number(value) >= 0 && number(value) < 1000) {
      monkey.walks = static_cast<unsigned>(number(value));
    } else if (flag == "--seed" && number(value) >= 0) {
      monkey.seed = static_cast<std::uint64_t>(number(value));
    } else if (flag == "--run-keys" && number(value) > 0) {
      monkey.runKeys = static_cast<std::uint64_t>(number(value));
    } else if (flag == "--stall" && number(value) > 0) {
      monkey.stallSeconds = static_cast<double>(number(value));
    } else if (flag == "--failures") {
      monkey.failureDir = value;
    } else {
      return usage();
    }
  }
  if (monkeyMode) {
    monkey.opsPath = opsPath;
    return runMonkey(*program, argv[1], monkey);
  }
  std::ofstream ops;
  if (!opsPath.empty()) {
    ops.open(opsPath);
    if (!ops) {
      std::fprintf(stderr, "replay: cannot write %s\n", opsPath.c_str());
      return USAGE_STATUS;
    }
    options.opsOut = &ops;
  }
  // The keys go through one source; where the program is follows them (runWatched).
  SceneWalk walk({}, walkTurn);
  KeyScript script(options.keys);
  Whereabouts whereabouts;
  bool noPrompt = false;
  options.keySource = [&]() -> std::string {
    if (walkMode) return walk.nextKey();
    noPrompt = whereabouts.keysWithoutPrompt() >= PROMPT_KEYS;
    return noPrompt ? "" : script.next();
  };
  const HeadlessResult result = runWatched(*program, options, whereabouts);
  const std::string where = "\n  where: " + whereabouts.place().text() + "\n";
  if (result.error) {
    std::fprintf(stderr, "replay: ended on the error screen: %s%s", errorText(*result.error).c_str(), where.c_str());
    return ERROR_SCREEN_STATUS;
  }
  if (noPrompt) {
    std::fprintf(stderr, "replay: the program showed no number prompt for %llu keys%s",
                 static_cast<unsigned long long>(PROMPT_KEYS), where.c_str());
    return FAULT_STATUS;
  }
  if (!walkMode) return 0;
  if (!walk.complete()) {
    std::fprintf(stderr, "replay: the walk did not end the program: %s\n",
                 walk.problem().empty() ? "the program ended elsewhere" : walk.problem().c_str());
    return FAULT_STATUS;
  }
  std::printf("replay: walked %s\n", walk.summary().c_str());
  return 0;
}
