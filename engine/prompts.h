// Prompt text through the glyph tables, number entry, the step wait, the menus' prompts and
// small plain text. Parameters and results are the globals of state.h.
#pragma once

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
