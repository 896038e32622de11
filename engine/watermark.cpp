#include "watermark.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "colourtest.h"

namespace {

constexpr int smallestStartSize = 6;
constexpr int sizeStep = 2;

QString referenceLine(const QString &text)
{
    QString longest;
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        // Strictly longer only: on equal length the earlier line stays.
        if (line.size() > longest.size())
            longest = line;
    }
    return longest;
}

QColor automaticColour(const QImage &image, int position)
{
    return isDarkBackground(image, position) ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace

QString composeWatermarkText(bool copyright, const QString &plainText)
{
    QString text;
    if (copyright)
        text += QStringLiteral("\u00A9 ");
    return text + plainText;
}

QFont fitWatermarkFont(const QImage &image, const QString &text, QFont &font)
{
    const int width = image.width();
    const QString line = referenceLine(text);
    int size = std::max(width / 16, smallestStartSize);
    font.setPixelSize(size);
    while (QFontMetrics(font).boundingRect(line).width() >= width && size > sizeStep) {
        size -= sizeStep;
        font.setPixelSize(size);
    }
    return font;
}

StampResult stampWatermark(QImage &image,
                           const QString &text,
                           int position,
                           const WatermarkStyle &style)
{
    StampResult result;
    if (style.useDefaults) {
        QFont arial(QStringLiteral("Arial"));
        result.font = fitWatermarkFont(image, text, arial);
        result.pen = automaticColour(image, position);
        result.pen.setAlpha(WatermarkStyle::automaticAlpha);
    } else {
        result.font = style.font;
        if (style.autoFontSize)
            fitWatermarkFont(image, text, result.font);
        result.pen = style.autoColor ? automaticColour(image, position) : style.fontColor;
        result.pen.setAlpha(style.alpha);
    }

    QPainter painter(&image);
    painter.setFont(result.font);
    painter.setPen(result.pen);
    painter.drawText(image.rect(), position, text);
    return result;
}
