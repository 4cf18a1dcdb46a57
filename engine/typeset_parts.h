// Pieces the typesetter's files share; lessons use typeset.h.
#pragma once

#include <string>

// The gothic face the glyph routine returns to after every glyph.
inline constexpr const char* GOTHIC = "ゴシック";

// CCC1 as the colour number of a drawing operation.
int textColour();

// Draws one character, already substituted and not taken by a markup character, with the face,
// size, offset and magnification its class asks for, and advances the glyph cursor TX.
void drawMetricGlyph(const std::string& ch);
