// The sixteen colour numbers. 15 is white, the background every clear paints; 0 is black;
// 13 reads as yellow and 9 as green, as the lesson texts name them; the dark fills (4, 6, 8, 10,
// 12) carry yellow, white and green text, so they are dark enough for green text to stand out.
// The step box writes green on 4 and the next-step box on 12 in small letters: those two are dark
// enough for a contrast ratio of about 5:1 with the green, which stays as light as it is because
// it is also drawn on white.
#pragma once

struct Rgb {
  double r, g, b;
};

inline constexpr Rgb PALETTE[16] = {
    {0.00, 0.00, 0.00},  // 0 black
    {0.12, 0.25, 0.75},  // 1 blue
    {0.63, 0.00, 0.00},  // 2 dark red
    {0.85, 0.10, 0.10},  // 3 red
    {0.04, 0.11, 0.38},  // 4 dark blue
    {0.00, 0.31, 0.82},  // 5 blue
    {0.18, 0.42, 0.18},  // 6 dark green
    {0.42, 0.11, 0.60},  // 7 purple
    {0.31, 0.31, 0.31},  // 8 dark grey
    {0.05, 0.66, 0.05},  // 9 green
    {0.00, 0.24, 0.47},  // 10 navy
    {0.00, 0.63, 0.63},  // 11 teal
    {0.19, 0.06, 0.34},  // 12 violet
    {0.95, 0.76, 0.00},  // 13 yellow
    {1.00, 0.55, 0.00},  // 14 orange
    {1.00, 1.00, 1.00},  // 15 white
};
