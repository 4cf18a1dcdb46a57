// Which installed face answers each requested face name, and how its glyphs sit in a text cell.
#pragma once

#include <cairo.h>

#include <string>

struct FaceMetrics {
  cairo_font_face_t* face;  // owned by the face cache
  double scale;             // glyph size as a fraction of the cell height
  double baseline;          // baseline below the cell's top, as a fraction of the cell height
  std::string (*mapText)(const std::string& utf8);  // glyph substitution for symbol faces, or null
};

// The face for a requested name (UTF-8), bold and italic. Unknown names get the gothic face.
const FaceMetrics& faceFor(const std::string& name, bool bold, bool italic);
