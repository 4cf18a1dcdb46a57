// Scaled fonts and text extents kept across frames: a page's texts are measured once for each
// face, em and window scale, not again at every paint. Internal to the platform layer.
#pragma once

#include <cairo.h>

#include <string>

// The scaled font of a face at an em of emX by emY canvas pixels, painted under ctm (its
// translation does not matter), with the font options of an image surface: the one a cairo
// context painting an image would make. It stays valid until the next call.
cairo_scaled_font_t* scaledFont(cairo_font_face_t* face, double emX, double emY, const cairo_matrix_t& ctm);

// The extents of a UTF-8 text in a scaled font, as cairo_text_extents gives them.
const cairo_text_extents_t& textExtents(cairo_scaled_font_t* font, const std::string& utf8);

