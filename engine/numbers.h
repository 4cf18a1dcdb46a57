// Fraction texts, greatest common divisor, number strings, the work-area clear, key flags and
// the fraction sum. Parameters and results are the globals of state.h.
#pragma once

void FRACTEXT();
void GCDLCM();
void REMAINDER();
void NUMSTRINGS();
void CLEARWORK();
void CLEARBAND();
void KEYFLAGS();
void KEYDRAIN();
void FRACSUM();
