// The engine's shared globals. Lessons and engine routines talk through these: a caller stores a
// routine's parameters here, calls it, and reads its results here. Every number starts at 0 and
// every string empty, as the programs expect. A trailing "$" of a name is written _S, an array _A.
#pragma once

#include <string>

#include "array.h"

// --- Program identity -------------------------------------------------------------------------
inline std::string TITLE_S;          // the running program's name, shown in the main menu
inline bool SCRIPT_L_TWO_RULES = false;  // the script letter l drawn by two rules (Ombrel) or one

// --- Drawing state ----------------------------------------------------------------------------
inline std::string AA_S;   // formula text to draw
inline float X = 0;        // text position; X comes back as the end of the drawn text
inline float Y = 0;
inline float CCC0 = 0;     // text colour saved by the step wait
inline float CCC1 = 0;     // text colour
inline float CCC2 = 0;     // line colour of boxes, arcs and arrows
inline float CCC3 = 0;     // second colour of boxes, arcs and arrows
inline float HABA = 0;     // box width; also the step in degrees between the dots of a dimension arc
inline float TATE = 0;     // box height; also the number of cells down a grid
inline float DR = 0;       // the one pen-width save slot of the whole engine

// --- Formula typesetter flags and results -----------------------------------------------------
inline float JYOU = 0;     // "^": the next eligible character is an exponent
inline float JYOUK = 0;    // "\": the next eligible character is a small high index
inline float HROOT = 0;    // state of the open root and its vinculum
inline float TXM = 0;
inline float KAKKO = 0;    // 1: the next "(" ... ")" pair is tall (one-shot)
inline float BUN = 0;      // 1 while a fraction's numerator or denominator is measured or drawn
inline float LLT = 0;      // width of a measured formula
inline float TBSIYAKX = 0; // where the last stacked fraction drew its numerator ...
inline float TBSIYAKY = 0;
inline float TBBOYAKX = 0; // ... and its denominator
inline float TBBOYAKY = 0;
inline std::string AA_A_S; // rest of the outer text while a fraction measures its parts

// --- Layout cursor of a scene -----------------------------------------------------------------
inline float XI1 = 0;      // left margin
inline float XI2 = 0;      // end of the last drawn text
inline float YI1 = 0;      // line of the last drawn text
inline float XI3 = 0;      // area-diagram origin
inline float YI3 = 0;

// --- Prompts and typed input ------------------------------------------------------------------
inline float KAIX = 0;     // prompt anchor
inline float KAIY = 0;
inline std::string AINP_S; // the text typed at a prompt
inline float AINP = 0;     // its value (a/b read as a divided by b)
inline float SENTAKU = 0;  // the sub-menu choice
inline std::string I_S;    // the last text read from the keyboard

// --- Random-draw memory -----------------------------------------------------------------------
inline float FMAESU = 0;

// --- Working globals: every engine call may overwrite these -----------------------------------
inline std::string A_S;
inline std::string B_S;
inline float I = 0;
inline float N = 0;
inline float N1 = 0;
inline float L = 0;
inline float LE = 0;
inline float LEM = 0;
inline float XT = 0;
inline float TX = 0;
inline float TY = 0;
inline float X1 = 0;
inline float X2 = 0;
inline float X3 = 0;
inline float X4 = 0;
inline float Y1 = 0;
inline float XX = 0;
inline float YY = 0;
inline float DX = 0;
inline float DY = 0;

// --- Shared arrays, dimensioned at start-up ---------------------------------------------------
inline Array1<float, 80> T_A;
inline Array1<std::string, 80> T_S_A;
inline Array1<float, 40> F_A;
inline Array1<std::string, 40> F_S_A;
inline Array1<float, 40> X_A;
inline Array1<float, 40> Y_A;
inline Array1<float, 40> U_A;
inline Array1<float, 40> V_A;
inline Array1<std::string, 20> X_S_A;
inline Array1<std::string, 20> Y_S_A;
inline Array1<std::string, 10> RAB_S_A;
inline Array2<float, 10, 2> G_A;
inline Array1<float, 10> R_A;

// --- Prompt text and number entry (glyph tables and their working values) ---------------------

// --- Number and figure helpers ----------------------------------------------------------------
