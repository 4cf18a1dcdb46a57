#include "fonts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "platform.h"
#include "text_metrics.h"

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

// The italic letters a, x, c: their cells start well above the line, so the baseline lies below
// the cell to put them on the digits' baseline, with an x-height about 0.6 of a digit. Their
// full-width cells are three times as wide as their advances, in and out of fractions alike, and
// start 4 px into the advance: a letter centred an eighth of its cell from the corner stands in
// the middle of its advance, evenly spaced between the digits around it, also in a fraction's
// smaller, wider cells.
const Calibration SERIF{"Liberation Serif", 0.88, 1.115, 1.0, 0.0, 0.0, 0.125, false, nullptr};
// The script letter l, as tall as a digit and on the same baseline.
const Calibration SCRIPT{"DejaVu Sans", 0.86, 0.78, 1.0, 0.0, 0.0, 0.0, false, scriptEll};
// The gothic face: digits fill the normal line with a small margin, and exponents are smaller
// versions of the same glyphs.
const Calibration GOTHIC{"IPAGothic", 1.0, 0.86, 1.2, 0.75, 0.38, 0.0, true, nullptr};
// Figures and letters of a fraction's numerator and denominator. Their cells are 32 px wide and
// 32 high, but the gothic face's half-width figures are half as wide as high: drawn from it, 12
// over 18 read "1 2" over "1 8". They come instead from a sans face with wider figures, a quarter
// wider still, a little taller than the cell and centred in it, so that a number or a monomial
// reads as one word; the baseline leaves the fraction bar clear above a denominator and below a
// numerator.
const Calibration FRACTION_FIGURES{"Liberation Sans", 1.15, 0.9, 1.25, 0.0, 0.0, 0.25, false, nullptr};

