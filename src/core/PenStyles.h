// Every pen the program draws with: its colour (red, green, blue) and width in pixels.
#pragma once

#include <cstdint>

struct PenStyle {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    int width = 1;
};

inline constexpr PenStyle THICK_RED_PEN{255, 0, 0, 10};
inline constexpr PenStyle GREEN_PEN{2, 255, 22, 1};
inline constexpr PenStyle BLUE_PEN{2, 2, 255, 1};
inline constexpr PenStyle YELLOW_PEN{255, 255, 0, 1};
inline constexpr PenStyle THICK_GREY_PEN{161, 161, 161, 10};
// The split dialogs' own pen: the cut preview's green, as thick as the progress tracks.
inline constexpr PenStyle THICK_GREEN_PEN{GREEN_PEN.red, GREEN_PEN.green, GREEN_PEN.blue, 10};
// The cut editor's own pens: its cursor, its selected cut's mark and its ruler.
inline constexpr PenStyle EDITOR_BLACK_PEN{0, 0, 0, 1};
inline constexpr PenStyle EDITOR_RED_PEN{255, 0, 0, 3};
inline constexpr PenStyle EDITOR_GREY_PEN{128, 128, 128, 1};
