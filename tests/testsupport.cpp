#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "engine/output/outputnames.h"
#include "settings/appfolders.h"
#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"

#include <cstdio>
#include <cstdlib>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

TestEnvironment::TestEnvironment()
{
    // QSettings fixes the configuration folder at its first use: one folder for the whole test
    // program, cleared for every environment.
    static QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QSettings(QSettings::NativeFormat,
              QSettings::UserScope,
              QStringLiteral("quorlane"),
              QStringLiteral("quorlane"))
      .clear();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/cache")));
    QCoreApplication::setApplicationName(QStringLiteral("quorlane"));
    WatermarkSettings::instance() = WatermarkSettings();
    AppFolders::setUp(WatermarkSettings::instance());
}

TestEnvironment::~TestEnvironment()
{
    WatermarkSettings::instance() = WatermarkSettings();
}

QString TestEnvironment::settingsFile() const
{
    return WatermarkSettings::instance().settingsDirPath + QLatin1Char('/') +
           QLatin1String(SettingsFile::fileName);
}

FakeUiServices::FakeUiServices()
{
    UiServices::install(this);
}

FakeUiServices::~FakeUiServices()
{
    UiServices::install(nullptr);
}

QStringList FakeUiServices::getOpenFileNames(QWidget *,
                                             const QString &caption,
                                             const QString &dir,
                                             const QString &filter)
{
    fileDialogCalls.append({ caption, dir, filter, {} });
    return filesToOpen;
}

QString FakeUiServices::getExistingDirectory(QWidget *,
                                             const QString &caption,
                                             const QString &dir,
                                             QFileDialog::Options options)
{
    fileDialogCalls.append({ caption, dir, QString(), options });
    return directoryToChoose;
}

int FakeUiServices::execMessageBox(QMessageBox &box)
{
    messageTexts << box.text();
    QAbstractButton *button = messageBoxAnswer ? messageBoxAnswer(box) : box.escapeButton();
    if (!button)
        button = box.defaultButton();
    if (button)
        button->click();
    return box.result();
}

void FakeUiServices::openUrl(const QUrl &url)
{
    openedUrls << url;
}

QFont FakeUiServices::getFont(bool *ok, const QFont &initial)
{
    ++fontDialogs;
    *ok = fontAccepted;
    return fontAccepted ? fontToChoose : initial;
}

void FakeUiServices::backgroundTaskStarts()
{
    if (onBackgroundTask)
        onBackgroundTask();
}

void FakeUiServices::thumbnailTaskStarts()
{
    if (onThumbnailTask)
        onThumbnailTask();
}

QColor FakeUiServices::getColor(const QColor &)
{
    ++colourDialogs;
    return colourToChoose;
}

QImage solidImage(int width, int height, const QColor &colour, QImage::Format format)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

QString writeImage(const QString &dir,
                   const QString &name,
                   const QImage &image,
                   const char *format,
                   int quality)
{
    const QString path = dir + QLatin1Char('/') + name;
    QDir().mkpath(dir);
    QImageWriter writer(path, format ? QByteArray(format) : QByteArray());
    writer.setQuality(quality);
    if (!writer.write(image))
        qWarning() << "cannot write" << path << writer.errorString();
    return path;
}

RunSnapshot testRun(const QStringList &sources,
                    const QString &outDir,
                    const QString &format,
                    int position,
                    const QSize &size)
{
    RunSnapshot run;
    run.text = QString::fromUtf8("© Name\nComments");
    run.position = position;
    run.outputSize = size;
    run.outputDir = outDir;
    run.sources = sources;
    run.outputs = assignOutputPaths(sources, outDir, format).paths;
    run.sourceFiles = identitiesOf(sources);
    return run;
}

BatchReport runToEnd(const RunSnapshot &run, int workers, QList<int> *progress)
{
    BatchRunner runner;
    QSignalSpy done(&runner, &BatchRunner::finished);
    QSignalSpy percent(&runner, &BatchRunner::progress);
    runner.start(run, workers);
    if (!done.wait(120000))
        return BatchReport();
    for (const QList<QVariant> &args : percent) {
        if (progress)
            *progress << args.at(0).toInt();
    }
    return done.at(0).at(0).value<BatchReport>();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QRect changedArea(const QImage &image, const QColor &colour, int tolerance)
{
    QRect area;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = line[x];
            if (qAbs(qRed(p) - colour.red()) > tolerance ||
                qAbs(qGreen(p) - colour.green()) > tolerance ||
                qAbs(qBlue(p) - colour.blue()) > tolerance)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

void onNextModal(const std::function<void(QWidget *)> &fn, int timeoutMs)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, fn, timeoutMs] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            fn(w);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            qWarning("no modal dialog appeared");
        }
    });
    timer->start();
}

