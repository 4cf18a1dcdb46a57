// replay PROGRAM (--keys KEYS | --keys-file FILE | --walk) [--time HH:MM:SS] [--png FILE] [--shots DIR]
//        [--ops FILE]
// replay PROGRAM --monkey COUNT [--seed N] [--run-keys N] [--stall SECONDS] [--failures DIR] [--ops FILE]
// Runs a program headless with scripted keys, or the scene walk's (tools/scene_walk.h), and
// writes pictures and the operation log; or walks it and then types COUNT seeded random keys
// through it, failing on the first fault (tools/monkey.h).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/platform/headless.h"
#include "monkey.h"
#include "programs.h"
#include "scene_walk.h"

namespace {
int usage() {
  std::fprintf(stderr,
               "usage: replay PROGRAM (--keys KEYS | --keys-file FILE | --walk) [--time HH:MM:SS] [--png FILE]"
               " [--shots DIR] [--ops FILE]\n"
               "       replay PROGRAM --monkey COUNT [--seed N] [--run-keys N] [--stall SECONDS] [--failures DIR]"
               " [--ops FILE]\n"
               "  KEYS: one key per character; \\n Enter, \\b Backspace, \\f character 12, \\e Escape, \\\\ backslash\n"
               "  --walk: the scene walk's keys, through every item of the main menu and of every sub-menu;\n"
               "  exit status 1 when the walk does not end the program through the main menu's last item\n"
               "  --monkey: the scene walk, then COUNT random keys weighted as a class types them; exit status 1\n"
               "  on a crash, a sanitizer's report, the error screen, a run that stops taking keys or a walk\n"
               "  that does not end; each run of the program takes at most --run-keys of them (2000) before it\n"
               "  starts afresh\n");
  return 2;
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
    return 2;
  }
  HeadlessOptions options;
  options.keepOps = false;
  std::string opsPath;
  MonkeyOptions monkey;
  bool monkeyMode = false;
  bool walkMode = false;
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
        return 2;
      }
    } else if (flag == "--time") {
      options.time = value;
    } else if (flag == "--png") {
      options.pngPath = value;
    } else if (flag == "--shots") {
      options.shotsDir = value;
    } else if (flag == "--ops") {
      opsPath = value;
    } else if (flag == "--monkey" && number(value) >= 0) {
      monkeyMode = true;
      monkey.keys = static_cast<std::uint64_t>(number(value));
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
      return 2;
    }
    options.opsOut = &ops;
  }
  SceneWalk walk;
  if (walkMode) options.keySource = [&walk] { return walk.nextKey(); };
  const HeadlessResult result = runHeadless(*program, options);
  if (result.error)
    std::fprintf(stderr, "replay: ended on the error screen (line %d, code %d)\n", result.error->line,
                 static_cast<int>(result.error->code));
  if (!walkMode) return 0;
  if (!walk.complete()) {
    std::fprintf(stderr, "replay: the walk did not end the program: %s\n",
                 walk.problem().empty() ? "the program ended elsewhere" : walk.problem().c_str());
    return 1;
  }
  std::printf("replay: walked %s\n", walk.summary().c_str());
  return 0;
}
