// The drawing, keyboard, clock, font and window operations the engine and the lessons use.
// They paint a retained canvas of 1366 x 768 logical pixels, origin top left, y downwards;
// anything outside it is clipped. A back end (a real window or the headless runner) shows it.
#pragma once

#include <initializer_list>
#include <string>

inline constexpr int CANVAS_WIDTH = 1366;
inline constexpr int CANVAS_HEIGHT = 768;

enum class LineMode { Line, Box, FilledBox };
// How the second point of PsLINE is read: as a point, or as an offset from the first (STEP).
enum class Corner { Absolute, Step };

struct Point {
  float x;
  float y;
};

// A line, a box outline or a filled box from (x1,y1) to (x2,y2). A filled box has its edge in
// colour and its interior in fillColour (colour too when fillColour is -1).
void PsLINE(float x1, float y1, float x2, float y2, int colour, LineMode mode = LineMode::Line, int fillColour = -1,
            Corner corner = Corner::Absolute);
// A circle of the given radius, or with start/end (fractions of a turn, clockwise on screen from
// the right-pointing direction, wrapping through it when start > end; both 0 for a full circle)
// an arc. Filled: a disc, or for an arc the sector it bounds, its interior in paintColour when
// that is given (not -1) and its edge in colour.
void PsCIRCLE(float cx, float cy, float radius, int colour, float start = 0, float end = 0, bool filled = false,
              int paintColour = -1);
// A polyline through the points in order.
void PsCONNECT(std::initializer_list<Point> points, int colour);
// Text (code page 932) in the current font with its top-left corner at (x,y), magnified by whole numbers.
void PsSYMBOL40(float x, float y, int magX, int magY, int colour, const std::string& text);
// Clears the whole canvas to colour 15.
void PsCLS();

// The waiting key as a one-character text, "" when none is waiting. Printable keys as typed,
// Enter 13, Backspace 8, Delete 12, any other key some other non-empty text. A poll that finds no
// key returns at once; polled again with the picture unchanged, the window sleeps until its next
// event, so a wait costs nothing.
std::string PfINKEY24();
// The clock as "hh:mm:ss".
std::string PfTIME24();

void FE_SETMAPMODE();
void FE_MAXIMIZEWINDOW();
void FE_SETFONTNAME(const std::string& face);
void FE_SETFONTSIZE(float size);
void FE_SETFONTBOLD(bool on);
void FE_SETFONTITALIC(bool on);
void FE_SETDRAWWIDTH(float width);
float FE_GETDRAWWIDTH();

// While a measuring run is under way nothing is drawn or logged: the typesetter lays a text out
// to learn its width without painting it.
class MeasuringRun {
 public:
  MeasuringRun();
  ~MeasuringRun();
  MeasuringRun(const MeasuringRun&) = delete;
  MeasuringRun& operator=(const MeasuringRun&) = delete;
};

// Keeps the window responsive while the error screen idles; returns only by ending the program.
[[noreturn]] void idleForever();
