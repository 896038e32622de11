#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

#include "watermarkeffects.h"

class QImage;

// The one rule by which every picture gets its watermark: a text drawn once into the whole
// image rectangle, placed by alignment flags, in one font, colour and opacity.

// Fits font to the image width: starts at width / 16 pixels (at least 6) and lowers by 2 while
// the longest line (by character count) is at least as wide as the image. Never goes below the
// smallest positive size that the steps reach. font is left at the final size; a copy is returned.
QFont fitWatermarkFont(const QImage &image, const QString &text, QFont &font);

// How the text is drawn: automatic (Arial fitted to the picture, black or white, alpha 127) or
// manual (the font and colour below, optionally fitted and coloured per picture).
struct WatermarkStyle
{
    static constexpr int automaticAlpha = 127;

    bool useDefaults = true;
    bool autoFontSize = true;
    bool autoColor = true;
    int alpha = automaticAlpha;
    QColor fontColor = Qt::black;
    QFont font = QFont(QStringLiteral("Arial"));
    WatermarkEffects effects;

    // Whether nothing of the mark would show: a fully transparent text and no visible logo.
    bool isInvisible() const
    {
        return !useDefaults && alpha == 0 && (effects.logo.isNull() || effects.logoOpacity == 0);
    }
};

// What a stamp chose: the font drawn with and the pen colour, alpha included.
struct StampResult
{
    QFont font;
    QColor pen;
    bool drawn = true; // false: the mark's layer could not be made (memory)
    QSize layer;       // the largest piece of the mark's layer made (none without effects)
};

// The box the text of the mark covers on a picture of size (the mark's layer with effects; the
// whole picture when tiled), by the same layout that draws it.
QRect watermarkBox(const QSize &size,
                   const QString &text,
                   int position,
                   const WatermarkStyle &style);
// The boxes of the mark at each of positions, the text fitted once.
QList<QRect> watermarkBoxes(const QSize &size,
                            const QString &text,
                            const QList<int> &positions,
                            const WatermarkStyle &style);

// The part of a picture of size that stampWatermark reads or may change (the mark, with room for
// its antialiasing, and the automatic colour's patch): a picture needs its pixels only there.
QRect watermarkReach(const QSize &size,
                     const QString &text,
                     int position,
                     const WatermarkStyle &style);

// Draws text on image (which must be paintable) at position by the style rule, with the style's
// effects: the logo first, then the shadow, the outline and the text.
StampResult stampWatermark(QImage &image,
                           const QString &text,
                           int position,
                           const WatermarkStyle &style);
// The same mark laid out for a picture of size frame, drawn on image: that picture at a smaller
// scale (decoded so), where it covers what it would cover on the whole picture.
StampResult stampWatermark(QImage &image,
                           const QSize &frame,
                           const QString &text,
                           int position,
                           const WatermarkStyle &style);
