// One preview refresh on large photos, split into its phases, and a refresh that reuses the
// decoded picture (what typing and position clicks cost).
// Usage: bench_preview <cache folder>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "benchsupport.h"
#include "engine/imageio/picturereader.h"
#include "engine/mark/colourtest.h"
#include "engine/mark/positions.h"
#include "engine/mark/watermark.h"
#include "engine/preview/previewcache.h"
#include "engine/preview/previewrenderer.h"
#include "settings/constants.h"

namespace {

double ms(QElapsedTimer &t)
{
    const double v = t.nsecsElapsed() / 1e6;
    t.restart();
    return v;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void measure(const QString &label, const QString &path)
{
    const QString text = QString::fromUtf8("© Name\nComments");
    constexpr int rounds = 5;
    std::vector<double> decode, colour, fit, draw, scale, total, cached;
    PreviewCache cache;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        QImage image = PictureReader::read(path).image;
        decode.push_back(ms(t));
        const bool dark = isDarkBackground(image, Position::Center);
        colour.push_back(ms(t));
        QFont font(QStringLiteral("Arial"));
        fitWatermarkFont(image, text, font);
        fit.push_back(ms(t));
        {
            QPainter p(&image);
            p.setFont(font);
            p.setPen(dark ? QColor(255, 255, 255, 127) : QColor(0, 0, 0, 127));
            p.drawText(image.rect(), Position::Center, text);
        }
        draw.push_back(ms(t));
        const QImage shown =
          image.scaled(previewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scale.push_back(ms(t));
        total.push_back(decode.back() + colour.back() + fit.back() + draw.back() + scale.back());

        // What a text or position change costs with the decoded picture kept.
        PreviewRequest request;
        request.path = path;
        request.text = text;
        request.position = Position::BottomRight;
        request.viewSize = previewSize;
        renderPreview(request, cache);
        t.restart();
        renderPreview(request, cache);
        cached.push_back(ms(t));
    }
    std::printf("%-6s decode %7.1f ms | colour %5.2f | fit %5.2f | draw %5.1f | scale %5.1f | "
                "refresh %7.1f ms | cached refresh %6.1f ms (%.2fx)\n",
                qPrintable(label),
                median(decode),
                median(colour),
                median(fit),
                median(draw),
                median(scale),
                median(total),
                median(cached),
                median(cached) / median(total));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1
                          ? QString::fromLocal8Bit(argv[1])
                          : QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                              QStringLiteral("/quorlane-bench");
    const QString p12 = makePhotos(dir, QStringLiteral("p12"), 1, QSize(4000, 3000)).first();
    const QString p48 = makePhotos(dir, QStringLiteral("p48"), 1, QSize(8000, 6000)).first();
    std::printf("Preview refresh, medians of 5 (automatic style, centre)\n");
    measure(QStringLiteral("12 MP"), p12);
    measure(QStringLiteral("48 MP"), p48);
    return 0;
}
