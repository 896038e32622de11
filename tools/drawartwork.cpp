// Draws every picture that Quorlane ships: the button images, the logo, the application icon
// in several sizes and the sample photo. Usage: drawartwork <ui/images folder> <data/icons folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "grain.h"

namespace {

const QColor ink(0x1f, 0x4e, 0x79);
const QColor accent(0xf2, 0x9d, 0x38);

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The shaded disc that every round button shares.
void drawDisc(QPainter &p, const QColor &colour)
{
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(QPointF(18, 16), 30);
    fill.setColorAt(0, colour.lighter(135));
    fill.setColorAt(1, colour);
    p.setBrush(fill);
    p.setPen(QPen(colour.darker(140), 1.5));
    p.drawEllipse(QRectF(3.5, 3.5, 42, 42));
}

QImage roundButton(const QColor &colour, bool plus)
{
    QImage image = canvas(49, 49);
    QPainter p(&image);
    drawDisc(p, colour);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 24.5), QPointF(34, 24.5));
    if (plus)
        p.drawLine(QPointF(24.5, 15), QPointF(24.5, 34));
    return image;
}

// A round button with a folder and a small plus: adds a whole folder.
QImage folderButton(const QColor &colour)
{
    QImage image = canvas(49, 49);
    QPainter p(&image);
    drawDisc(p, colour);
    QPainterPath folder;
    folder.moveTo(12, 17);
    folder.lineTo(20, 17);
    folder.lineTo(23, 20);
    folder.lineTo(37, 20);
    folder.lineTo(37, 33);
    folder.lineTo(12, 33);
    folder.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(folder);
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24.5, 23), QPointF(24.5, 30));
    p.drawLine(QPointF(21, 26.5), QPointF(28, 26.5));
    return image;
}

QImage applyButton()
{
    QImage image = canvas(306, 53);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 53);
    fill.setColorAt(0, ink.lighter(150));
    fill.setColorAt(1, ink);
    p.setBrush(fill);
    p.setPen(QPen(ink.darker(130), 1.5));
    p.drawRoundedRect(QRectF(2, 3, 302, 47), 12, 12);
    // A small stamp in front of the words, which the window draws in the user's language.
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(22, 14, 26, 9), 3, 3);
    p.drawRect(QRectF(31, 22, 8, 9));
    p.drawRoundedRect(QRectF(18, 31, 34, 8), 2, 2);
    return image;
}

// The mark: a photo card with a mountain, a sun and a translucent stamp band across it.
void drawMark(QPainter &p, const QRectF &r)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = r.width() / 16;
    QPainterPath card;
    card.addRoundedRect(r.adjusted(u * 0.5, u * 1.5, -u * 0.5, -u * 1.5), u * 1.5, u * 1.5);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x8e, 0xc5, 0xf0));
    sky.setColorAt(1, QColor(0xe8, 0xf4, 0xfd));
    p.setPen(QPen(ink, u * 0.6));
    p.setBrush(sky);
    p.drawPath(card);
    p.save();
    p.setClipPath(card);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(r.left() + u * 11.5, r.top() + u * 5.2), u * 1.6, u * 1.6);
    QPainterPath hills;
    hills.moveTo(r.left(), r.bottom());
    hills.lineTo(r.left() + u * 5, r.top() + u * 6.5);
    hills.lineTo(r.left() + u * 8.5, r.top() + u * 10);
    hills.lineTo(r.left() + u * 11, r.top() + u * 8);
    hills.lineTo(r.right(), r.top() + u * 12);
    hills.lineTo(r.right(), r.bottom());
    p.setBrush(QColor(0x3c, 0x8d, 0x5a));
    p.drawPath(hills);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawRect(QRectF(r.left(), r.top() + u * 9.6, r.width(), u * 3));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qMax(1, int(u * 2.4)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(r.left(), r.top() + u * 9.6, r.width(), u * 3),
               Qt::AlignCenter,
               QStringLiteral("\u00A9 Q"));
    p.restore();
}

QImage icon(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    drawMark(p, QRectF(0, 0, size, size));
    return image;
}

QImage logo()
{
    QImage image = canvas(71, 47);
    QPainter p(&image);
    drawMark(p, QRectF(0, 0, 40, 40));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRect(40, 4, 31, 36), Qt::AlignCenter, QStringLiteral("Q"));
    return image;
}

// A landscape with some grain, so that the sample behaves like a photo in the preview.
QImage samplePhoto()
{
    const int w = 1024;
    const int h = 768;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h * 0.6);
    sky.setColorAt(0, QColor(0x2b, 0x5d, 0x9c));
    sky.setColorAt(1, QColor(0xf6, 0xc8, 0x8f));
    p.fillRect(image.rect(), sky);
    QRadialGradient sun(QPointF(w * 0.7, h * 0.42), h * 0.2);
    sun.setColorAt(0, QColor(255, 244, 214));
    sun.setColorAt(0.35, QColor(255, 220, 150, 200));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.fillRect(image.rect(), sun);
    const QColor ranges[] = { QColor(0x4b, 0x4f, 0x78),
                              QColor(0x35, 0x48, 0x5c),
                              QColor(0x24, 0x3b, 0x35) };
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath ridge;
        ridge.moveTo(0, h);
        const qreal base = h * (0.45 + layer * 0.09);
        for (int x = 0; x <= w; x += 16) {
            const qreal y = base - 60 * std::sin(x * (0.004 + layer * 0.003) + layer) -
                            25 * std::sin(x * 0.021 + layer * 2);
            ridge.lineTo(x, y);
        }
        ridge.lineTo(w, h);
        p.fillPath(ridge, ranges[layer]);
    }
    QLinearGradient lake(0, h * 0.78, 0, h);
    lake.setColorAt(0, QColor(0x5e, 0x7f, 0xa8));
    lake.setColorAt(1, QColor(0x1d, 0x2f, 0x47));
    p.fillRect(QRectF(0, h * 0.8, w, h * 0.2), lake);
    p.end();
    QRandomGenerator grain(2026);
    addGrain(image, grain, 6);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: drawartwork <ui images folder> <data icons folder>");
        return 2;
    }
    const QDir images(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    bool ok = roundButton(QColor(0x2e, 0x9e, 0x5b), true).save(images.filePath("plus.png")) &&
              roundButton(QColor(0xc6, 0x3d, 0x3d), false).save(images.filePath("minus.png")) &&
              folderButton(QColor(0x2e, 0x7d, 0xb5)).save(images.filePath("folder.png")) &&
              applyButton().save(images.filePath("apply.png")) &&
              logo().save(images.filePath("logo.png")) &&
              icon(256).save(images.filePath("icon.png")) &&
              samplePhoto().save(images.filePath("test.jpg"), "jpeg", 88);
    for (int size : { 16, 32, 48, 64, 128, 256 })
        ok = ok && icon(size).save(icons.filePath(QStringLiteral("%1.png").arg(size)));
    return ok ? 0 : 1;
}
