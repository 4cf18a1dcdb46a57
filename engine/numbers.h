// Fraction texts, greatest common divisor, number strings, the work-area clear, key flags and
// the fraction sum. Parameters and results are the globals of state.h.
#pragma once

#include <string>

// The fraction DS/DB reduced and written as markup texts (A1$ ... TKAI2$, YAK, YAK1, X3, X4).
void FRACTEXT();
// Greatest common divisor (X3) and least common multiple (X4) of DS and DB by Euclid.
void GCDLCM();
// x - y * INT(x / y): the remainder Euclid's algorithm steps with.
float REMAINDER(float x, float y);
// T$() and F$() from T() and F(), each text without blanks.
void NUMSTRINGS();
// Clears the work area (0,54)-(1440,900).
void CLEARWORK();
// Clears the band to the right of the prompt anchor; X, Y = its top-left corner.
void CLEARBAND();
// FKIG = 1 and HHKIG = its number when I$ is one of the ten command keys, else FKIG = 0.
void KEYFLAGS();
// Discards every key pressed and not yet read; I$ = "".
void KEYDRAIN();
// DSM1/DBM1 + DSM2/DBM2 over the common denominator, written as markup texts.
void FRACSUM();

// The number routines' way of turning a number text into digits: the text goes through A$ and
// STRIPBLANKS, which leave their working globals as they always do; returns the result.
std::string blankFree(const std::string& text);
