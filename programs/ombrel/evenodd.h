// Section 2, even and odd properties: its scenes.
#pragma once

namespace ombrel {

void BANDFIGURE();  // ① the marching band: 4 × 6 + 1 members regrouped as 5 × 5
void EVENTABLE();   // ② the table for consecutive even numbers and its conjecture
void EVENPROOF();   // ③ the proof for even numbers
void ODDTABLE();    // ④ the table for consecutive odd numbers and its conjecture
void ODDPROOF();    // ⑤ the proof for odd numbers

}  // namespace ombrel
