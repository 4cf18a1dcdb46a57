// Section 3, mental arithmetic by factorising and expanding: its scenes.
#pragma once

namespace ombrel {

void INTRODRILLS();  // ① a²−b² with a+b = 100, then (t+u)(t−u): answers only
void EXAMPLE1();     // ② why 45²−35² = 80×10, and a drill factorising a²−b²
void ANSWERS3();     // ③ answers to the textbook's problem 3
void EXAMPLE2();     // ④ 11² and 21×19 by the expansion formulas
void PRACTICE();     // ⑤ drills on (t+u)² and (t+u)(t−u)
void ANSWERS4();     // ⑥ answers to the textbook's problem 4

}  // namespace ombrel