QString describe(const RunSnapshot &run)
{
    const WatermarkStyle &st = run.style;
    const WatermarkEffects &fx = st.effects;
    QStringList outputs;
    for (const QString &output : run.outputs)
        outputs << QFileInfo(output).fileName();
    const QByteArray logo(reinterpret_cast<const char *>(fx.logo.constBits()),
                          fx.logo.isNull() ? 0 : fx.logo.sizeInBytes());
    return QStringLiteral("text %1 sign %2 position %3 style %4 effects %5 size %6x%7 "
                          "policy %8 sources %9 outputs %10 skipped %11")
      .arg(run.text.typed)
      .arg(run.text.copyrightSign)
      .arg(run.position)
      .arg(st.useDefaults ? QStringLiteral("automatic")
                          : QStringLiteral("%1 %2 %3 %4 %5")
                              .arg(st.font.toString(), st.fontColor.name(QColor::HexArgb))
                              .arg(st.alpha)
                              .arg(st.autoFontSize)
                              .arg(st.autoColor))
      .arg(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
             .arg(fx.margin)
             .arg(fx.outline)
             .arg(fx.shadow)
             .arg(fx.angle)
             .arg(fx.tile)
             .arg(fx.logoPath)
             .arg(fx.logoWidth)
             .arg(fx.logoPosition)
             .arg(fx.logoOpacity) +
           QStringLiteral(" auto %1").arg(fx.autoPosition) +
           QStringLiteral(" logo %1")
             .arg(QString::fromLatin1(
               QCryptographicHash::hash(logo, QCryptographicHash::Md5).toHex())))
      .arg(run.outputSize.box.width())
      .arg(QString::number(run.outputSize.box.height()) +
           QLatin1String(run.outputSize.isLongEdge ? " long edge" : ""))
      .arg(QStringLiteral("%1 %2 %3 %4 %5")
             .arg(int(run.policy.metadata))
             .arg(run.policy.copyrightFromText)
             .arg(run.policy.jpegQuality)
             .arg(int(run.policy.resize))
             .arg(int(run.policy.existingFiles)))
      .arg(run.sources.join(QLatin1Char('|')), outputs.join(QLatin1Char('|')))
      .arg(QString::number(run.skipped.count(true)));
}

QMap<QString, QString> spokenNames(QWidget &window)
{
    QMap<QString, QString> names;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() ||
            !widget->isVisibleTo(&window))
            continue;
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(widget);
        QString name = control->text(QAccessible::Name);
        if (qobject_cast<QComboBox *>(widget)) {
            const auto labels = control->relations(QAccessible::Label);
            name = labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
        }
        names.insert(widget->objectName(), name.simplified());
    }
    return names;
}

QMultiMap<QChar, QString> mnemonics(QWidget &window)
{
    QMultiMap<QChar, QString> letters;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (at >= 0)
            letters.insert(text.at(at + 1).toLower(), widget->objectName());
    }
    return letters;
}

QByteArray encodeJpeg(const QImage &picture, const JpegLayout &layout)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(picture.width());
    info.image_height = JDIMENSION(picture.height());
    info.input_components = 4;
    info.in_color_space = layout.cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    if (layout.grey)
        jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    info.comp_info[0].h_samp_factor = layout.grey ? 1 : layout.h;
    info.comp_info[0].v_samp_factor = layout.grey ? 1 : layout.v;
    info.restart_in_rows = layout.restart;
    if (layout.progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar *>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QByteArray withOrientation(QByteArray jpeg, quint16 orientation)
{
    QByteArray exif("Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01", 24);
    exif.append(char(orientation >> 8)).append(char(orientation & 0xff));
    exif.append(QByteArray(6, '\0'));
    QByteArray segment("\xff\xe1", 2);
    const int length = int(exif.size()) + 2;
    segment.append(char(length >> 8)).append(char(length & 0xff)).append(exif);
    return jpeg.insert(2, segment);
}
