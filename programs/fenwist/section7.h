// Section 7: the answers to the exercises on page 27 of the textbook, one fixed page per item.
#pragma once

namespace fenwist {

// Item 1: exercise 1 (common factors) and, after a step wait, exercise 2 (the formulas).
void EXERCISE12ANSWERS();
// Items 2, 3 and 4: exercises 3, 4 and 5, each drawn whole at once.
void EXERCISE3ANSWERS();
void EXERCISE4ANSWERS();
void EXERCISE5ANSWERS();

}  // namespace fenwist
