#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

struct WatermarkStyle;

// The automatic position: for each picture, the candidate place where the mark covers the calmest
// part of the picture. Busy is the mean gradient energy (the sum of the absolute brightness steps
// to the right and down) under the mark's box, taken on one small grey version of the picture, so
// that the choice costs little and is the same wherever the same picture is stamped.
namespace CalmPlace {

inline constexpr int measureSide = 256;

// The small version: the upright picture reduced so that its long edge is measureSide (a smaller
// picture keeps its size), each pixel the mean brightness of 4 × 4 samples of its cell.
QImage measureOf(const QImage &picture);

// The places tried for a grid position: that position, then the four corners and the top and
// bottom centre nearest it first, each once.
QList<int> candidates(int gridPosition);

// The candidate where the mark of text in style, on a picture of size, lies on the calmest part of
// measure (made by measureOf from that picture). Another place than the grid's is chosen only
// when it is clearly calmer, so a flat picture keeps the grid's position. A tiled mark lies
// everywhere: its position stays.
int calmestPosition(const QImage &measure,
                    const QSize &size,
                    const QString &text,
                    int gridPosition,
                    const WatermarkStyle &style);

// Where the mark of text goes on picture: the calmest place when style asks for it (measured on
// measureOf(picture)), else gridPosition.
int positionOn(const QImage &picture,
               const QString &text,
               int gridPosition,
               const WatermarkStyle &style);
// The same for picture decoded smaller than the whole picture of size frame the mark is laid out
// for.
int positionOn(const QImage &picture,
               const QSize &frame,
               const QString &text,
               int gridPosition,
               const WatermarkStyle &style);

} // namespace CalmPlace
