// The characters the programs draw, by the font state each is drawn in (drawn_characters.cpp,
// written by bench/glyph-census). Internal to the platform layer.
#pragma once

#include <span>

struct DrawnCharacters {
  const char8_t* face;  // the face name, as operations carry it
  float size;
  int magX, magY;
  bool bold, italic;
  const char8_t* characters;  // each drawn as a text of its own
};

std::span<const DrawnCharacters> drawnCharacters();
