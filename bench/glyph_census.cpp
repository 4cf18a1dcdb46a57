// glyph-census: writes engine/platform/drawn_characters.cpp to standard output, the characters
// the four programs draw, by the font state each is drawn in. It walks every scene of every
// program headless (tools/scene_walk.h), at a few clock times so that the drills draw several
// sets of numbers, and gathers every text they draw. Run it by hand when lesson texts change:
//   build/bench/glyph-census > engine/platform/drawn_characters.cpp
// A character missing from the table is only slower the first time a page draws it; the test
// tests/palette/test_drawn_characters.cpp finds one.
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "engine/platform/headless.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"

namespace {

constexpr const char* PROGRAMS[] = {"corvale", "pradine", "fenwist", "ombrel"};
constexpr const char* CLOCK_TIMES[] = {"00:00:00", "10:20:30", "23:59:59"};
// Characters on one line of the table, each two columns wide at most.
constexpr std::size_t CHARACTERS_A_LINE = 40;

using FontState = std::tuple<std::string, float, int, int, bool, bool>;  // face, size, magX, magY, bold, italic

std::size_t utf8Length(char lead) {
  const auto b = static_cast<unsigned char>(lead);
  return b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 4;
}

// The characters as the body of a UTF-8 string literal, a line break after every few.
std::string literalLines(const std::set<std::string>& characters) {
  std::string out = "u8\"";
  std::size_t onLine = 0;
  for (const std::string& c : characters) {
    if (onLine == CHARACTERS_A_LINE) {
      out += "\"\n     u8\"";
      onLine = 0;
    }
    if (c == "\"" || c == "\\") out += '\\';
    out += c;
    ++onLine;
  }
  return out + "\"";
}

std::string number(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
  return text;
}

}  // namespace

int main() {
  std::map<FontState, std::set<std::string>> drawn;
  for (const char* name : PROGRAMS) {
    const ProgramInfo* program = findProgram(name);
    if (program == nullptr) {
      std::fprintf(stderr, "glyph-census: %s is not built\n", name);
      return 1;
    }
    for (const char* time : CLOCK_TIMES) {
      SceneWalk walk;
      HeadlessOptions options;
      options.time = time;
      options.keySource = [&walk] { return walk.nextKey(); };
      for (const Op& op : runHeadless(*program, options).ops) {
        if (op.kind != OpKind::Text) continue;
        std::set<std::string>& characters = drawn[{op.face, op.size, op.magX, op.magY, op.bold, op.italic}];
        for (std::size_t i = 0; i < op.text.size(); i += utf8Length(op.text[i]))
          characters.insert(op.text.substr(i, utf8Length(op.text[i])));
      }
    }
  }
  std::printf(
      "// The characters the four programs draw, by the font state each is drawn in: every text the\n"
      "// scene walk of each program draws. Written by bench/glyph-census; run it again when lesson\n"
      "// texts change.\n"
      "#include \"drawn_characters.h\"\n\n"
      "namespace {\n\n"
      "const DrawnCharacters DRAWN[] = {\n");
  for (const auto& [state, characters] : drawn) {
    const auto& [face, size, magX, magY, bold, italic] = state;
    std::printf("    {u8\"%s\", %s, %d, %d, %s, %s,\n     %s},\n", face.c_str(), number(size).c_str(), magX, magY,
                bold ? "true" : "false", italic ? "true" : "false", literalLines(characters).c_str());
  }
  std::printf(
      "};\n\n"
      "}  // namespace\n\n"
      "std::span<const DrawnCharacters> drawnCharacters() { return DRAWN; }\n");
  return 0;
}
