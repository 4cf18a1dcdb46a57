// The drawing operations as the picture shows them: pixels read back from the headless PNG.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

#include "engine/platform/canvas.h"
#include "engine/platform/platform.h"
#include "engine/platform/render.h"
#include "engine/runtime.h"
#include "support/pictures.h"
#include "support/test_support.h"

namespace {

const Pixel WHITE = paletteColour(15);
const Pixel BLACK = paletteColour(0);

// The pixel on a circle about (cx,cy) at a fraction of a turn clockwise on the screen from the
// right-pointing direction (pixel coordinates name pixels, whose centres lie half a pixel on).
std::pair<int, int> onCircle(float cx, float cy, float r, double fraction) {
  const double a = fraction * 2 * std::numbers::pi;
  return {static_cast<int>(std::floor(cx + 0.5 + r * std::cos(a))),
          static_cast<int>(std::floor(cy + 0.5 + r * std::sin(a)))};
}

TEST(Drawing, ArcsRunClockwiseOnScreenFromTheRightAndWrapThroughTheRight) {
  struct Case {
    float start, end;
    std::vector<double> drawn, empty;  // fractions of a turn where the rim is or is not drawn
  };
  const Case cases[] = {
      {0, 0.25f, {0.05, 0.125, 0.2}, {0.375, 0.625, 0.875}},       // right to down
      {0.25f, 0.5f, {0.375}, {0.125, 0.625, 0.875}},               // down to left
      {0.5f, 0.75f, {0.625}, {0.125, 0.375, 0.875}},               // left to up
      {0.75f, 0.25f, {0.875, 0.0, 0.125}, {0.375, 0.5, 0.625}},    // start above end: through the right
      {0.875f, 0.125f, {0.95, 0.0, 0.05}, {0.25, 0.5, 0.75}},
      {0, 0, {0.0, 0.25, 0.5, 0.75}, {}},                          // both 0: the full circle
  };
  FE_SETDRAWWIDTH(3);
  for (std::size_t i = 0; i < std::size(cases); ++i)
    PsCIRCLE(120 + 220 * static_cast<float>(i), 300, 80, 0, cases[i].start, cases[i].end);
  const auto picture = pictureOfCanvas("platform-arcs.png");
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const float cx = 120 + 220 * static_cast<float>(i);
    SCOPED_TRACE(testing::Message() << "arc from " << cases[i].start << " to " << cases[i].end);
    for (double f : cases[i].drawn) {
      const auto [x, y] = onCircle(cx, 300, 80, f);
      EXPECT_TRUE(picture->anyNear(x - 1, y - 1, x + 1, y + 1, BLACK)) << "nothing drawn at " << f;
    }
    for (double f : cases[i].empty) {
      const auto [x, y] = onCircle(cx, 300, 80, f);
      EXPECT_FALSE(picture->anyNear(x - 3, y - 3, x + 3, y + 3, BLACK, 160)) << "drawn at " << f;
    }
  }
}

// A filled arc is the sector it bounds: interior in the paint colour, edge in the colour.
TEST(Drawing, FilledArcIsASector) {
  PsCIRCLE(400, 400, 150, 0, 0, 0.25f, true, 13);
  const auto picture = pictureOfCanvas("platform-sector.png");
  for (double f : {0.03, 0.125, 0.22}) {
    for (float r : {20.0f, 75.0f, 140.0f}) {
      const auto [x, y] = onCircle(400, 400, r, f);
      EXPECT_TRUE(closeTo(picture->at(x, y), paletteColour(13))) << f << " at radius " << r;
    }
  }
  for (double f : {0.375, 0.5, 0.625, 0.875}) {
    const auto [x, y] = onCircle(400, 400, 75, f);
    EXPECT_TRUE(closeTo(picture->at(x, y), WHITE)) << f;
  }
  // The two radii are part of the edge.
  EXPECT_TRUE(picture->anyNear(470, 399, 480, 401, BLACK));
  EXPECT_TRUE(picture->anyNear(399, 470, 401, 480, BLACK));
}

