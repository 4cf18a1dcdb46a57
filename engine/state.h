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
inline float HROOT = 0;    // the open root: 0 none, 1 root sign, 11 small one in a fraction, 22 tall one
inline float TXM = 0;      // x where the open root's bar starts; with no root open it follows the glyphs
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


// --- Parameters, results and working values of the engine's routines, by name ----------------
// (each routine's header says which of these it reads and writes)
inline float A = 0;
inline float A1 = 0;
inline std::string A1_S;
inline std::string A11_S;
inline float A2 = 0;
inline std::string A2_S;
inline std::string A21_S;
inline std::string A3_S;
inline std::string A31_S;
inline std::string A4_S;
inline std::string A41_S;
inline std::string A5_S;
inline float AA = 0;
inline float AA1 = 0;
inline std::string AA1_S;
inline float AA2 = 0;
inline std::string AAA_S;
inline float AAAX = 0;
inline float AAAY = 0;
inline float AIDA = 0;
inline float AIDA1 = 0;
inline float AX = 0;
inline float AX1 = 0;
inline float AX2 = 0;
inline float AY = 0;
inline float AY1 = 0;
inline float AY2 = 0;
inline float B = 0;
inline float B1 = 0;
inline std::string B1_S;
inline float B2 = 0;
inline std::string B2_S;
inline std::string B3_S;
inline std::string B4_S;
inline float BAIX = 0;
inline float BAIY = 0;
inline float BB = 0;
inline float BB1 = 0;
inline float BB2 = 0;
inline float BSEN = 0;
inline float BX = 0;
inline float BX1 = 0;
inline float BY = 0;
inline float BY1 = 0;
inline float CC = 0;
inline float CX = 0;
inline float CY = 0;
inline float D = 0;
inline float D1 = 0;
inline float D2 = 0;
inline std::string DA1_S;
inline float DB = 0;
inline std::string DB_S;
inline float DB1 = 0;
inline float DBM1 = 0;
inline float DBM2 = 0;
inline float DS = 0;
inline std::string DS_S;
inline float DS1 = 0;
inline std::string DS1_S;
inline float DS2 = 0;
inline std::string DS2_S;
inline float DS4 = 0;
inline std::string DS4_S;
inline float DSM1 = 0;
inline float DSM2 = 0;
inline float E1 = 0;
inline float E2 = 0;
inline std::string ENZAN_S;
inline float EX = 0;
inline float EY = 0;
inline std::string FDS1_S;
inline float FKIG = 0;
inline float GGX = 0;
inline float GGY = 0;
inline float GX = 0;
inline float GX0 = 0;
inline float GX1 = 0;
inline float GX2 = 0;
inline float GX3 = 0;
inline float GX4 = 0;
inline float GX5 = 0;
inline float GY = 0;
inline float GY0 = 0;
inline float GY1 = 0;
inline float GY2 = 0;
inline float GY3 = 0;
inline float GY4 = 0;
inline float GY5 = 0;
inline float H = 0;
inline float HH = 0;
inline float HH1 = 0;
inline float HH2 = 0;
inline float HH3 = 0;
inline float HH4 = 0;
inline float HH5 = 0;
inline float HHKIG = 0;
inline float HHP = 0;
inline float HONSU = 0;
inline float HOUKOU = 0;
inline std::string HYOUJI_S;
inline float IB8 = 0;
inline float II = 0;
inline float IROIRO = 0;
inline float ITI = 0;
inline float J = 0;
inline float KAKKO1 = 0;
inline float KAKU = 0;
inline float KAKUDO = 0;
inline std::string KAKUDO_S;
inline float KASANARIX = 0;
inline float KASANARIY = 0;
inline float KB8 = 0;
inline float KJ1 = 0;
inline float KJ2 = 0;
inline float KJ3 = 0;
inline float KOSUU = 0;
inline float LB8 = 0;
inline float LT = 0;
inline float LT1 = 0;
inline float LT2 = 0;
inline std::string MOTOA_S;
inline float MUKI = 0;
inline float MU_DO = 0;
inline float NAGA = 0;
inline float NAGASA = 0;
inline float NAGASA1 = 0;
inline float NASI = 0;
inline float P = 0;
inline float P1 = 0;
inline std::string P1_S;
inline float P2 = 0;
inline std::string P2_S;
inline float PI = 0;
inline float Q = 0;
inline float R = 0;
inline std::string R_S;
inline float R1A = 0;
inline std::string R1A_S;
inline std::string R1A1_S;
inline float R1B = 0;
inline float R1B1 = 0;
inline float R1I = 0;
inline float RR = 0;
inline std::string RTASKAI1_S;
inline std::string RTASKAI2_S;
inline float SIZE = 0;
inline float SIZE1 = 0;
inline std::string SO_S;
inline float SOSU = 0;
inline float SOSU1 = 0;
inline float TA = 0;
inline float TA1 = 0;
inline float TA2 = 0;
inline float TA5 = 0;
inline float TA6 = 0;
inline float TAKASA = 0;
inline float TBBO = 0;
inline float TBBO1 = 0;
inline float TBSI = 0;
inline float TBSI1 = 0;
inline float TII = 0;
inline float TJ = 0;
inline std::string TKAI1_S;
inline std::string TKAI2_S;
inline std::string X_S;
inline std::string X8_S;
inline std::string X9_S;
inline float XG = 0;
inline float XTAKE = 0;
inline float XX1 = 0;
inline std::string Y_S;
inline float Y2 = 0;
inline float Y22 = 0;
inline float Y3 = 0;
inline float Y4 = 0;
inline float Y5 = 0;
inline float Y6 = 0;
inline float Y7 = 0;
inline float YA = 0;
inline float YAK = 0;
inline float YAK1 = 0;
inline float YG = 0;
inline float YOKO = 0;
inline float YT = 0;
inline float YTAKE = 0;
inline float YY1 = 0;
inline float ZX = 0;
inline float ZX0 = 0;
inline float ZX1 = 0;
inline float ZX11 = 0;
inline float ZX12 = 0;
inline float ZX2 = 0;
inline float ZX3 = 0;
inline float ZX4 = 0;
inline float ZX5 = 0;
inline float ZY = 0;
inline float ZY0 = 0;
inline float ZY1 = 0;
inline float ZY11 = 0;
inline float ZY12 = 0;
inline float ZY2 = 0;
inline float ZY3 = 0;
inline float ZY4 = 0;
inline float ZY5 = 0;

// --- Prompt text and number entry (glyph tables and their working values) ---------------------

// --- Number and figure helpers ----------------------------------------------------------------
inline std::string RAB_S;  // square-root simplification: the simplified root as markup
inline std::string RABM_S; // ... the unsimplified root and "=", empty when nothing came out
inline std::string R1B_S;  // ... the root that is left
