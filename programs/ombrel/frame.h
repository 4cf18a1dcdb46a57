// The frame every Ombrel section follows: the aim screen and the practice loop (the sub-menu
// loop is common::SECTIONMENU). A section gives only its own data: its aim line, its sub-menu line
// and its scenes; a practice scene gives its generator and the drawing of one problem.
#pragma once

#include "programs/common/section_menu.h"

namespace ombrel {

using common::Routine;

// The aim screen: "<めあて>" at (44,240) in colour 5 and the aim line under it at (76,305) in
// colour 0. Leaves XI1 = 44, XI2 at the end of the aim line and YI1 = 305.
void SHOWAIM(const char* aim);

// The practice loop: the practice area U(31),V(31)-U(32),V(32) is 640 x 300 with its top-left
// corner at (XI0, YI1 + d). Each pass produces a problem (NUMSTRINGS follows it), sets
// YI1 = V(31) + 20, erases the area, draws the problem with drawProblem and asks at the
// next-step prompt; typing 1 ends the loop, any other entry gives the next problem.
void PRACTICELOOP(float d, Routine produce, Routine drawProblem);

}  // namespace ombrel