TEST(Drawing, FilledBoxHasItsEdgeInTheColourAndItsInteriorInTheSecondColour) {
  PsLINE(100, 100, 300, 200, 3, LineMode::FilledBox, 9);
  PsLINE(400, 100, 200, 100, 2, LineMode::FilledBox, 13, Corner::Step);  // (400,100) to (600,200)
  PsLINE(700, 100, 900, 200, 0, LineMode::FilledBox);                    // one colour: all of it
  PsLINE(1000, 100, 1200, 200, 5, LineMode::Box);                        // outline only
  PsLINE(100, 300, 300, 400, 0, LineMode::FilledBox, 12);
  PsLINE(100, 300, 300, 400, 15, LineMode::FilledBox, 15);               // a colour-15 box erases
  const auto picture = pictureOfCanvas("platform-boxes.png");
  EXPECT_TRUE(closeTo(picture->at(200, 150), paletteColour(9)));
  for (auto [x, y] : {std::pair{100, 150}, {300, 150}, {200, 100}, {200, 200}})
    EXPECT_TRUE(closeTo(picture->at(x, y), paletteColour(3))) << x << "," << y;
  EXPECT_TRUE(closeTo(picture->at(301, 150), WHITE));
  EXPECT_TRUE(closeTo(picture->at(500, 150), paletteColour(13)));
  EXPECT_TRUE(closeTo(picture->at(600, 200), paletteColour(2)));
  EXPECT_TRUE(closeTo(picture->at(601, 201), WHITE));
  EXPECT_TRUE(closeTo(picture->at(800, 150), BLACK));
  EXPECT_TRUE(closeTo(picture->at(1100, 150), WHITE));
  EXPECT_TRUE(closeTo(picture->at(1000, 150), paletteColour(5)));
  for (int x = 95; x <= 305; x += 5) EXPECT_TRUE(closeTo(picture->at(x, 350), WHITE)) << x;
}

// A device rectangle, right and bottom excluded, in whole pixels.
struct DeviceBox {
  int left, top, right, bottom;
};

// Where a window of the given size shows a canvas rectangle: the pixels it touches, and as many
// more on every side.
DeviceBox shownAt(int width, int height, double left, double top, double right, double bottom, int more) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  cairo_t* cr = cairo_create(surface);
  fitCanvas(cr, width, height);
  cairo_user_to_device(cr, &left, &top);
  cairo_user_to_device(cr, &right, &bottom);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return {static_cast<int>(std::floor(left)) - more, static_cast<int>(std::floor(top)) - more,
          static_cast<int>(std::ceil(right)) + more, static_cast<int>(std::ceil(bottom)) + more};
}

// The screens a class may have: projectors' 1024x768 and 1280x720, where the canvas is scaled
// down, the canvas's own size, and larger screens. On each, a filled box covers every device
// pixel that anything drawn inside it touched, so an erase leaves the background exactly (an
// antialiased edge would leave a faint frame of the box it erases), and a box's edge still shows
// in its own colour.
TEST(Drawing, AnEraseLeavesTheBackgroundExactlyOnEveryScreen) {
  PsLINE(96, 657, 400, 693, 13, LineMode::FilledBox, 4);  // the step box and its erase
  PsLINE(0, 657, 400, 693, 15, LineMode::FilledBox, 15);
  PsLINE(191.4f, 178.6f, 311.2f, 228.5f, 5, LineMode::FilledBox, 4);  // at fractional corners
  PsLINE(191.4f, 178.6f, 311.2f, 228.5f, 15, LineMode::FilledBox, 15);
  FE_SETDRAWWIDTH(1);  // text, a disc and a line inside a box's area, erased by the box
  PsSYMBOL40(801, 301, 1, 1, 0, "■");
  PsCIRCLE(830, 310, 6, 3, 0, 0, true);
  PsLINE(802, 330, 840, 330, 0);
  PsLINE(798, 298, 845, 335, 15, LineMode::FilledBox, 15);
  PsLINE(500, 300, 700, 340, 0, LineMode::FilledBox, 12);  // a box that stays
  struct Erased {
    double left, top, right, bottom;  // canvas pixels, right and bottom excluded
  };
  const Erased erased[] = {{0, 657, 401, 694}, {191, 178, 312, 229}, {798, 298, 846, 336}};
  for (const auto& [width, height] : {std::pair{1024, 768}, {1280, 720}, {1366, 768}, {1600, 900}, {1920, 1080},
                                     {2560, 1440}}) {
    SCOPED_TRACE(testing::Message() << width << "x" << height);
    ASSERT_TRUE(writeCanvasPng(outputPath("platform-erase.png"), width, height));
    const Picture picture(outputPath("platform-erase.png"));
    for (const Erased& e : erased) {
      const DeviceBox area = shownAt(width, height, e.left, e.top, e.right, e.bottom, 2);
      for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
          ASSERT_TRUE(closeTo(picture.at(x, y), WHITE, 0)) << "left at " << x << "," << y << " of " << e.left;
    }
    const DeviceBox edge = shownAt(width, height, 500, 320, 501, 321, 0);
    const DeviceBox inside = shownAt(width, height, 502, 320, 503, 321, 0);
    EXPECT_TRUE(closeTo(picture.at(edge.left - 1, edge.top), WHITE, 0));
    EXPECT_TRUE(closeTo(picture.at(edge.left, edge.top), BLACK, 0));
    EXPECT_TRUE(closeTo(picture.at(inside.left, inside.top), paletteColour(12), 0));
  }
}

