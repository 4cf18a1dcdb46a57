#include "fonts.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// How one requested face is drawn. The magnifications of the typesetter stretch cells up to
// three times wider than high (and a little narrower than square), as the original bitmap
// magnification did; glyphs drawn that way look nothing like print, so the em is kept within
// a range of proportions and the glyph centred in its cells where the face's cells are its
// advances. Every value was tuned by eye on the typesetter's specimen sheet.
struct Calibration {
  const char* fontconfigName;
  double scale;      // em height as a fraction of the cell height
  double baseline;   // baseline below the cell's top, as a fraction of the cell height
  double maxWiden;   // the em may be at most this much wider than high ...
  double maxNarrow;  // ... and at least this fraction of its height wide; beyond it the em is lowered
  double axis;       // height above the baseline, in ems, that stays put when the em is lowered
  double centreAt;   // where the glyphs' advance is centred, in full-width cells from the text's
                     // corner; 0 puts the glyph origin at the corner
  bool centre;       // centre the glyphs in their cells (the gothic face, whose cells are its advances)
  std::string (*mapText)(const std::string& utf8);
};

// "MT Extra" is asked for only to draw the script letter l.
std::string scriptEll(const std::string& utf8) {
  std::string out;
  for (char c : utf8) out += c == 'l' ? std::string("\xE2\x84\x93") /* U+2113 in UTF-8 */ : std::string(1, c);
  return out;
}

const Calibration& calibrationFor(const std::string& name) {
  // The italic letters a, x, c: their cells start well above the line, so the baseline lies
  // below the cell to put them on the digits' baseline, with an x-height about 0.6 of a digit.
  // Their full-width cells are three times as wide as their advances, in and out of fractions
  // alike, and start 4 px into the advance: a letter centred an eighth of its cell from the
  // corner stands in the middle of its advance, evenly spaced between the digits around it,
  // also in a fraction's smaller, wider cells.
  static const Calibration serif{"Liberation Serif", 0.88, 1.115, 1.0, 0.0, 0.0, 0.125, false, nullptr};
  // The script letter l, as tall as a digit and on the same baseline.
  static const Calibration script{"DejaVu Sans", 0.86, 0.78, 1.0, 0.0, 0.0, 0.0, false, scriptEll};
  // The gothic face: digits fill the normal line with a small margin, and fraction digits and
  // exponents are smaller versions of the same glyphs.
  static const Calibration gothic{"IPAGothic", 1.0, 0.86, 1.2, 0.75, 0.38, 0.0, true, nullptr};
  if (name == "Times New Roman") return serif;
  if (name == "MT Extra") return script;
  return gothic;  // "ゴシック", "ｺﾞｼｯｸ" and any other name
}

cairo_font_face_t* fontFace(const Calibration& c, bool bold, bool italic) {
  static std::map<std::tuple<const Calibration*, bool, bool>, cairo_font_face_t*> cache;
  const auto key = std::make_tuple(&c, bold, italic);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  cairo_font_face_t* face =
      cairo_toy_font_face_create(c.fontconfigName, italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                 bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  return cache.emplace(key, face).first->second;
}

// The width of the text's cells, counted in half-width cells: ASCII and half-width katakana take
// one, every other character two.
int halfCells(const std::string& utf8) {
  int cells = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char b = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 4;
    bool half = n == 1;
    if (n == 3 && i + 2 < utf8.size()) {
      const unsigned cp = ((b & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                          (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
      half = cp >= 0xFF61 && cp <= 0xFF9F;
    }
    cells += half ? 1 : 2;
    i += n;
  }
  return cells;
}

}  // namespace

PlacedText placeText(cairo_t* cr, const Op& op) {
  const Calibration& c = calibrationFor(op.face);
  const double cellWidth = static_cast<double>(op.size) * op.magX;  // a full-width cell
  const double cellHeight = static_cast<double>(op.size) * op.magY;
  double emX = cellWidth * c.scale;
  double emY = cellHeight * c.scale;
  double baseline = cellHeight * c.baseline;
  if (emX > emY * c.maxWiden) emX = emY * c.maxWiden;
  if (emX < emY * c.maxNarrow) {
    const double lowered = emX / c.maxNarrow;
    baseline -= c.axis * (emY - lowered);
    emY = lowered;
  }
  cairo_set_font_face(cr, fontFace(c, op.bold, op.italic));
  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, emX, emY);
  cairo_set_font_matrix(cr, &matrix);
  PlacedText placed{op.x1, op.y1 + baseline, c.mapText ? c.mapText(op.text) : op.text};
  if (c.centreAt > 0) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, placed.text.c_str(), &extents);
    placed.x += c.centreAt * cellWidth - extents.x_advance / 2;
  }
  // Small raised text (exponents and indices, the only text below 10 points) stays by the glyph
  // it belongs to.
  if (c.centre && op.size >= 10) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, placed.text.c_str(), &extents);
    placed.x += std::max(0.0, (halfCells(op.text) * cellWidth / 2 - extents.x_advance) / 2);
  }
  return placed;
}
