// What the scenes of Pradine share beside the drill kit: the problems of the task scenes with
// their boxes ① and ②, the label and text columns of the pages and the labels of the area
// diagrams.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

namespace pradine {

// One problem of a task's practice loop, its numbers drawn: the window cleared; the heading
// "問　①,②を求めなさい。" at (left, 18) and `problem` 80 px under it at left + 44; 80 px lower
// "=x^2", box ① 20 px after it, the letter x `letterGap` px after box ① when the line has one, and
// box ② 20 px after what stands before it (their corners kept in X(1), Y(1) and X(2), Y(2)); a
// key; box ① drawn again holding `box1`, or covered when it has nothing to hold, and box ②
// holding T$(4); the next-step prompt.
void TASKPROBLEM(float left, const std::string& problem, std::optional<float> letterGap,
                 const std::optional<std::string>& box1);

// Moves the layout cursor to a column from y 30: labels at XI0 = left, texts at XI1 = left + 54.
void TEXTCOLUMN(float left);

// The labels of an area diagram: elements 1 to 8 of F$() in order, the missing ones empty.
void DIAGRAMLABELS(std::initializer_list<const char*> labels);

}  // namespace pradine