// A window that keeps its picture paints a changed part of it afresh from the display list. Each
// part comes out exactly as painting the whole list leaves it, however its edges cut through what
// is drawn there: through bold gothic glyphs (cairo paints a glyph cut by an edge without the row
// of ink below its box that emboldening adds), a glyph whose origin falls half-way between two
// device pixels at 1280 x 720 (where the part's own coordinates would round it the other way),
// a prompt's glyphs drawn one by one on such origins at 1200 x 600 and 1440 x 720, italic letters,
// thick lines, discs, a dotted curve of overlapping discs and boxes, on every screen size, with
// the canvas scaled up, down or not at all. The scratch pixels are kept from part to part, as the
// window keeps them. The sanitizer build, where every repaint is many times slower, moves each
// edge a few device pixels at a time, from a different start on each screen; the normal build
// moves it by one.
TEST(Drawing, RepaintingPartOfThePictureLeavesItAsPaintingItWhole) {
#ifdef SAMPLE_SEED_SWEEPS
  constexpr int EDGE_STEP = 5;
#else
  constexpr int EDGE_STEP = 1;
#endif
  PsCLS();
  PsLINE(0, 0, 1320, 1300, 15, LineMode::FilledBox, 15);
  FE_SETFONTNAME("ゴシック");
  FE_SETFONTSIZE(16);
  FE_SETFONTBOLD(true);
  PsSYMBOL40(135, 30, 2, 3, 0, "分");
  PsSYMBOL40(88, 163, 3, 3, 3, "<");
  float x = 115;
  for (const char* c : {"計", "算", "の", "し", "か", "た"}) {
    PsSYMBOL40(x, 163, 2, 3, 3, c);
    x += 34;
  }
  PsSYMBOL40(x, 163, 3, 3, 3, ">");
  PsSYMBOL40(98, 238, 3, 3, 5, "(");
  PsSYMBOL40(206, 238, 3, 3, 5, ")");
  PsSYMBOL40(233, 238, 3, 3, 0, "=");
  FE_SETFONTNAME("Times New Roman");
  FE_SETFONTSIZE(8);
  FE_SETFONTITALIC(true);
  PsSYMBOL40(129, 216, 10, 7, 5, "c");
  FE_SETFONTITALIC(false);
  FE_SETFONTBOLD(false);
  // A dotted curve, each dot a disc drawn with a pen wider than itself over the one before: cairo
  // covers the pixels of a disc that a clip cuts through a level or two otherwise, all along it.
  FE_SETDRAWWIDTH(8);
  for (int k = 0; k < 40; ++k) {
    const auto step = static_cast<float>(k);
    PsCIRCLE(620 + 1.2f * step, 50 + 0.9f * step, 0.5f, 9, 0, 0, true);
  }
  FE_SETDRAWWIDTH(5);
  PsLINE(156, 260, 175, 260, 5);
  PsLINE(165, 248, 165, 272, 5);
  FE_SETDRAWWIDTH(3);
  PsCIRCLE(300, 250, 20.5f, 9);
  PsCIRCLE(360, 250, 0.5f, 9, 0, 0, true);
  PsCONNECT({{380, 230}, {420, 275}, {460, 231}}, 12);
  PsLINE(480, 230.5f, 560, 270.5f, 0, LineMode::FilledBox, 13);
  // A prompt's rows of one-cell glyphs, each drawn apart as the bottom bar draws them. Their
  // origins fall half-way between two device pixels at 1200 x 600 (every other glyph of the
  // first row) and at 1440 x 720 (the second row), and a few of them ("を") on numbers that
  // cairo, carrying a text's origin from device pixels to canvas pixels and back, brings a hair
  // below the half when the translation from canvas to device is other than a whole painting's.
  FE_SETFONTNAME("ゴシック");
  FE_SETFONTSIZE(16);
  FE_SETFONTBOLD(true);
  for (int k = 0; k < 8; ++k) {
    const char* glyph[] = {"大", "き", "い", "数", "を", "入", "力", "し"};
    PsSYMBOL40(16 + 16 * static_cast<float>(k), 100, 1, 1, 0, glyph[k]);
    PsSYMBOL40(952 + 16 * static_cast<float>(k), 118, 1, 1, 0, glyph[k]);
  }

  int screen = 0;
  for (const auto& [width, height] :
       {std::pair{1024, 768}, {1280, 720}, {1366, 768}, {1600, 900}, {1920, 1080}, {1200, 600}, {1440, 720}}) {
    SCOPED_TRACE(testing::Message() << width << "x" << height);
    const int start = screen++ % EDGE_STEP;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    paintWholeOnto(surface, canvas().displayList());
    // Bands whose top edge, then whose bottom edge, steps through the glyphs and the formula
    // below them, and bands whose left edge steps along the title and across the heading's glyph.
    const DeviceRect lines = devicePixels(Bounds{40, 20, 600, 300}, width, height);
    const DeviceRect glyphs = devicePixels(Bounds{80, 160, 200, 215}, width, height);
    const DeviceRect heading = devicePixels(Bounds{0, 25, 175, 80}, width, height);
    const DeviceRect prompt = devicePixels(Bounds{0, 95, 150, 140}, width, height);
    const DeviceRect secondPrompt = devicePixels(Bounds{940, 95, 1090, 140}, width, height);
    const DeviceRect dots = devicePixels(Bounds{610, 40, 680, 95}, width, height);
    // The rows the bands lie in (a repaint changes nothing outside its part) and two more.
    const std::size_t stride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface));
    unsigned char* rows = cairo_image_surface_get_data(surface) + stride * static_cast<std::size_t>(lines.y - 2);
    const std::size_t bytes = stride * static_cast<std::size_t>(lines.h + 4);
    const std::vector<unsigned char> whole(rows, rows + bytes);
    const auto check = [&](const DeviceRect& part) {
      repaintPixels(surface, part, canvas(), scratch);
      cairo_surface_flush(surface);
      EXPECT_EQ(std::memcmp(rows, whole.data(), bytes), 0)
          << "repainted " << part.w << "x" << part.h << " at " << part.x << "," << part.y;
      std::memcpy(rows, whole.data(), bytes);
      cairo_surface_mark_dirty(surface);
    };
    for (int y = lines.y + start; y < lines.y + lines.h; y += EDGE_STEP) {
      check({0, y, width, lines.y + lines.h - y});
      check({0, lines.y, width, y - lines.y + 1});
    }
    for (const DeviceRect& row : {glyphs, heading, prompt, secondPrompt, dots})
      for (int x = row.x + start; x < row.x + row.w; x += EDGE_STEP) check({x, row.y, row.x + row.w - x, row.h});
    cairo_surface_destroy(scratch);
    cairo_surface_destroy(surface);
  }
}

