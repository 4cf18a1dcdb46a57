// The sub-menu lines of a program as a pupil reads them on the bottom bar, where each section
// asks for its item: the scene walk (tools/scene_walk.h) opens every section, and the line
// reader (support/line_reader.h) reads its line, every glyph as drawn and the blanks between.
#pragma once

#include <cmath>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/platform/headless.h"
#include "support/line_reader.h"
#include "tools/scene_walk.h"
#include "tools/watched_run.h"

// The line of each section, by the main-menu item that opens it; an item that ends the program
// or only draws the menu again has none. Blanks before the line's first glyph stand before it.
inline std::map<int, std::string> subMenuLines(const ProgramInfo& program) {
  SceneWalk walk;
  HeadlessOptions options;
  options.keySource = [&walk] { return walk.nextKey(); };
  const HeadlessResult run = runWatched(program, options);
  // The walk knows each section's line by its glyphs alone: a half-width blank draws none.
  const auto glyphs = [](std::string text) {
    std::erase(text, ' ');
    return text;
  };
  constexpr float BAR_X = 16, BAR_Y = 666;
  std::map<int, std::string> lines;
  const std::vector<reading::Line> read = reading::readLines(run.ops);
  for (const SceneWalk::Section& section : walk.sections()) {
    for (const reading::Line& line : read) {
      if (line.kind != reading::Kind::Prompt || line.y != BAR_Y || glyphs(line.utf8()) != section.line) continue;
      const auto lead = static_cast<std::size_t>(std::lround((line.x - BAR_X) / line.blank()));
      lines[section.menuItem] = std::string(lead, ' ') + line.utf8();
      break;
    }
  }
  return lines;
}

// A table of lines written in UTF-8, as subMenuLines gives them.
inline std::map<int, std::string> linesAsWritten(std::initializer_list<std::pair<const int, const char8_t*>> lines) {
  std::map<int, std::string> table;
  for (const auto& [item, line] : lines) table[item] = reinterpret_cast<const char*>(line);
  return table;
}
