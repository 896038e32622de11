#pragma once

#include <array>

// Watermark positions are Qt alignment flags: one horizontal (left 1, right 2, centre 4) plus
// one vertical (top 32, bottom 64, centre 128). They are stored in the settings file as numbers.
namespace Position {
inline constexpr int TopLeft = 33;
inline constexpr int TopCenter = 36;
inline constexpr int TopRight = 34;
inline constexpr int CenterLeft = 129;
inline constexpr int Center = 132;
inline constexpr int CenterRight = 130;
inline constexpr int BottomLeft = 65;
inline constexpr int BottomCenter = 68;
inline constexpr int BottomRight = 66;

// Row by row, top left to bottom right: the grid of the position buttons.
inline constexpr std::array<int, 9> all = { TopLeft,    TopCenter,    TopRight,
                                            CenterLeft, Center,       CenterRight,
                                            BottomLeft, BottomCenter, BottomRight };

// The names the command line and the configuration give them, in the order of all.
inline constexpr std::array<const char *, 9> names = { "top-left",    "top",    "top-right",
                                                       "left",        "center", "right",
                                                       "bottom-left", "bottom", "bottom-right" };

inline constexpr bool isValid(long long code)
{
    for (int c : all) {
        if (c == code)
            return true;
    }
    return false;
}
} // namespace Position