// A disc of radius 0.5 must still show, whatever the pen and its paint colour.
TEST(Drawing, HalfPixelDotIsVisible) {
  FE_SETDRAWWIDTH(1);
  PsCIRCLE(300.3f, 300.7f, 0.5f, 0, 0, 0, true);
  FE_SETDRAWWIDTH(3);
  PsCIRCLE(600, 300, 0.5f, 0, 0, 0, true, 13);
  PsCIRCLE(900, 300, 0.5f, 9, 0, 0, true);
  const auto picture = pictureOfCanvas("platform-dots.png");
  EXPECT_TRUE(picture->anyNear(298, 298, 303, 303, BLACK, 130));
  EXPECT_TRUE(picture->anyNear(597, 297, 603, 303, BLACK, 100));
  EXPECT_TRUE(picture->anyNear(897, 297, 903, 303, paletteColour(9), 60));
}

// The dots of the dotted arcs are small discs drawn with a pen wider than themselves: each must
// be solid to its centre, not a ring round a white hole.
TEST(Drawing, SmallDiscUnderAWidePenIsSolid) {
  for (int pen : {3, 5}) {
    FE_SETDRAWWIDTH(static_cast<float>(pen));
    PsCIRCLE(200.0f * static_cast<float>(pen), 300, 0.5f, 0, 0, 0, true);
  }
  const auto picture = pictureOfCanvas("platform-solid-dots.png");
  for (int pen : {3, 5}) EXPECT_TRUE(closeTo(picture->at(200 * pen, 300), BLACK, 60)) << "pen " << pen;
}

