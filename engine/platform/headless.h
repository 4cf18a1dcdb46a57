// The headless back end: scripted keys, a fixed clock, the operation log and PNG pictures.
// Used by tools/replay and by the scene tests; a run in a test process is one program run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "../runtime.h"
#include "../startup.h"
#include "oplog.h"

struct HeadlessOptions {
  // The keyboard: one key per character; \n or \r is Enter, \b Backspace, \f character 12,
  // \e Escape, \\ a backslash. UTF-8, converted to code page 932.
  std::string keys;
  std::string time = "00:00:00";  // the clock, which fixes the random seed
  std::string shotsDir;           // when set, a PNG at every key wait: shot-001.png, ...
  std::string pngPath;            // when set, the last picture
};

struct HeadlessResult {
  std::vector<Op> ops;                 // every operation and key, in order
  std::optional<RuntimeError> error;   // set when the run ended on the error screen
  int shots = 0;                       // pictures written to shotsDir
};

// Turns the script's escapes into key texts (code page 932), one per key press.
std::vector<std::string> parseKeys(const std::string& script);

// Runs the program headless until its keys run out, it ends, or it reaches the error screen.
HeadlessResult runHeadless(const ProgramInfo& program, const HeadlessOptions& options);
