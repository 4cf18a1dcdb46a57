// The sixteen colour numbers, in 8-bit sRGB. 15 is white, the background every zone clear (a
// filled box in 15) paints; 0 is black; 13 reads as yellow and 9 as green, as the lesson texts
// name them, and every colour keeps its hue. The values are chosen for the texts the scenes write
// on the fills they draw (tests/palette walks every scene and checks each pair): every pair
// reaches a contrast ratio of 3:1, small text 4.5:1 (the prompts, green, in the step box on 4 and
// the next-step box on 12; the typed digits and the prompt lines on white). So the fills are light
// (white, yellow, the light teal of the area cells) or dark, and the two colours written on both
// stand between them: blue 5 (on white, yellow and teal, and on 8 and 12) and green 9 (on white,
// and on 4 and 12). That makes dark grey 8, dark blue 4 and violet 12 nearly black.
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
    rgb8(4, 14, 74),      // 4 dark blue
    rgb8(26, 97, 242),    // 5 blue
    rgb8(33, 87, 33),     // 6 dark green
    rgb8(107, 28, 153),   // 7 purple
    rgb8(30, 30, 30),     // 8 dark grey
    rgb8(26, 156, 26),    // 9 green
    rgb8(0, 61, 120),     // 10 navy
    rgb8(84, 228, 228),   // 11 light teal
    rgb8(32, 3, 66),      // 12 violet
    rgb8(255, 230, 26),   // 13 yellow
    rgb8(255, 140, 0),    // 14 orange
    rgb8(255, 255, 255),  // 15 white
};

// What a clear of the whole window paints. Only the error screen clears it, and writes its message
// on it in yellow 13, small: navy, as behind the main menu, where white would not let it read.
inline constexpr int CLEAR_COLOUR = 10;
