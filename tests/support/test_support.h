// Helpers for tests: run a program or a piece of engine code headless and look at what it drew.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/platform/headless.h"

// Where tests write pictures and other files (build/test-output/ in the build tree).
std::string outputPath(const std::string& name);

// Who a picture is for. A test that reads a picture back always gets it; pictures for a
// developer's eyes are written only when asked for, with TEST_PICTURES=1 in the environment.
enum class Seen { ByEyes, ByTest };
// Whether the environment asks for the pictures for eyes.
bool picturesAsked();
// outputPath(name), or "" for a picture for eyes that was not asked for: a run given an empty
// path (HeadlessOptions::pngPath, shotsDir) writes nothing there.
std::string picturePath(const std::string& name, Seen seen = Seen::ByEyes);

// Runs the program headless with the keys (see parseKeys) at the given clock time; the last
// picture, for eyes, goes to picturePath(pngName).
HeadlessResult runScript(const ProgramInfo& program, const std::string& keys, const std::string& time = "00:00:00",
                         const std::string& pngName = "");

// Runs body as the main menu of a program after the usual start-up, headless, with the keys.
// The body's runtime errors end on the error screen, as in a program.
HeadlessResult runRoutine(const std::function<void()>& body, const std::string& keys = "",
                          const std::string& pngName = "");

// The drawing operations of a run (keys left out).
std::vector<Op> drawn(const HeadlessResult& run);
// The text operations whose text is exactly text. Texts are given as the lessons write them
// (code page 932 literals) and compared with the log's UTF-8.
std::vector<Op> textsEqual(const HeadlessResult& run, const std::string& text);
// The text operations whose text contains part (code page 932).
std::vector<Op> textsContaining(const HeadlessResult& run, const std::string& part);
// All drawn texts joined in order, in UTF-8, for failure messages.
std::string allText(const HeadlessResult& run);

// The key presses of n step waits: a letter, which any step wait takes and every prompt drops.
std::string steps(int n);

// A clock time "HH:MM:SS" whose hours + minutes + seconds, the random seed, is seed (0 to 141).
std::string clockFor(int seed);

// Runs check(clock) at the clock time of every swept seed (sweptSeeds(): all 142 in the normal
// build). It goes on after a failing seed, as all of them take only a scene test's second or so,
// so that the failure tells a fault of one draw from a fault of every problem: every message of
// the first failing seed and the first message of each of the next four, each naming its seed
// and clock, then the list of all failing seeds.
void overSeedClocks(const std::function<void(const std::string& clock)>& check);
