// The sixteen colour numbers, in 8-bit sRGB. 15 is white, the background every zone clear (a
// filled box in 15) paints; 0 is black; 13 reads as yellow and 9 as green, as the lesson texts
// name them, and every colour keeps its hue. The values were chosen with bench/palette-pairs, which
// scores them against every pair of colours the scenes paint (tests/palette checks the same):
// texts 3:1 on what lies under their ink, small text 4.5:1, lines 3:1, fills side by side clearly
// apart. Three sets of floors fix the lightness of most colours:
// - the dark fills, dark blue 4, dark grey 8 and violet 12, stand at CIELAB L* 18.5, light enough
//   for a projector to show their colour, and apart from each other by hue;
// - blue 5 is written small on white (4.5:1) and large on 8 and 12 (3:1), green 9 small on 4 and
//   12 (4.5:1) and large on white (3:1): both stand just within these floors;
// - teal 11 draws thick arrows on white, 3:1.
// What no palette reaches, because a figure lays two colours these floors hold near the same
// lightness across each other (blue labels on teal cells, a red line through a blue label), is
// listed in tests/palette/test_scene_contrast.cpp.
#pragma once

struct Rgb {
  double r, g, b;
};

constexpr Rgb rgb8(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

inline constexpr Rgb PALETTE[16] = {
    rgb8(0, 0, 0),        // 0 black
    rgb8(31, 64, 191),    // 1 blue
    rgb8(161, 0, 0),      // 2 dark red
    rgb8(209, 20, 20),    // 3 red
    rgb8(21, 21, 142),    // 4 dark blue
    rgb8(34, 115, 228),   // 5 blue
    rgb8(33, 87, 33),     // 6 dark green
    rgb8(107, 28, 153),   // 7 purple
    rgb8(45, 45, 45),     // 8 dark grey
    rgb8(26, 172, 26),    // 9 green
    rgb8(0, 61, 120),     // 10 navy
    rgb8(16, 165, 165),   // 11 teal
    rgb8(67, 20, 100),    // 12 violet
    rgb8(255, 255, 27),   // 13 yellow
    rgb8(255, 140, 0),    // 14 orange
    rgb8(255, 255, 255),  // 15 white
};

// What a clear of the whole window paints. Only the error screen clears it, and writes its message
// on it in yellow 13, small: navy, as behind the main menu, where white would not let it read.
inline constexpr int CLEAR_COLOUR = 10;
