#include "watermark.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <climits>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

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

// The scale of a side of whole pixels drawn as part pixels. libjpeg's pixel i at M/8 covers the
// whole picture's pixels from i · 8/M up to (i + 1) · 8/M: its sizes, the last pixel rounded up
// or left out, map by M/8 exactly.
qreal scaleOf(int whole, int part)
{
    for (const int eighths : { 1, 2, 4 }) {
        const qint64 scaled = qint64(whole) * eighths;
        if (scaled / 8 == part || (scaled + 7) / 8 == part)
            return eighths / 8.0;
    }
    return qreal(part) / whole;
}

// From the coordinates of a picture of size frame to those of image, that picture at its scale.
QTransform frameToImage(const QSize &frame, const QImage &image)
{
    return QTransform::fromScale(scaleOf(frame.width(), image.width()),
                                 scaleOf(frame.height(), image.height()));
}

// Black or white by the patch of a picture of size frame, sampled on image: that picture at
// image's own scale.
QColor automaticColour(const QImage &image, const QSize &frame, int position, const QRect &area)
{
    QRect patch = colourPatch(frame, position, area);
    if (frame != image.size() && !patch.isNull())
        patch = frameToImage(frame, image).mapRect(QRectF(patch)).toAlignedRect() & image.rect();
    return isDarkPatch(image, patch) ? QColor(Qt::white) : QColor(Qt::black);
}

// Lowers the size by 2 from side / 16 (at least 6) while measure(font) is at least width; never
// below the smallest positive size the steps reach.
void fitToWidth(int width, int side, QFont &font, const std::function<int(const QFont &)> &measure)
{
    int size = std::max(side / 16, smallestStartSize);
    font.setPixelSize(size);
    while (measure(font) >= width && size > sizeStep) {
        size -= sizeStep;
        font.setPixelSize(size);
    }
}

// The text block as a path, lines aligned within the block as drawText aligns them.
struct TextBlock
{
    QPainterPath path;
    QRectF rect;
};

// The block's box: its widest line by its lines' height. Cheap: the fitting asks at every size.
QRectF blockRect(const QStringList &lines, const QFontMetricsF &metrics)
{
    qreal width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QRectF(0, 0, width, lines.size() * metrics.lineSpacing());
}

TextBlock layoutBlock(const QString &text, const QFont &font, int position)
{
    TextBlock block;
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    block.rect = blockRect(lines, metrics);
    for (int i = 0; i < lines.size(); ++i) {
        const qreal advance = metrics.horizontalAdvance(lines.at(i));
        qreal x = 0;
        if (position & Qt::AlignRight)
            x = block.rect.width() - advance;
        else if (position & Qt::AlignHCenter)
            x = (block.rect.width() - advance) / 2;
        block.path.addText(x, i * metrics.lineSpacing() + metrics.ascent(), font, lines.at(i));
    }
    return block;
}

QTransform turn(int angle)
{
    QTransform transform;
    transform.rotate(-angle); // counter-clockwise on screen, where y points down
    return transform;
}

QSizeF turnedSize(const QRectF &rect, int angle)
{
    return turn(angle).mapRect(QRectF(QPointF(0, 0), rect.size())).size();
}

// Where a box of size goes inside area by the alignment flags of position.
QPointF placed(const QSizeF &size, const QRectF &area, int position)
{
    qreal x = area.left();
    if (position & Qt::AlignRight)
        x = area.right() - size.width();
    else if (position & Qt::AlignHCenter)
        x = area.left() + (area.width() - size.width()) / 2;
    qreal y = area.top();
    if (position & Qt::AlignBottom)
        y = area.bottom() - size.height();
    else if (position & Qt::AlignVCenter)
        y = area.top() + (area.height() - size.height()) / 2;
    return QPointF(x, y);
}

