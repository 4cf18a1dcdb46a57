// Key scripts read one key press per character, and a headless run that keeps only what it
// was asked for.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/platform/canvas.h"
#include "engine/platform/keys.h"
#include "engine/platform/platform.h"
#include "engine/prompts.h"
#include "support/test_support.h"

namespace {

// Narrow literals are code page 932; the scripts a shell passes are UTF-8.
std::string utf8(const char8_t* s) { return reinterpret_cast<const char*>(s); }

// A character the code page lacks is one key press however many bytes it takes in UTF-8;
// characters it has are typed as they are.
TEST(KeyScript, OneKeyPerCharacter) {
  const struct {
    const char8_t* script;
    std::vector<std::string> keys;
  } cases[] = {
      {u8"é", {OTHER_KEY}},
      {u8"€1", {OTHER_KEY, "1"}},
      {u8"😀\\n", {OTHER_KEY, "\r"}},
      {u8"aéb", {"a", OTHER_KEY, "b"}},
      {u8"１ｱ表?", {"１", "ｱ", "表", "?"}},
      {u8"\\é\\\\", {OTHER_KEY, "\\"}},  // an escaped character stands for itself
  };
  for (const auto& c : cases) EXPECT_EQ(parseKeys(utf8(c.script)), c.keys) << utf8(c.script);
  // (Outside a macro: its argument's text must keep to the code page.)
  const std::vector<std::string> typed = keysOfUtf8(utf8(u8"é€😀あ"));
  EXPECT_EQ(typed, (std::vector<std::string>{OTHER_KEY, OTHER_KEY, OTHER_KEY, "あ"}));
}

// A script in code page 932 (a test's narrow literals): a double-byte character is one key,
// a lead byte at the very end stands alone.
TEST(KeyScript, CodePageScripts) {
  EXPECT_EQ(parseKeys("表1\\n"), (std::vector<std::string>{"表", "1", "\r"}));
  const std::string lone = std::string("1") + '\x88';
  EXPECT_EQ(parseKeys(lone), (std::vector<std::string>{"1", "\x88"}));
}

// One press of é ends one step wait, not one per byte of it.
TEST(KeyScript, ACharacterOutsideTheCodePageEndsOneStepWait) {
  int waitsEnded = 0;
  runRoutine(
      [&] {
        for (int i = 0; i < 3; ++i) {
          STEPWAIT();
          ++waitsEnded;
        }
      },
      utf8(u8"é"));
  EXPECT_EQ(waitsEnded, 1);
}

// A generated keyboard: keys as long as the source gives them, then the run ends cleanly.
TEST(Headless, KeysFromASource) {
  int given = 0;
  HeadlessOptions options;
  options.keySource = [&]() -> std::string { return given < 3 ? std::to_string(given++) : ""; };
  runHeadless(ProgramInfo{"Source",
                          [] {
                            for (;;) PfINKEY24();
                          },
                          false},
              options);
  EXPECT_EQ(given, 3);
}

// Without keepOps nothing of the run is kept; with a stream, each operation's line is there
// as soon as it is drawn, and the keys' lines as soon as they are read.
TEST(Headless, KeepsOnlyWhatItWasAskedFor) {
  std::ostringstream written;
  static std::ostringstream* out;
  static std::string seenAtKey;
  static std::size_t keptDuringRun;
  out = &written;
  HeadlessOptions options;
  options.keys = "ab";
  options.keepOps = false;
  options.opsOut = &written;
  const HeadlessResult run = runHeadless(ProgramInfo{"Log",
                                                     [] {
                                                       PsSYMBOL40(10, 20, 1, 1, 0, "one");
                                                       PfINKEY24();
                                                       seenAtKey = out->str();
                                                       keptDuringRun = canvas().log().size();
                                                       PsLINE(1, 2, 3, 4, 5);
                                                       PfINKEY24();
                                                     },
                                                     false},
                                         options);
  EXPECT_TRUE(run.ops.empty());
  EXPECT_EQ(keptDuringRun, 0u);
  EXPECT_NE(seenAtKey.find("\"one\"\nKEY \"a\"\n"), std::string::npos) << seenAtKey;
  const std::string all = written.str();
  EXPECT_TRUE(all.ends_with("\nLINE 1,2 3,4 c5 w3\nKEY \"b\"\n")) << all;
}

}  // namespace
