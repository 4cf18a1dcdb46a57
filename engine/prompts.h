// Prompt text through the glyph tables, number entry, the step wait, the menus' prompts and
// small plain text. Parameters and results are the globals of state.h.
#pragma once

#include <string>

// The glyph tables: character n of a source text (one-byte characters) is shown as character n
// of its target text (double-byte characters). HENK1_S -> HENK2_S is applied first, then
// HENK_S -> HENK3_S.
extern const std::string HENK1_S;
extern const std::string HENK2_S;
extern const std::string HENK_S;
extern const std::string HENK3_S;

void PROMPTTEXT();
void PROMPTCHARS();
void GLYPHMAP();
void STRIPBLANKS();
void INPUTFIELD();
void KEYLOOP();
void INPUTVALUE();
void STEPWAIT();
void ASKNUMBER();
void CLEARASK();
void MENUBAR();
void CLEARMENUBAR();
void NEXTSTEP();
void BARMESSAGE();
void PLAINTEXT();
