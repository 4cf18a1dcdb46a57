// The drawing idioms every lesson scene is written with: text lines through the formula
// typesetter, boxes holding a formula, dotted dimension arcs, erasing boxes and the two clears.
#pragma once

#include <optional>
#include <string>

namespace common {

// A text line: CCC1, X, Y and AA$ set and the formula typesetter called; then the layout cursor
// follows it, XI2 = the text's end and YI1 = its line.
void textLine(float x, float y, float colour, const std::string& text);
// A text line that continues the last one: at (XI2, YI1).
void textAfter(float colour, const std::string& text);
// A text drawn at a remembered place or into a figure: the layout cursor stays. X comes back as
// the text's end.
void textAt(float x, float y, float colour, const std::string& text);

// How a formula box looks: its width and height, the colour of its text, of its frame and of its
// fill.
struct BoxStyle {
  float width, height;
  float text, frame, fill;
};

// Where a box stands: its top-left corner at y (BOXFORMULA), or centred on the text line y with
// its text on that line (BOXFORMULAMID).
enum class BoxAt { Corner, TextLine };

// A box with text centred in it, from x. Drawn again at the same place and size it covers what
// the box showed. The layout cursor stays; X comes back as the box's right edge.
void formulaBox(float x, float y, const BoxStyle& style, const std::string& text, BoxAt at = BoxAt::Corner);
// A formulaBox that the layout cursor follows: XI2 = its right edge, YI1 = y.
void formulaBoxLine(float x, float y, const BoxStyle& style, const std::string& text, BoxAt at = BoxAt::Corner);

// How a dotted dimension arc (SPANARC) looks: the side it bulges to (houkou 1 left of a side drawn
// downwards and below one drawn rightwards, -1 the other way), the degrees between its dots, its
// bulge (takasa: in units of 16 px up to 15, else in px) and the colour of its dots.
struct ArcStyle {
  float houkou, haba, takasa, dots;
};

// The label at an arc's apex: its text, its colour, and how far its top moves down.
struct ArcLabel {
  std::string text;
  float colour = 0;
  float dy = 0;
};

// A dotted arc from (x0, y0) to (x1, y1). Without a label the label's globals (AAA$, CCC1, AAAY)
// stay as they are; SPANARC empties AAA$, so an arc after an arc has none.
void spanArc(float x0, float y0, float x1, float y1, const ArcStyle& style,
             const std::optional<ArcLabel>& label = std::nullopt);

// A filled colour-15 box from (x, y) over width x height: erases that area to the background.
void eraseBox(float x, float y, float width, float height);
// The scene clear: from (0,0) over 1320 x 1300.
void clearScene();
// The clear of the whole window: from (0,0) over 1760 x 1800.
void clearWindow();

}  // namespace common
