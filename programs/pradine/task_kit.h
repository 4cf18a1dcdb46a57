// What the task scenes of Pradine's sections share: the answer boxes ① and ② of their practice
// line and the labels of the area diagrams of their explanations.
#pragma once

#include <initializer_list>
#include <string>

namespace pradine {

// An answer box of a task's line: 120 x 50 from (x, y), framed in `frame`, filled with `fill`,
// its text in colour 13. The layout cursor follows it: XI2 = its right edge, YI1 = y.
void TASKBOX(float x, float y, float frame, float fill, const std::string& text);

// The labels of an area diagram: elements 1 to 8 of F$() in order, the missing ones empty.
void DIAGRAMLABELS(std::initializer_list<const char*> labels);

}  // namespace pradine
