#include "calmplace.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "positions.h"
#include "watermark.h"

namespace {

constexpr int samples = 4; // per side of a measure pixel's cell

// Another place wins only by being this much calmer than the grid's, in share and in grey levels.
constexpr double clearlyCalmerShare = 0.8;
constexpr double clearlyCalmerSteps = 0.5;

// A position's cell in the 3 × 3 grid, and the steps between two cells.
QPoint cellOf(int position)
{
    const int column = position & Qt::AlignLeft ? 0 : position & Qt::AlignRight ? 2 : 1;
    const int row = position & Qt::AlignTop ? 0 : position & Qt::AlignBottom ? 2 : 1;
    return QPoint(column, row);
}

int gridDistance(int a, int b)
{
    return (cellOf(a) - cellOf(b)).manhattanLength();
}

int brightness(QRgb pixel)
{
    return qGray(pixel);
}

// A table of sums of gradient energy: entry (x, y) sums the pixels above and left of it.
class EnergySums
{
public:
    explicit EnergySums(const QImage &grey)
      : m_width(grey.width() + 1)
      , m_sums(size_t(m_width) * size_t(grey.height() + 1), 0)
    {
        for (int y = 0; y < grey.height(); ++y) {
            const uchar *row = grey.constScanLine(y);
            const uchar *below = y + 1 < grey.height() ? grey.constScanLine(y + 1) : row;
            double line = 0;
            for (int x = 0; x < grey.width(); ++x) {
                const int right = x + 1 < grey.width() ? row[x + 1] : row[x];
                line += std::abs(right - row[x]) + std::abs(below[x] - row[x]);
                at(x + 1, y + 1) = at(x + 1, y) + line;
            }
        }
    }

    // The mean energy per pixel inside rect (which lies inside the picture).
    double mean(const QRect &rect) const
    {
        if (rect.isEmpty())
            return 0;
        const double sum = at(rect.right() + 1, rect.bottom() + 1) -
                           at(rect.left(), rect.bottom() + 1) - at(rect.right() + 1, rect.top()) +
                           at(rect.left(), rect.top());
        return sum / (double(rect.width()) * rect.height());
    }

private:
    double &at(int x, int y) { return m_sums[size_t(y) * size_t(m_width) + size_t(x)]; }
    double at(int x, int y) const { return m_sums[size_t(y) * size_t(m_width) + size_t(x)]; }

    int m_width;
    std::vector<double> m_sums;
};

} // namespace

namespace CalmPlace {

QImage measureOf(const QImage &picture)
{
    if (picture.isNull())
        return QImage();
    const int longEdge = std::max(picture.width(), picture.height());
    const double scale = std::min(1.0, double(measureSide) / longEdge);
    const QSize size(std::max(1, qRound(picture.width() * scale)),
                     std::max(1, qRound(picture.height() * scale)));
    // 32-bit pixels are read in place; other formats through one conversion of the samples.
    const QImage source =
      picture.depth() == 32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const bool rgbaOrder = source.format() == QImage::Format_RGBA8888 ||
                           source.format() == QImage::Format_RGBX8888 ||
                           source.format() == QImage::Format_RGBA8888_Premultiplied;
    QImage measure(size, QImage::Format_Grayscale8);
    if (measure.isNull())
        return measure;
    // The samples' columns and rows, once: sample k of cell i lies at (i + (k + ½) / 4) cells.
    const auto sampled = [](int cells, int pixels) {
        std::vector<int> at(size_t(cells) * samples);
        for (size_t i = 0; i < at.size(); ++i)
            at[i] = int((double(i) + 0.5) / samples * pixels / cells);
        return at;
    };
    const std::vector<int> columns = sampled(size.width(), source.width());
    const std::vector<int> rows = sampled(size.height(), source.height());
    for (int y = 0; y < size.height(); ++y) {
        uchar *out = measure.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            int sum = 0;
            for (int sy = 0; sy < samples; ++sy) {
                const int py = rows[size_t(y * samples + sy)];
                const auto *row = reinterpret_cast<const QRgb *>(source.constScanLine(py));
                for (int sx = 0; sx < samples; ++sx) {
                    const int px = columns[size_t(x * samples + sx)];
                    const QRgb pixel =
                      rgbaOrder ? qRgb(qBlue(row[px]), qGreen(row[px]), qRed(row[px])) : row[px];
                    sum += brightness(pixel);
                }
            }
            out[x] = uchar(sum / (samples * samples));
        }
    }
    return measure;
}

QList<int> candidates(int gridPosition)
{
    QList<int> places;
    for (const int place : { Position::TopLeft,
                             Position::TopRight,
                             Position::BottomLeft,
                             Position::BottomRight,
                             Position::TopCenter,
                             Position::BottomCenter }) {
        if (place != gridPosition)
            places << place;
    }
    // Nearest the grid's position first: of two places as calm, the nearer one is taken.
    std::stable_sort(places.begin(), places.end(), [gridPosition](int a, int b) {
        return gridDistance(a, gridPosition) < gridDistance(b, gridPosition);
    });
    places.prepend(gridPosition);
    return places;
}

int calmestPosition(const QImage &measure,
                    const QSize &size,
                    const QString &text,
                    int gridPosition,
                    const WatermarkStyle &style)
{
    if (measure.isNull() || size.isEmpty() || style.effects.tile)
        return gridPosition;
    const QImage grey = measure.format() == QImage::Format_Grayscale8
                          ? measure
                          : measure.convertToFormat(QImage::Format_Grayscale8);
    const EnergySums energy(grey);
    const double sx = double(grey.width()) / size.width();
    const double sy = double(grey.height()) / size.height();
    const QList<int> places = candidates(gridPosition);
    const QList<QRect> boxes = watermarkBoxes(size, text, places, style);
    const auto busy = [&](qsizetype i) {
        const QRect &box = boxes.at(i);
        const QRectF scaled(box.x() * sx, box.y() * sy, box.width() * sx, box.height() * sy);
        return energy.mean(scaled.toAlignedRect() & grey.rect());
    };
    const double grid = busy(0);
    int calmest = gridPosition;
    double least = grid;
    for (qsizetype i = 1; i < places.size(); ++i) {
        const double here = busy(i);
        if (here < least)
            std::tie(calmest, least) = std::make_pair(places.at(i), here);
    }
    const bool clearly = least < grid * clearlyCalmerShare && grid - least > clearlyCalmerSteps;
    return clearly ? calmest : gridPosition;
}

int positionOn(const QImage &picture,
               const QString &text,
               int gridPosition,
               const WatermarkStyle &style)
{
    return positionOn(picture, picture.size(), text, gridPosition, style);
}

int positionOn(const QImage &picture,
               const QSize &frame,
               const QString &text,
               int gridPosition,
               const WatermarkStyle &style)
{
    if (!style.effects.autoPosition)
        return gridPosition;
    return calmestPosition(measureOf(picture), frame, text, gridPosition, style);
}

} // namespace CalmPlace
