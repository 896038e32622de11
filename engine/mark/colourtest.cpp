#include "colourtest.h"

#include <QImage>

#include <algorithm>

#include "positions.h"

namespace {

constexpr int bandHeight = 40;
constexpr int lightThreshold = 400;

// Composes a component over white: what a viewer shows for a translucent pixel.
int overWhite(int component, int alpha)
{
    return (component * alpha + 255 * (255 - alpha)) / 255;
}

} // namespace

void classifyPixel(const QImage &image, int x, int y, int &light, int &dark)
{
    const QRgb pixel = image.pixel(x, y);
    const int a = qAlpha(pixel);
    const int sum =
      overWhite(qRed(pixel), a) + overWhite(qGreen(pixel), a) + overWhite(qBlue(pixel), a);
    if (sum > lightThreshold)
        ++light;
    else
        ++dark;
}

QRect colourPatch(const QSize &size, int position, const QRect &area)
{
    if (!Position::isValid(position))
        return QRect();
    const QRect placed = area.isNull() ? QRect(QPoint(0, 0), size) : area;
    const int w = placed.width();
    const int h = placed.height();
    int firstColumn = 0;
    int endColumn = w / 3;
    if (position & Qt::AlignHCenter) {
        firstColumn = w / 3;
        endColumn = (2 * w) / 3;
    } else if (position & Qt::AlignRight) {
        firstColumn = (2 * w) / 3;
        endColumn = w;
    }
    int firstRow = 0;
    if (position & Qt::AlignBottom)
        firstRow = h - bandHeight;
    else if (position & Qt::AlignVCenter)
        firstRow = h / 2 - bandHeight / 2;
    firstColumn = std::max(firstColumn + placed.x(), 0);
    endColumn = std::min(endColumn + placed.x(), size.width());
    firstRow += placed.y();
    // Only the rows of the band that lie inside the picture are sampled.
    const int endRow = std::min(firstRow + bandHeight, size.height());
    firstRow = std::max(firstRow, 0);
    if (endColumn <= firstColumn || endRow <= firstRow)
        return QRect();
    return QRect(QPoint(firstColumn, firstRow), QPoint(endColumn - 1, endRow - 1));
}

bool isDarkBackground(const QImage &image, int position, const QRect &area)
{
    return isDarkPatch(image, colourPatch(image.size(), position, area));
}

bool isDarkPatch(const QImage &image, const QRect &patch)
{
    int light = 0;
    int dark = 0;
    // Row by row: the counts do not depend on the order, the memory access does.
    for (int y = patch.top(); y <= patch.bottom(); ++y) {
        for (int x = patch.left(); x <= patch.right(); ++x)
            classifyPixel(image, x, y, light, dark);
    }
    return dark > light;
}