// Three passes of a box blur of the given radius over an alpha mask: close to a Gaussian, in
// linear time. Both directions run along the rows (the vertical one keeps a running sum per
// column), and the division by the window is a table.
void blur(QImage &mask, int radius)
{
    const int w = mask.width();
    const int h = mask.height();
    const int span = 2 * radius + 1;
    std::vector<uchar> divided(size_t(255 * span + 1));
    for (size_t sum = 0; sum < divided.size(); ++sum)
        divided[sum] = uchar(sum / size_t(span));
    std::vector<uchar> line(size_t(w + span), 0); // a row with radius zeros before and after
    std::vector<uchar> source(size_t(w) * size_t(h));
    std::vector<int> sums(static_cast<size_t>(w));
    const auto row = [&](int y) { return source.data() + size_t(y) * size_t(w); };
    for (int round = 0; round < 3; ++round) {
        for (int y = 0; y < h; ++y) {
            uchar *out = mask.scanLine(y);
            std::copy(out, out + w, line.begin() + radius);
            int sum = std::accumulate(line.begin(), line.begin() + span - 1, 0);
            for (int x = 0; x < w; ++x) {
                sum += line[size_t(x + span - 1)];
                out[x] = divided[size_t(sum)];
                sum -= line[size_t(x)];
            }
            std::copy(out, out + w, row(y));
        }
        std::fill(sums.begin(), sums.end(), 0);
        for (int y = 0; y < std::min(radius, h); ++y) {
            for (int x = 0; x < w; ++x)
                sums[size_t(x)] += row(y)[x];
        }
        for (int y = 0; y < h; ++y) {
            const uchar *entering = y + radius < h ? row(y + radius) : nullptr;
            const uchar *leaving = y - radius >= 0 ? row(y - radius) : nullptr;
            uchar *out = mask.scanLine(y);
            for (int x = 0; x < w; ++x) {
                const int sum = sums[size_t(x)] + (entering ? entering[x] : 0);
                out[x] = divided[size_t(sum)];
                sums[size_t(x)] = sum - (leaving ? leaving[x] : 0);
            }
        }
    }
}

// The text's shape in colour, blurred, at half opacity, written onto layer (still transparent)
// offset by offset. The shape is drawn as an alpha mask at half the layer's size (a soft shadow
// loses nothing by it), a sixteenth of the work of blurring at full size, and written back at
// full size with a bilinear doubling: each pixel lies a quarter of a mask pixel from its two
// nearest rows and columns, so its weights are 9, 3, 3 and 1 sixteenths.
bool drawShadow(QImage &layer,
                const QPainterPath &path,
                const QTransform &toLayer,
                const QColor &colour,
                int radius,
                int offset)
{
    QImage mask((layer.size() + QSize(1, 1)) / 2, QImage::Format_Alpha8);
    if (mask.isNull())
        return false;
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(toLayer * QTransform::fromScale(0.5, 0.5));
        p.fillPath(path, Qt::black);
    }
    blur(mask, std::max(1, radius / 2));

    // Sixteenths of a mask alpha (0 to 4080) to the premultiplied colour at half that alpha.
    std::vector<QRgb> colours(size_t(16 * 255 + 1));
    for (size_t i = 0; i < colours.size(); ++i) {
        const int alpha = int((i + 16) / 32);
        colours[i] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), alpha));
    }
    const int w = mask.width();
    const int h = mask.height();
    std::vector<int> blend(size_t(w + 2)); // one output row's vertical blend, a zero either side
    for (int y = offset; y < layer.height(); ++y) {
        // Rows m - 1 and m (weights 1 and 3) for an even distance 2m, m and m + 1 (3 and 1) for
        // an odd one.
        const int m = (y - offset) / 2;
        const bool odd = (y - offset) % 2 == 1;
        const int nearRow = m;
        const int farRow = odd ? m + 1 : m - 1;
        if (nearRow >= h && farRow >= h)
            break;
        const uchar *nearLine = nearRow < h ? mask.constScanLine(nearRow) : nullptr;
        const uchar *farLine = farRow >= 0 && farRow < h ? mask.constScanLine(farRow) : nullptr;
        for (int x = 0; x < w; ++x)
            blend[size_t(x + 1)] = 3 * (nearLine ? nearLine[x] : 0) + (farLine ? farLine[x] : 0);
        auto *out = reinterpret_cast<QRgb *>(layer.scanLine(y));
        const int last = std::min(layer.width(), offset + 2 * w);
        for (int x = offset; x < last; ++x) {
            const int n = (x - offset) / 2 + 1;
            const int far = (x - offset) % 2 == 1 ? n + 1 : n - 1;
            out[x] = colours[size_t(3 * blend[size_t(n)] + blend[size_t(far)])];
        }
    }
    return true;
}

// Black or white, whichever stands out against colour.
QColor opposite(const QColor &colour)
{
    return colour.lightness() > 127 ? QColor(Qt::black) : QColor(Qt::white);
}

