// replay PROGRAM --keys KEYS [--time HH:MM:SS] [--png FILE] [--shots DIR] [--ops FILE]
// Runs a program headless with scripted keys; writes pictures and the operation log.
#include <cstdio>
#include <fstream>
#include <string>

#include "engine/platform/headless.h"
#include "programs.h"

namespace {
int usage() {
  std::fprintf(stderr,
               "usage: replay PROGRAM --keys KEYS [--time HH:MM:SS] [--png FILE] [--shots DIR] [--ops FILE]\n"
               "  KEYS: one key per character; \\n Enter, \\b Backspace, \\f character 12, \\e Escape, \\\\ backslash\n");
  return 2;
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
  std::string opsPath;
  for (int i = 2; i < argc; ++i) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) return usage();
    const std::string value = argv[++i];
    if (flag == "--keys") options.keys = value;
    else if (flag == "--time") options.time = value;
    else if (flag == "--png") options.pngPath = value;
    else if (flag == "--shots") options.shotsDir = value;
    else if (flag == "--ops") opsPath = value;
    else return usage();
  }
  const HeadlessResult result = runHeadless(*program, options);
  if (!opsPath.empty()) {
    std::ofstream out(opsPath);
    for (const Op& op : result.ops) out << describe(op) << '\n';
  }
  if (result.error)
    std::fprintf(stderr, "replay: ended on the error screen (line %d, code %d)\n", result.error->line,
                 static_cast<int>(result.error->code));
  return 0;
}