// The box of non-white pixels in a part of the picture.
struct Ink {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};
Ink inkIn(const Picture& p, int x1, int y1, int x2, int y2) {
  Ink ink;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (!closeTo(p.at(x, y), WHITE, 64)) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

// Magnification scales a glyph's cell by two whole numbers: at size 16, 1 by 1 is 16 by 16 and
// h by v is 16h by 16v. The glyph stays inside its cell; the same magnification both ways
// scales it as a whole.
TEST(Drawing, TextMagnificationScalesTheGlyphs) {
  struct Case {
    int magX, magY;
    float x;
  };
  const Case cases[] = {{1, 1, 100}, {2, 2, 200}, {3, 3, 300}, {2, 3, 400}, {4, 2, 500}};
  FE_SETFONTNAME("ゴシック");
  FE_SETFONTSIZE(16);
  for (const Case& c : cases) PsSYMBOL40(c.x, 100, c.magX, c.magY, 0, "■");
  const auto picture = pictureOfCanvas("platform-magnification.png");
  std::vector<Ink> inks;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.magX << " by " << c.magY);
    const int x = static_cast<int>(c.x);
    const Ink ink = inkIn(*picture, x - 20, 60, x + 99, 200);
    ASSERT_GE(ink.right, ink.left);
    EXPECT_GE(ink.left, x - 2);
    EXPECT_LE(ink.right, x + 16 * c.magX + 2);
    EXPECT_GE(ink.top, 100 - 4);
    EXPECT_LE(ink.bottom, 100 + 16 * c.magY + 4);
    inks.push_back(ink);
  }
  const auto width = [](const Ink& i) { return static_cast<double>(i.right - i.left + 1); };
  const auto height = [](const Ink& i) { return static_cast<double>(i.bottom - i.top + 1); };
  EXPECT_GT(width(inks[0]), 8);
  EXPECT_NEAR(width(inks[1]) / width(inks[0]), 2, 0.25);
  EXPECT_NEAR(height(inks[1]) / height(inks[0]), 2, 0.25);
  EXPECT_NEAR(width(inks[2]) / width(inks[0]), 3, 0.35);
  EXPECT_NEAR(height(inks[2]) / height(inks[0]), 3, 0.35);
  EXPECT_GT(height(inks[3]), height(inks[1]) + 2);  // 2 by 3 is taller than 2 by 2
  EXPECT_GT(width(inks[4]), width(inks[1]) + 2);    // 4 by 2 is wider than 2 by 2
}

