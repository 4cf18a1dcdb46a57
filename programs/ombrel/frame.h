// The practice loop of Ombrel's sections: a practice scene gives its generator and the drawing of
// one problem. (The aim screen and the sub-menu loop of a section are common::SHOWAIM and
// common::SECTIONMENU.)
#pragma once

#include "programs/common/section_menu.h"

namespace ombrel {

using common::Routine;

// The practice loop: the practice area U(31),V(31)-U(32),V(32) is 640 x 300 with its top-left
// corner at (XI0, YI1 + d). Each pass produces a problem (NUMSTRINGS follows it), sets
// YI1 = V(31) + 20, erases the area, draws the problem with drawProblem and asks at the
// next-step prompt; typing 1 ends the loop, any other entry gives the next problem.
void PRACTICELOOP(float d, Routine produce, Routine drawProblem);

}  // namespace ombrel
