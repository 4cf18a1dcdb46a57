// What the scenes of Pradine share beside the drill kit: the boxes they write answers into, the
// answer line of the task scenes with its boxes ① and ②, and the labels of the area diagrams.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

namespace pradine {

// How a box looks: its width and height, the colour of its text, of its frame and of its fill.
struct BoxStyle {
  float width, height;
  float text, frame, fill;
};

// Boxes ① and ② of a task's answer line.
inline constexpr BoxStyle TASK_BOX1{120, 50, 13, 5, 4};
inline constexpr BoxStyle TASK_BOX2{120, 50, 13, 7, 6};

// A box with its text, its top-left corner at (x, y). The layout cursor follows it: XI2 = its
// right edge, YI1 = y.
void BOXAT(float x, float y, const BoxStyle& style, const std::string& text);
// A box from x centred on the text line y, its text on that line. The layout cursor follows it:
// XI2 = its right edge, YI1 = y.
void BOXONLINE(float x, float y, const BoxStyle& style, const std::string& text);

// The answer line of a task, 80 px under the line YI1: "=x^2" at XI1 + 44, box ① 20 px after it,
// then the letter x `letterGap` px after box ① when the line has one, and box ② 20 px after what
// stands before it. The boxes hold "①" and "②"; their corners are kept in X(1), Y(1) and X(2),
// Y(2), so that they can be drawn again in place.
void TASKANSWERLINE(std::optional<float> letterGap);

// The labels of an area diagram: elements 1 to 8 of F$() in order, the missing ones empty.
void DIAGRAMLABELS(std::initializer_list<const char*> labels);

}  // namespace pradine
