#pragma once

#include <QImage>
#include <QString>

#include <array>

#include "positions.h"

// What the automatic text size follows: the picture's width, or its shorter side (the width still
// a limit), which gives portraits and landscapes one size.
enum class TextSizeBy { Width, ShortSide };
inline constexpr std::array<const char *, 2> textSizeByNames = { "width", "short-side" };

// How the mark is set off beyond the window's style: a margin, an outline, a soft shadow, an angle,
// tiling, a logo and the automatic position. All off by default, which draws exactly what the
// window has always drawn.
struct WatermarkEffects
{
    static constexpr int maxMargin = 20;
    static constexpr int maxAngle = 90;

    int margin = 0; // percent of the picture's shorter side, on every side
    bool outline = false;
    bool shadow = false;
    int angle = 0; // degrees, counter-clockwise
    bool tile = false;
    QString logoPath;
    int logoWidth = 20; // percent of the picture's width
    int logoPosition = Position::BottomRight;
    int logoOpacity = 255;
    QImage logo; // as read from logoPath; null: no logo
    // Each picture's mark goes to its calmest place (CalmPlace), the position given breaking ties.
    bool autoPosition = false;
    TextSizeBy textSizeBy = TextSizeBy::Width;

    bool isPlain() const
    {
        return margin == 0 && !outline && !shadow && angle == 0 && !tile && logo.isNull();
    }
};
