#include "glyph_warmup.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawn_characters.h"
#include "oplog.h"
#include "render.h"

namespace {

// Characters painted between two questions whether to stop: about a third of a millisecond,
// a few milliseconds at most where a slice makes a face's first scaled font, so a key pressed
// meanwhile waits less than a frame of the screen.
constexpr std::size_t CHARACTERS_A_SLICE = 8;

// The picture painted on shows this much of the canvas from its top-left corner, in canvas
// pixels: a text drawn at the corner has its glyph within it at any size the programs draw (the
// italic letters, the deepest, stand on a baseline 62 pixels down). That is all the painting
// needs, since cairo rasterises every glyph that touches the picture whole.
constexpr double SCRATCH_SIDE = 128;

std::size_t utf8Length(char lead) {
  const auto b = static_cast<unsigned char>(lead);
  return b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 4;
}

// Every drawn character as the text operation that draws it at the canvas's corner.
std::vector<Op> characterTexts() {
  std::vector<Op> texts;
  for (const DrawnCharacters& drawn : drawnCharacters()) {
    const std::string characters = reinterpret_cast<const char*>(drawn.characters);
    for (std::size_t i = 0; i < characters.size(); i += utf8Length(characters[i])) {
      Op op;
      op.kind = OpKind::Text;
      op.colour = 0;
      op.face = reinterpret_cast<const char*>(drawn.face);
      op.size = drawn.size;
      op.magX = drawn.magX;
      op.magY = drawn.magY;
      op.bold = drawn.bold;
      op.italic = drawn.italic;
      op.text = characters.substr(i, utf8Length(characters[i]));
      texts.push_back(std::move(op));
    }
  }
  return texts;
}

const std::vector<Op>& texts() {
  static const std::vector<Op> all = characterTexts();
  return all;
}

}  // namespace

std::size_t GlyphWarmup::size() { return texts().size(); }

std::size_t GlyphWarmup::warm(const cairo_matrix_t& ctm, const std::function<bool()>& stop) {
  const std::array<double, 4> scale{ctm.xx, ctm.yx, ctm.xy, ctm.yy};
  if (scale != scale_) {
    scale_ = scale;
    next_ = 0;
  }
  const std::vector<Op>& all = texts();
  if (next_ >= all.size()) return 0;
  // An image like the window's, whose font options the painting's scaled fonts share.
  const int side = static_cast<int>(std::ceil(SCRATCH_SIDE * std::max(std::fabs(ctm.xx), std::fabs(ctm.yy))));
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, side, side);
  cairo_t* cr = cairo_create(scratch);
  cairo_matrix_t atCorner = ctm;
  atCorner.x0 = atCorner.y0 = 0;
  cairo_set_matrix(cr, &atCorner);
  std::size_t painted = 0;
  while (next_ < all.size() && !stop()) {
    const std::size_t end = std::min(all.size(), next_ + CHARACTERS_A_SLICE);
    for (; next_ < end; ++next_, ++painted) paintOp(cr, all[next_]);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(scratch);
  return painted;
}