// Coordinates and sizes may be fractional, enormous, infinite or not numbers at all: each
// operation draws what of it falls on the canvas, or nothing, and never fails or stops later
// operations from drawing.
TEST(Drawing, FarOutCoordinatesAreClippedAndNeverFail) {
  const float big = 1e30f, inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  const HeadlessResult run = runRoutine(
      [=] {
        for (float v : {big, -big, inf, -inf, nan, 3e38f}) {
          PsLINE(v, v, -v, 5, 0);
          PsLINE(100, 100, v, v, 0, LineMode::Box);
          PsLINE(v, 100, 100, v, 0, LineMode::FilledBox, 12, Corner::Step);
          PsCIRCLE(v, v, 50, 0);
          PsCIRCLE(v, 100, std::fabs(v), 0, 0.1f, 0.6f, true, 12);
          PsCIRCLE(683, 384, std::fabs(v), 0, 0, 0, false);
          PsCIRCLE(683, 384, 40, 0, v, v);
          PsCONNECT({{v, 0}, {0, v}, {v, v}}, 0);
          PsSYMBOL40(v, v, 1, 1, 0, "ｱ");
        }
        // Text in sizes and magnifications that no glyph can have.
        for (float size : {0.0f, -16.0f, big, inf, nan}) {
          FE_SETFONTSIZE(size);
          PsSYMBOL40(200, 600, 1, 1, 0, "ｱ");
        }
        FE_SETFONTSIZE(16);
        PsSYMBOL40(200, 600, 1 << 30, 1 << 30, 0, "ｱ");
        FE_SETDRAWWIDTH(1e9f);
        PsLINE(-5000, -5000, -4000, -4000, 0);
        FE_SETDRAWWIDTH(3);
        // Afterwards everything still draws.
        PsLINE(10, 700, 60, 750, 3, LineMode::FilledBox, 9);
      });
  EXPECT_FALSE(run.error);
  const auto picture = pictureOfCanvas("platform-far-out.png");
  EXPECT_TRUE(closeTo(picture->at(35, 725), paletteColour(9)));
  EXPECT_TRUE(closeTo(picture->at(10, 725), paletteColour(3)));
}

TEST(Drawing, FarOutLinesShowTheirPartOnTheCanvas) {
  PsLINE(-1e30f, 300, 1e30f, 300, 0);
  PsLINE(0, 0, 1e30f, 1e30f, 5);
  PsCONNECT({{-1e30f, 600}, {683, 600}, {683, 1e30f}}, 3);
  const auto picture = pictureOfCanvas("platform-far-lines.png");
  for (int x : {0, 400, 1365}) EXPECT_TRUE(closeTo(picture->at(x, 300), BLACK)) << x;
  for (int t : {50, 500, 700}) EXPECT_TRUE(closeTo(picture->at(t, t), paletteColour(5), 40)) << t;
  EXPECT_TRUE(closeTo(picture->at(10, 600), paletteColour(3)));
  EXPECT_TRUE(closeTo(picture->at(683, 760), paletteColour(3)));
}

// A circle too large for the drawing library is still drawn where its rim crosses the canvas.
TEST(Drawing, HugeCirclesShowTheirPartOnTheCanvas) {
  FE_SETDRAWWIDTH(3);
  PsCIRCLE(683, 300 + 1e7f, 1e7f, 0);             // its rim runs level through y 300
  PsCIRCLE(683, 384, 1e30f, 3);                   // its rim is far away: nothing shows
  PsCIRCLE(-1e7f + 1000, 600, 1e7f, 5, 0, 0, true, 13);  // everything left of x 1000 is inside
  const auto picture = pictureOfCanvas("platform-huge-circles.png");
  for (int x : {1005, 1200, 1365}) EXPECT_TRUE(closeTo(picture->at(x, 300), BLACK)) << x;
  EXPECT_FALSE(picture->anyNear(0, 100, 1365, 250, paletteColour(3)));
  // A full circle has no seam where a polygon of it might begin.
  EXPECT_FALSE(picture->anyNear(0, 590, 990, 610, paletteColour(5), 60));
  EXPECT_TRUE(closeTo(picture->at(500, 600), paletteColour(13)));
  EXPECT_TRUE(closeTo(picture->at(1000, 600), paletteColour(5)));
  EXPECT_TRUE(closeTo(picture->at(1100, 600), WHITE));
}

TEST(Drawing, HugeFilledDiscCoversTheCanvas) {
  PsCIRCLE(683, 384, 1e30f, 0, 0, 0, true, 9);
  const auto picture = pictureOfCanvas("platform-huge-disc.png");
  for (auto [x, y] : {std::pair{0, 0}, {683, 384}, {1365, 767}})
    EXPECT_TRUE(closeTo(picture->at(x, y), paletteColour(9))) << x << "," << y;
}

}  // namespace