// Where the logo goes on a picture of size frame: its width a share of the picture's, placed in
// area.
QRectF logoRect(const QSize &frame, const QRect &area, const WatermarkEffects &fx)
{
    const int width = std::max(1, frame.width() * fx.logoWidth / 100);
    const int height = std::max(1, int(qint64(fx.logo.height()) * width / fx.logo.width()));
    return QRectF(placed(QSizeF(width, height), area, fx.logoPosition), QSizeF(width, height));
}

void drawLogo(QPainter &painter, const QSize &frame, const QRect &area, const WatermarkEffects &fx)
{
    const QRectF rect = logoRect(frame, area, fx);
    const QImage logo =
      fx.logo.scaled(rect.size().toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.setOpacity(fx.logoOpacity / 255.0);
    painter.drawImage(rect.topLeft(), logo);
    painter.setOpacity(1);
}

// The text turned, with its shadow and outline, on a transparent layer of the turned block's size
// plus room for them (pad on each side). Only a window of it is ever made: the part a picture
// can show, so that a huge text costs no more than the picture.
struct TextLayer
{
    const TextBlock &block;
    const StampResult &style;
    const WatermarkEffects &fx;
    qreal outlineWidth = 0;
    qreal offset = 0;
    int radius = 0;
    qreal pad = 0;
    QSize size;
    QTransform toLayer;

    TextLayer(const TextBlock &textBlock,
              const StampResult &result,
              const WatermarkEffects &effects)
      : block(textBlock)
      , style(result)
      , fx(effects)
    {
        const int pixels = QFontInfo(style.font).pixelSize();
        outlineWidth = std::max(1, pixels / 16);
        offset = fx.shadow ? std::max(1, pixels / 20) : 0;
        radius = std::max(2, pixels / 32);
        pad = outlineWidth + offset + 3 * radius + 2;
        const QSizeF turned = turnedSize(block.rect, fx.angle);
        size = QSize(int(std::min(std::ceil(turned.width() + 2 * pad), qreal(INT_MAX / 8))),
                     int(std::min(std::ceil(turned.height() + 2 * pad), qreal(INT_MAX / 8))));
        toLayer = turn(fx.angle);
        toLayer.translate(-block.rect.center().x(), -block.rect.center().y());
        toLayer *= QTransform::fromTranslate(size.width() / 2.0, size.height() / 2.0);
    }

    // The part of the layer drawn at origin that lies on a picture of pictureSize, with room for
    // the blur that reaches into it; empty when none does.
    QRect windowOn(const QSize &pictureSize, const QPointF &origin) const
    {
        const QRectF visible = QRectF(QPointF(0, 0), pictureSize).translated(-origin);
        const qreal room = 3 * radius + offset + 1;
        return visible.adjusted(-room, -room, room, room).toAlignedRect() &
               QRect(QPoint(0, 0), size);
    }

    // The window of the layer; null when it cannot be allocated.
    QImage draw(const QRect &window) const
    {
        QImage layer(window.size(), QImage::Format_ARGB32_Premultiplied);
        if (layer.isNull())
            return layer;
        layer.fill(Qt::transparent);
        const QTransform toWindow =
          toLayer * QTransform::fromTranslate(-window.left(), -window.top());
        const QColor against = opposite(style.pen);
        if (fx.shadow && !drawShadow(layer, block.path, toWindow, against, radius, int(offset)))
            return QImage();
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(toWindow);
        if (fx.outline)
            p.strokePath(block.path,
                         QPen(against, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QColor fill = style.pen;
        fill.setAlpha(255);
        p.fillPath(block.path, fill);
        return layer;
    }
};

// Draws the layer at origin, as much of it as lies on the picture of size frame; false when it
// cannot be made.
bool drawClipped(QPainter &painter,
                 const QSize &frame,
                 const TextLayer &layer,
                 const QPointF &origin,
                 StampResult &result)
{
    const QRect window = layer.windowOn(frame, origin);
    if (window.isEmpty())
        return true;
    const QImage drawn = layer.draw(window);
    result.layer = result.layer.expandedTo(window.size());
    if (drawn.isNull())
        return false;
    painter.drawImage(origin + window.topLeft(), drawn);
    return true;
}

// Fits font to width by the text's longest line (the plain rule).
void fitLineToWidth(int width, int side, const QString &text, QFont &font)
{
    const QString line = referenceLine(text);
    fitToWidth(width, side, font, [&](const QFont &f) {
        return QFontMetrics(f).boundingRect(line).width();
    });
}

// The side the automatic size starts from: the width, or the shorter side when the style asks,
// so that portraits and landscapes of a batch get one size.
int sizingSide(const QSize &size, const WatermarkEffects &fx)
{
    return fx.textSizeBy == TextSizeBy::ShortSide ? std::min(size.width(), size.height())
                                                  : size.width();
}

// The font a style starts from: Arial for the automatic style, else the chosen one.
QFont styleFont(const WatermarkStyle &style)
{
    return style.useDefaults ? QFont(QStringLiteral("Arial")) : style.font;
}

// The plain rule's font, fitted to the picture's width when the style asks.
QFont plainFont(const QSize &size, const QString &text, const WatermarkStyle &style)
{
    QFont font = styleFont(style);
    if (style.useDefaults || style.autoFontSize)
        fitLineToWidth(size.width(), sizingSide(size, style.effects), text, font);
    return font;
}

// Where the mark with effects goes on a picture: inside the margin, in a font fitted with its
// turn; the automatic colour's patch follows the area, or the centre when tiled.
struct EffectsPlacement
{
    QRect area;
    QFont font;
    int colourPosition = 0;
    QRect colourArea;
};

EffectsPlacement placeWithEffects(const QSize &size,
                                  const QString &text,
                                  int position,
                                  const WatermarkStyle &style)
{
    const WatermarkEffects &fx = style.effects;
    EffectsPlacement placement;
    const int inset = std::min(size.width(), size.height()) * fx.margin / 100;
    const QRect area = QRect(QPoint(0, 0), size).adjusted(inset, inset, -inset, -inset);
    placement.area = area;
    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto measure = [&](const QFont &font) {
        if (fx.angle == 0)
            return QFontMetrics(font).boundingRect(referenceLine(text)).width();
        // The turned block must fit the area's height as well as its width: its height counts
        // in width's units.
        const QSizeF turned = turnedSize(blockRect(lines, QFontMetricsF(font)), fx.angle);
        const qreal height = turned.height() * area.width() / std::max(1, area.height());
        return int(std::ceil(std::max(turned.width(), height)));
    };
    placement.font = styleFont(style);
    if (style.useDefaults || style.autoFontSize)
        fitToWidth(area.width(), sizingSide(area.size(), fx), placement.font, measure);
    // A tiled mark lies everywhere: its colour comes from the picture's centre patch.
    placement.colourPosition = fx.tile ? int(Qt::AlignCenter) : position;
    placement.colourArea = fx.tile ? QRect(QPoint(0, 0), size) : area;
    return placement;
}

// The pen a style draws with on image: black or white by the patch when automatic.
QColor penFor(const QImage &image,
              const QSize &frame,
              int colourPosition,
              const QRect &colourArea,
              const WatermarkStyle &style)
{
    QColor pen = style.useDefaults || style.autoColor
                   ? automaticColour(image, frame, colourPosition, colourArea)
                   : style.fontColor;
    pen.setAlpha(style.useDefaults ? WatermarkStyle::automaticAlpha : style.alpha);
    return pen;
}

// The text layer's top left corner, pad included, for a block placed in area.
QPointF layerOrigin(const TextBlock &block, const TextLayer &layer, const QRect &area, int position)
{
    const QSizeF turned = turnedSize(block.rect, layer.fx.angle);
    return placed(turned, area, position) - QPointF(layer.pad, layer.pad);
}

// The rule with effects: the mark placed inside the margin, fitted with its turn, repeated over
// the picture when tiled. The text's opacity applies to the whole layer. painter draws in the
// coordinates of a picture of size frame; the automatic colour is taken from picture.
StampResult stampWithEffects(QPainter &painter,
                             const QImage &picture,
                             const QSize &frame,
                             const QString &text,
                             int position,
                             const WatermarkStyle &style)
{
    const WatermarkEffects &fx = style.effects;
    const EffectsPlacement placement = placeWithEffects(frame, text, position, style);
    const QRect &area = placement.area;
    StampResult result;
    result.font = placement.font;
    result.pen = penFor(picture, frame, placement.colourPosition, placement.colourArea, style);

    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!fx.logo.isNull())
        drawLogo(painter, frame, area, fx);
    if (text.isEmpty())
        return result;
    const TextBlock block = layoutBlock(text, result.font, position);
    const TextLayer layer(block, result, fx);
    const QSizeF turned = turnedSize(block.rect, fx.angle);
    const QPointF origin = layerOrigin(block, layer, area, position);
    painter.setOpacity(result.pen.alphaF());
    if (!fx.tile) {
        result.drawn = drawClipped(painter, frame, layer, origin, result);
        return result;
    }
    // A grid of one block width by one block height through the placed block.
    const qreal stepX = std::max<qreal>(1, turned.width());
    const qreal stepY = std::max<qreal>(1, turned.height());
    const qreal firstX = origin.x() - std::ceil((origin.x() + layer.size.width()) / stepX) * stepX;
    const qreal firstY = origin.y() - std::ceil((origin.y() + layer.size.height()) / stepY) * stepY;
    // A tile that fits the picture is made once and repeated; a larger one piece by piece.
    const bool once = layer.size.width() <= frame.width() && layer.size.height() <= frame.height();
    const QImage tile = once ? layer.draw(QRect(QPoint(0, 0), layer.size)) : QImage();
    if (once)
        result.layer = layer.size;
    if (once && tile.isNull()) {
        result.drawn = false;
        return result;
    }
    for (qreal y = firstY; y < frame.height(); y += stepY) {
        for (qreal x = firstX; x < frame.width() && result.drawn; x += stepX) {
            if (once)
                painter.drawImage(QPointF(x, y), tile);
            else
                result.drawn = drawClipped(painter, frame, layer, QPointF(x, y), result);
        }
    }
    return result;
}

// The plain rule, drawn by painter in the coordinates of a picture of size frame; the automatic
// colour is taken from picture.
StampResult stampPlain(QPainter &painter,
                       const QImage &picture,
                       const QSize &frame,
                       const QString &text,
                       int position,
                       const WatermarkStyle &style)
{
    StampResult result;
    result.font = plainFont(frame, text, style);
    result.pen = penFor(picture, frame, position, QRect(), style);
    painter.setFont(result.font);
    painter.setPen(result.pen);
    painter.drawText(QRect(QPoint(0, 0), frame), position, text);
    return result;
}

// The part of a picture of size frame that the mark draws on, with room for its antialiasing.
QRect markArea(const QSize &frame, const QString &text, int position, const WatermarkStyle &style)
{
    const QRect picture(QPoint(0, 0), frame);
    const WatermarkEffects &fx = style.effects;
    if (fx.isPlain()) {
        // Room for glyphs that reach past their advance, and for antialiasing.
        const int room = QFontInfo(plainFont(frame, text, style)).pixelSize() / 2 + 2;
        return watermarkBox(frame, text, position, style).adjusted(-room, -room, room, room) &
               picture;
    }
    if (fx.tile)
        return picture;
    QRect area;
    if (!fx.logo.isNull())
        area = logoRect(frame, placeWithEffects(frame, text, position, style).area, fx)
                 .toAlignedRect()
                 .adjusted(-1, -1, 1, 1);
    if (!text.isEmpty())
        area |= watermarkBox(frame, text, position, style).adjusted(-1, -1, 1, 1);
    return area & picture;
}

StampResult stampWithPainter(QPainter &painter,
                             const QImage &picture,
                             const QSize &frame,
                             const QString &text,
                             int position,
                             const WatermarkStyle &style)
{
    if (!style.effects.isPlain())
        return stampWithEffects(painter, picture, frame, text, position, style);
    return stampPlain(painter, picture, frame, text, position, style);
}

} // namespace

QFont fitWatermarkFont(const QImage &image, const QString &text, QFont &font)
{
    fitLineToWidth(image.width(), image.width(), text, font);
    return font;
}

QList<QRect> watermarkBoxes(const QSize &size,
                            const QString &text,
                            const QList<int> &positions,
                            const WatermarkStyle &style)
{
    const QRect picture(QPoint(0, 0), size);
    const WatermarkEffects &fx = style.effects;
    QList<QRect> boxes;
    // The font does not depend on the position: it is fitted once.
    if (fx.isPlain()) {
        const QFontMetrics metrics(plainFont(size, text, style));
        for (const int position : positions)
            boxes << (metrics.boundingRect(picture, position, text) & picture);
        return boxes;
    }
    if (fx.tile || text.isEmpty()) {
        for (qsizetype i = 0; i < positions.size(); ++i)
            boxes << (fx.tile ? picture : QRect());
        return boxes;
    }
    const EffectsPlacement placement = placeWithEffects(size, text, Position::Center, style);
    StampResult sized;
    sized.font = placement.font;
    for (const int position : positions) {
        const TextBlock block = layoutBlock(text, sized.font, position);
        const TextLayer layer(block, sized, fx);
        const QPointF origin = layerOrigin(block, layer, placement.area, position);
        boxes << (QRectF(origin, QSizeF(layer.size)).toAlignedRect() & picture);
    }
    return boxes;
}

QRect watermarkBox(const QSize &size,
                   const QString &text,
                   int position,
                   const WatermarkStyle &style)
{
    return watermarkBoxes(size, text, { position }, style).constFirst();
}

QRect watermarkReach(const QSize &size,
                     const QString &text,
                     int position,
                     const WatermarkStyle &style)
{
    const QRect picture(QPoint(0, 0), size);
    const WatermarkEffects &fx = style.effects;
    const bool automatic = style.useDefaults || style.autoColor;
    if (fx.isPlain()) {
        QRect reach = markArea(size, text, position, style);
        if (automatic)
            reach |= colourPatch(size, position);
        return reach & picture;
    }
    if (fx.tile)
        return picture;
    const EffectsPlacement placement = placeWithEffects(size, text, position, style);
    QRect reach;
    if (!fx.logo.isNull())
        reach = picture; // the logo's size comes from the picture's width: not worth the sums
    if (!text.isEmpty())
        reach |= watermarkBox(size, text, position, style).adjusted(-1, -1, 1, 1);
    if (automatic)
        reach |= colourPatch(size, placement.colourPosition, placement.colourArea);
    return reach & picture;
}

StampResult stampWatermark(QImage &image,
                           const QString &text,
                           int position,
                           const WatermarkStyle &style)
{
    return stampWatermark(image, image.size(), text, position, style);
}

StampResult stampWatermark(QImage &image,
                           const QSize &frame,
                           const QString &text,
                           int position,
                           const WatermarkStyle &style)
{
    if (frame == image.size()) {
        QPainter painter(&image);
        return stampWithPainter(painter, image, frame, text, position, style);
    }
    // A tiled mark covers the whole picture: it is drawn at the picture's scale.
    if (style.effects.tile) {
        QPainter painter(&image);
        painter.setTransform(frameToImage(frame, image));
        return stampWithPainter(painter, image, frame, text, position, style);
    }
    // Else the mark is drawn as on the whole picture, on a layer of the part it covers at twice
    // the picture's scale (at most the whole picture's), which is then scaled down with it: its
    // edges stay as smooth as if it had been drawn on the whole picture.
    // The layer's corners lie on whole eighths, which every libjpeg scale maps to whole pixels.
    const QRect area = markArea(frame, text, position, style);
    const auto down = [](int v) { return v - v % 8; };
    const auto up = [](int v) { return v + (8 - v % 8) % 8; };
    const QRect covered(QPoint(down(area.left()), down(area.top())),
                        QPoint(up(area.right() + 1) - 1, up(area.bottom() + 1) - 1));
    const QTransform toImage = frameToImage(frame, image);
    const qreal layerScale = std::min<qreal>(1, 2 * std::max(toImage.m11(), toImage.m22()));
    QImage layer((QSizeF(covered.size()) * layerScale).toSize().expandedTo(QSize(1, 1)),
                 QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull())
        return StampResult{ QFont(), QColor(), false, QSize() };
    layer.fill(Qt::transparent);
    QPainter onLayer(&layer);
    onLayer.scale(layerScale, layerScale);
    onLayer.translate(-covered.topLeft());
    StampResult result = stampWithPainter(onLayer, image, frame, text, position, style);
    onLayer.end();
    const QPoint topLeft = toImage.map(QPointF(covered.topLeft())).toPoint();
    const QPoint bottomRight =
      toImage.map(QPointF(covered.topLeft() + QPoint(covered.width(), covered.height()))).toPoint();
    const QSize scaled = QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y());
    if (!scaled.isEmpty() && result.drawn) {
        QPainter(&image).drawImage(
          topLeft, layer.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return result;
}
