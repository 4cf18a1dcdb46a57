// Section 1, numbers written with letters: its scenes.
#pragma once

namespace ombrel {

void MULTIPLES();    // ① multiples of 3 as 3n, with the table -9 = 3×(-3) ... 9 = 3×3
void EVENNUMBERS();  // ② even numbers as 2n
void ODDNUMBERS();   // ③ odd numbers as 2n+1, 2n-1 and other forms
void CONSECUTIVE();  // ④ consecutive and arbitrary even and odd numbers, two pages
void FORMSSUMMARY(); // ⑤ the summary of the section's forms

}  // namespace ombrel