bool ascii(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

// The half-width characters of a fraction's numerator and denominator are the only text of 10
// points or more whose half-width cell is at least as wide as it is high.
bool inFractionCell(const Op& op) { return op.size >= 10 && op.magX >= 2 * op.magY && ascii(op.text); }

const Calibration& calibrationFor(const Op& op) {
  if (op.face == "Times New Roman") return SERIF;
  if (op.face == "MT Extra") return SCRIPT;
  if (inFractionCell(op)) return FRACTION_FIGURES;
  return GOTHIC;  // "ゴシック", "ｺﾞｼｯｸ" and any other name
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

// The largest text cell drawn: a glyph beyond it covers more than the whole canvas.
constexpr double MAX_CELL = 4 * CANVAS_WIDTH;

// An exponent is raised gothic text at 16 points and magnification (3, 2), in a cell 24 px wide
// after the glyph it belongs to: its ink starts a pixel into the cell rather than centred in it,
// so that it stands by a letter or a closing bracket as in print.
constexpr double EXPONENT_INSET = 1.0 / 32;  // of the cell's height
bool exponent(const Op& op) { return op.size == 16 && op.magX == 3 && op.magY == 2 && op.text != "."; }

// An ordinary round bracket, a half-width "(" or ")" in a square cell: the gothic face draws it
// at the side of its cell that faces what it encloses, 8 px short of the next cell, where an
// exponent after ")" would stand apart from it. Drawn a fifth wider, growing away from what it
// encloses, it reaches towards what follows. Tall brackets have cells of their own shape.
constexpr double BRACKET_WIDENING = 1.2;
bool ordinaryBracket(const Op& op) { return (op.text == "(" || op.text == ")") && op.magX == op.magY; }

// cairo paints a text with its baseline on a whole device row, the nearest: where the window
// scales the canvas, that may lift a glyph whose ink starts within its cell's top canvas pixel
// (a bracket kept within its cell) into the device row above, which an erase of the cell does not
// cover, and a faint stroke of it stays behind. Such a glyph is lowered onto the cell's top row.
void keepBelowTheCellsTopRow(PlacedText& placed, double cellTop, const cairo_matrix_t& ctm) {
  if (ctm.yy <= 0 || ctm.xy != 0 || ctm.yx != 0) return;
  const cairo_text_extents_t& ink = textExtents(placed.font, placed.text);
  if (ink.height <= 0 || placed.y + ink.y_bearing < cellTop) return;  // meant to reach above it
  // The device row a canvas coordinate falls in, as a filled box's edge is rounded outwards.
  constexpr double ON_PIXEL = 1e-6;
  const double topRow = std::floor(ctm.yy * cellTop + ctm.y0 + ON_PIXEL);
  const double baselineRow = std::floor(ctm.yy * placed.y + ctm.y0 + 0.5);
  const double rise = ctm.yy * ink.y_bearing;  // from the baseline to the ink's top, in device pixels
  if (std::floor(baselineRow + rise + ON_PIXEL) >= topRow) return;
  const double lowered = std::ceil(topRow - rise - ON_PIXEL);
  placed.y = (lowered - ctm.y0) / ctm.yy;
}

}  // namespace

PlacedText placeText(const Op& op, const cairo_matrix_t& ctm) {
  const Calibration& c = calibrationFor(op);
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
  cairo_font_face_t* face = fontFace(c, op.bold, op.italic);
  PlacedText placed{op.x1, op.y1 + baseline, c.mapText ? c.mapText(op.text) : op.text, nullptr};
  placed.font = scaledFont(face, emX, emY, ctm);
  const cairo_text_extents_t ink = textExtents(placed.font, placed.text);
  if (c.centreAt > 0) placed.x += c.centreAt * cellWidth - ink.x_advance / 2;
  if (!c.centre) {
    keepBelowTheCellsTopRow(placed, op.y1, ctm);
    return placed;
  }
  if (exponent(op)) {
    placed.x += cellHeight * EXPONENT_INSET - ink.x_bearing;
  } else if (op.size >= 10) {
    // Small raised text (indices and exponents in fractions, the only text below 10 points)
    // stays by the glyph it belongs to; the rest is centred in its cells.
    placed.x += std::max(0.0, (halfCells(op.text) * cellWidth / 2 - ink.x_advance) / 2);
  }
  if (ordinaryBracket(op)) {
    // Widened, the bracket keeps the edge that faces what it encloses.
    const bool closing = op.text == ")";
    const double inner = placed.x + ink.x_bearing + (closing ? 0 : ink.width);
    placed.font = scaledFont(face, emX * BRACKET_WIDENING, emY, ctm);
    cairo_text_extents_t wide = textExtents(placed.font, placed.text);
    // The face's bracket reaches a pixel above its cell: kept within the cell's height, it leaves
    // nothing behind when the line's own erase, which starts at the cell's top, wipes it.
    const double top = placed.y + wide.y_bearing;
    if (top < op.y1 || top + wide.height > op.y1 + cellHeight) {
      placed.font = scaledFont(face, emX * BRACKET_WIDENING, emY * std::min(1.0, cellHeight / wide.height), ctm);
      wide = textExtents(placed.font, placed.text);
      placed.y = op.y1 - wide.y_bearing;
    }
    placed.x = inner - wide.x_bearing - (closing ? 0 : wide.width);
  }
  keepBelowTheCellsTopRow(placed, op.y1, ctm);
  return placed;
}

bool textPaintable(const Op& op) {
  const double w = static_cast<double>(op.size) * op.magX, h = static_cast<double>(op.size) * op.magY;
  return std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0 && w <= MAX_CELL && h <= MAX_CELL;
}

std::optional<EqualsBars> equalsBars(const Op& op) {
  if (op.text != "=" || &calibrationFor(op) != &GOTHIC) return std::nullopt;
  // In proportion to the cell's height; the pixels given are those of the typesetter's "=",
  // a 42-px cell whose corner stands 4 px into its 32-px advance. The bars with their round ends
  // span 20 px in the middle of the advance, clear of a fraction's bar on either side.
  const double h = static_cast<double>(op.size) * op.magY;
  const double middle = op.y1 + h * 23.5 / 42;  // 1.5 px below the plus's bar, 1.5 above a fraction's
  const double halfGap = h * 4.5 / 42;         // the bars 9 px apart, centre to centre
  return EqualsBars{op.x1 + h * 4.5 / 42, op.x1 + h * 20.5 / 42, middle - halfGap, middle + halfGap, h * 4 / 42};
}
