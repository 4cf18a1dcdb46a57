// The headless back end: scripted keys, a fixed clock, the operation log and PNG pictures.
// Used by tools/replay and by the scene tests; a run in a test process is one program run.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "../runtime.h"
#include "../startup.h"
#include "oplog.h"

// How long a headless run may go without polling for a key. A scene polls within a fraction of
// a second of its last key, in the sanitizer build on a busy machine too.
constexpr double HANG_SECONDS = 30;

struct HeadlessOptions {
  // The keyboard: one key per character; \n or \r is Enter, \b Backspace, \f character 12,
  // \e Escape, \\ a backslash. UTF-8, converted to code page 932 (see KeyScript).
  std::string keys;
  // When set, the keys come from it instead: one key press (code page 932) per call, "" once
  // they are spent. A generated keyboard of any length.
  std::function<std::string()> keySource;
  std::string time = "00:00:00";  // the clock, which fixes the random seed
  std::string shotsDir;           // when set, a PNG at every key wait: shot-001.png, ...
  std::string pngPath;            // when set, the last picture
  // The last picture's size: the canvas fitted into it as a window of that size shows it.
  int pngWidth = CANVAS_WIDTH, pngHeight = CANVAS_HEIGHT;
  // Every operation and key kept in HeadlessResult::ops, for tests that read them. A long run
  // that only wants pictures turns it off, so its memory does not grow with its keys.
  bool keepOps = true;
  // When set, every operation's line of the readable log (describe) is written there as it
  // happens, flushed at every key read.
  std::ostream* opsOut = nullptr;
  // A run that polls for no key for this long, the time the key source takes aside, is stuck in
  // a loop that never polls, which no code can unwind: the process says so on stderr, with
  // where() when it is set (asked after each key), and ends with exit status 1. 0: never.
  double hangSeconds = HANG_SECONDS;
  std::function<std::string()> where;
};

struct HeadlessResult {
  std::vector<Op> ops;                 // every operation and key, in order (when keepOps)
  std::optional<RuntimeError> error;   // set when the run ended on the error screen
  int shots = 0;                       // pictures written to shotsDir
};

// Turns the script's escapes into key texts (code page 932), one per key press.
std::vector<std::string> parseKeys(const std::string& script);

// Runs the program headless until its keys run out, it ends, or it reaches the error screen.
HeadlessResult runHeadless(const ProgramInfo& program, const HeadlessOptions& options);
