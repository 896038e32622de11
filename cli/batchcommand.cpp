#include "batchcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <functional>

#include "app/configfile.h"
#include "app/constants.h"
#include "app/settingsfile.h"
#include "app/watermarksettings.h"
#include "engine/outputnames.h"
#include "engine/positions.h"

namespace {

// The position names, in the order of Position::all.
constexpr std::array<const char *, 9> positionNames = { "top-left",    "top",    "top-right",
                                                        "left",        "center", "right",
                                                        "bottom-left", "bottom", "bottom-right" };

// "a, b or c": wraps at word boundaries in --help.
QString names(const char *const *first, const char *const *last)
{
    QStringList list;
    for (auto it = first; it != last; ++it)
        list << QLatin1String(*it);
    const QString lastName = list.takeLast();
    return list.join(QStringLiteral(", ")) + QStringLiteral(" or ") + lastName;
}

template<size_t N>
QString names(const std::array<const char *, N> &list)
{
    return names(list.data(), list.data() + N);
}

// The options, each with the text --help shows.
struct Options
{
    QCommandLineOption output{ { "o", "output" },
                               "Write into DIR, made with its parents when missing (default: the "
                               "window's output folder).",
                               "DIR" };
    QCommandLineOption text{ { "t", "text" },
                             "The watermark text; line breaks as given (default: the saved "
                             "text).",
                             "TEXT" };
    QCommandLineOption copyrightSign{ "copyright-sign", "Put \"\u00a9 \" before the text." };
    QCommandLineOption noCopyrightSign{ "no-copyright-sign", "Do not put \"\u00a9 \" before it." };
    QCommandLineOption position{ { "p", "position" },
                                 "Where the text goes: " + names(positionNames) +
                                   " (default: the saved position).",
                                 "WHERE" };
    QCommandLineOption settings{ "settings",
                                 "Take text, sign, position and style from FILE, a "
                                 "settings.qrl.xml (default: the window's own, when it exists).",
                                 "FILE" };
    QCommandLineOption automatic{ "automatic",
                                  "Choose font size, black or white and opacity per picture." };
    QCommandLineOption size{ { "s", "size" },
                             "original, 640x480, 320x240, 240x160, thumbnails or WxH (1 to "
                             "16384; default: original).",
                             "SIZE" };
    QCommandLineOption format{ { "f", "format" },
                               "original, jpg, png, tiff, bmp, ppm or xpm (default: original).",
                               "FORMAT" };
    QCommandLineOption quality{ { "Q", "quality" }, "JPEG quality, 1 to 100.", "N" };
    QCommandLineOption fit{ "fit", "Fit inside SIZE, keeping proportions; never enlarge." };
    QCommandLineOption stretch{ "stretch", "Stretch to exactly SIZE." };
    QCommandLineOption metadata{ "metadata",
                                 "Metadata to keep: " + names(metadataChoiceNames) + ".",
                                 "WHICH" };
    QCommandLineOption copyrightNotice{ "copyright-notice",
                                        "Write the text as the copyright notice." };
    QCommandLineOption noCopyrightNotice{ "no-copyright-notice",
                                          "Leave the copyright notice as the metadata has it." };
    QCommandLineOption ifExists{ "if-exists",
                                 "When the output folder has a picture of the same name: " +
                                   names(existingFilesNames) + ".",
                                 "WHAT" };
    QCommandLineOption margin{ "margin",
                               "Keep the mark N percent of the shorter side off the edges (0 to "
                               "20).",
                               "N" };
    QCommandLineOption outline{ "outline", "Outline the text in black or white." };
    QCommandLineOption noOutline{ "no-outline", "No outline." };
    QCommandLineOption shadow{ "shadow", "Give the text a soft shadow." };
    QCommandLineOption noShadow{ "no-shadow", "No shadow." };
    QCommandLineOption angle{ "angle",
                              "Turn the text by DEG degrees counter-clockwise (-90 to 90).",
                              "DEG" };
    QCommandLineOption tile{ "tile", "Repeat the text over the whole picture." };
    QCommandLineOption noTile{ "no-tile", "Stamp the text once." };
    QCommandLineOption logo{ "logo",
                             "Stamp the picture FILE (PNG, SVG, ...) before the text; "
                             "'' for none.",
                             "FILE" };
    QCommandLineOption logoWidth{ "logo-width",
                                  "The logo's width in percent of the picture's "
                                  "(1 to 100).",
                                  "N" };
    QCommandLineOption logoPosition{ "logo-position",
                                     "Where the logo goes, as --position.",
                                     "WHERE" };
    QCommandLineOption logoOpacity{ "logo-opacity", "The logo's opacity, 0 to 255.", "N" };
    QCommandLineOption jobs{ { "j", "jobs" },
                             "Stamp N pictures at once (default: by cores and memory).",
                             "N" };
    QCommandLineOption filesFrom{ "files-from",
                                  "Read the pictures from FILE, one a line ('-': standard input).",
                                  "FILE" };
    QCommandLineOption null{ { "0", "null" }, "Names in --files-from end with NUL, not newline." };
    QCommandLineOption report{ "report",
                               "Write one JSON line per picture to FILE: source, output, status, "
                               "reason.",
                               "FILE" };
    QCommandLineOption quiet{ { "q", "quiet" }, "Print only errors." };
    QCommandLineOption help{ { "h", "help" }, "Show this help and exit." };
    QCommandLineOption version{ "version", "Show the version and exit." };

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({ output,
                            text,
                            copyrightSign,
                            noCopyrightSign,
                            position,
                            settings,
                            automatic,
                            size,
                            format,
                            quality,
                            fit,
                            stretch,
                            metadata,
                            copyrightNotice,
                            noCopyrightNotice,
                            ifExists,
                            margin,
                            outline,
                            noOutline,
                            shadow,
                            noShadow,
                            angle,
                            tile,
                            noTile,
                            logo,
                            logoWidth,
                            logoPosition,
                            logoOpacity,
                            jobs,
                            filesFrom,
                            null,
                            report,
                            quiet,
                            help,
                            version });
    }
};

void setUp(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(
      "Stamp a text watermark onto every FILE, exactly as the Quorlane window does, and write\n"
      "the results into the output folder. Options not given take what the window has saved.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    options.addTo(parser);
    parser.addPositionalArgument("FILE", "Pictures to stamp.", "[FILE]...");
}

// Reads one value of a fixed list; sets failure when it is not one of them.
template<size_t N>
int pick(const QCommandLineParser &parser,
         const QCommandLineOption &option,
         const std::array<const char *, N> &list,
         QString *failure)
{
    const QString value = parser.value(option);
    const int index = choiceIndex(list, value.toUtf8().constData());
    if (index < 0) {
        *failure = QStringLiteral("invalid value '%1' for --%2 (one of %3)")
                     .arg(value, option.names().constLast(), names(list));
    }
    return index;
}

bool readInt(const QString &value, int min, int max, int *result)
{
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok, 10);
    if (!ok || n < min || n > max)
        return false;
    *result = int(n);
    return true;
}

QSize readSize(const QString &value, bool *ok)
{
    *ok = true;
    const QString lower = value.toLower();
    if (lower == QLatin1String("original"))
        return QSize();
    if (lower == QLatin1String("thumbnails"))
        return outputSizes.at(4).size;
    const QStringList sides = lower.split(QLatin1Char('x'));
    int width = 0;
    int height = 0;
    if (sides.size() == 2 && readInt(sides.at(0), minCustomSide, maxCustomSide, &width) &&
        readInt(sides.at(1), minCustomSide, maxCustomSide, &height))
        return QSize(width, height);
    *ok = false;
    return QSize();
}

bool readFileList(const QString &path, QIODevice *standardInput, bool nul, QStringList *files)
{
    QFile file(path);
    QIODevice *device = standardInput;
    if (path != QLatin1String("-")) {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        device = &file;
    }
    const QByteArray all = device->readAll();
    const QList<QByteArray> entries = all.split(nul ? '\0' : '\n');
    for (const QByteArray &entry : entries) {
        if (!entry.isEmpty())
            *files << QFile::decodeName(entry);
    }
    return true;
}

// Text, sign, position and style as the window starts with them.
QString loadWindowSettings(const QString &path, bool required, WatermarkSettings &settings)
{
    if (path.isEmpty())
        return QString();
    QFile file(path);
    if (!file.exists() && !required)
        return QString();
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read settings file '%1': %2").arg(path, file.errorString());
    SettingsFile::load(path, settings);
    if (settings.settingsLoaded)
        settings.applySaved();
    return QString();
}

// The watermark effects: saved values, then the options given; the logo is read once here.
void readEffects(const QCommandLineParser &parser,
                 const Options &o,
                 WatermarkEffects &fx,
                 const std::function<void(const QString &)> &fail)
{
    const auto number = [&](const QCommandLineOption &option, int min, int max, int *value) {
        if (parser.isSet(option) && !readInt(parser.value(option), min, max, value))
            fail(QStringLiteral("invalid value '%1' for --%2 (%3 to %4)")
                   .arg(parser.value(option), option.names().constLast())
                   .arg(min)
                   .arg(max));
    };
    const auto flag =
      [&](const QCommandLineOption &on, const QCommandLineOption &off, bool *value) {
          if (parser.isSet(on) || parser.isSet(off))
              *value = parser.isSet(on);
      };
    number(o.margin, 0, WatermarkEffects::maxMargin, &fx.margin);
    number(o.angle, -WatermarkEffects::maxAngle, WatermarkEffects::maxAngle, &fx.angle);
    number(o.logoWidth, 1, 100, &fx.logoWidth);
    number(o.logoOpacity, 0, 255, &fx.logoOpacity);
    flag(o.outline, o.noOutline, &fx.outline);
    flag(o.shadow, o.noShadow, &fx.shadow);
    flag(o.tile, o.noTile, &fx.tile);
    if (parser.isSet(o.logoPosition)) {
        QString error;
        const int index = pick(parser, o.logoPosition, positionNames, &error);
        if (index >= 0)
            fx.logoPosition = Position::all.at(size_t(index));
        else
            fail(error);
    }
    if (parser.isSet(o.logo))
        fx.logoPath = parser.value(o.logo);
    if (!fx.logoPath.isEmpty()) {
        QString error;
        fx.logo = readLogo(fx.logoPath, &error);
        if (fx.logo.isNull())
            fail(QStringLiteral("cannot read the logo '%1': %2").arg(fx.logoPath, error));
    }
}

} // namespace

QString batchHelpText()
{
    QCommandLineParser parser;
    Options options;
    setUp(parser, options);
    QString text = parser.helpText();
    // The usage line names the program as a user types it, not by the path it was started from.
    const int end = text.indexOf(QLatin1String(" [options]"));
    text.replace(0, end + 10, QStringLiteral("Usage: quorlane-batch [OPTION]..."));
    return text + QStringLiteral(
                    "\nExit status:\n"
                    "  0    every picture was written or skipped\n"
                    "  1    some picture could not be read or written\n"
                    "  2    bad usage\n"
                    "  130  stopped by SIGINT (143: by SIGTERM) after the pictures in flight\n"
                    "\nExamples:\n"
                    "  quorlane-batch -t 'Anna Berg' -p bottom-right -s 640x480 --fit -o out "
                    "*.jpg\n"
                    "  find photos -name '*.jpg' -print0 | quorlane-batch -0 --files-from - -f "
                    "png\n");
}

ParsedCommand parseBatchCommand(const QStringList &arguments, QIODevice *standardInput)
{
    ParsedCommand parsed;
    BatchCommand &command = parsed.command;
    QCommandLineParser parser;
    Options o;
    setUp(parser, o);
    if (!parser.parse(arguments)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    if (parser.isSet(o.help)) {
        command.action = BatchCommand::Action::Help;
        return parsed;
    }
    if (parser.isSet(o.version)) {
        command.action = BatchCommand::Action::Version;
        return parsed;
    }
    QString &error = parsed.error;
    const auto fail = [&](const QString &text) {
        if (error.isEmpty())
            error = text;
    };
    const auto conflicting = [&](const QCommandLineOption &a, const QCommandLineOption &b) {
        if (parser.isSet(a) && parser.isSet(b))
            fail(QStringLiteral("--%1 and --%2 cannot be given together")
                   .arg(a.names().constLast(), b.names().constLast()));
    };
    conflicting(o.copyrightSign, o.noCopyrightSign);
    conflicting(o.fit, o.stretch);
    conflicting(o.copyrightNotice, o.noCopyrightNotice);
    conflicting(o.outline, o.noOutline);
    conflicting(o.shadow, o.noShadow);
    conflicting(o.tile, o.noTile);

    // Saved settings first, then what the command line says.
    const WatermarkSettings &folders = WatermarkSettings::instance();
    WatermarkSettings settings;
    const QString settingsPath =
      parser.isSet(o.settings) ? parser.value(o.settings)
      : folders.settingsDirPath.isEmpty()
        ? QString()
        : folders.settingsDirPath + QLatin1Char('/') + QLatin1String(SettingsFile::fileName);
    fail(loadWindowSettings(settingsPath, parser.isSet(o.settings), settings));
    RunSnapshot &run = command.run;
    QString text =
      settings.settingsLoaded ? settings.savedText : QLatin1String(defaultWatermarkText);
    bool sign = settings.settingsLoaded ? settings.savedUseCopyright : true;
    run.position = settings.settingsLoaded && Position::isValid(settings.savedPosition)
                     ? settings.savedPosition
                     : Position::Center;
    if (parser.isSet(o.automatic))
        settings.useDefaults = true;
    settings.effects = ConfigFile::loadWatermarkEffects();
    readEffects(parser, o, settings.effects, fail);
    run.style = settings.style();
    if (parser.isSet(o.text))
        text = parser.value(o.text);
    if (parser.isSet(o.copyrightSign) || parser.isSet(o.noCopyrightSign))
        sign = parser.isSet(o.copyrightSign);
    run.text = WatermarkText(text, sign);
    if (parser.isSet(o.position)) {
        const int index = pick(parser, o.position, positionNames, &error);
        if (index >= 0)
            run.position = Position::all.at(size_t(index));
    }

    bool ok = true;
    if (parser.isSet(o.size)) {
        run.outputSize = readSize(parser.value(o.size), &ok);
        if (!ok)
            fail(QStringLiteral("invalid size '%1' (original, 640x480, 320x240, 240x160, "
                                "thumbnails or WxH from 1 to 16384)")
                   .arg(parser.value(o.size)));
    }
    command.format = QStringLiteral("Original");
    if (parser.isSet(o.format)) {
        const QString format = parser.value(o.format).toLower();
        if (format == QLatin1String("original") || format == QLatin1String("jpg") ||
            format == QLatin1String("png") || format == QLatin1String("tiff") ||
            format == QLatin1String("bmp") || format == QLatin1String("ppm") ||
            format == QLatin1String("xpm"))
            command.format = format == QLatin1String("original") ? command.format : format;
        else
            fail(QStringLiteral("invalid format '%1' (original, jpg, png, tiff, bmp, ppm or xpm)")
                   .arg(parser.value(o.format)));
    }

    OutputPolicy &policy = run.policy;
    policy = ConfigFile::loadOutputPolicy();
    if (parser.isSet(o.quality) && !readInt(parser.value(o.quality),
                                            OutputPolicy::minQuality,
                                            OutputPolicy::maxQuality,
                                            &policy.jpegQuality))
        fail(QStringLiteral("invalid quality '%1' (1 to 100)").arg(parser.value(o.quality)));
    if (parser.isSet(o.fit) || parser.isSet(o.stretch))
        policy.resize = parser.isSet(o.fit) ? ResizeMode::Fit : ResizeMode::Stretch;
    if (parser.isSet(o.metadata)) {
        const int index = pick(parser, o.metadata, metadataChoiceNames, &error);
        if (index >= 0)
            policy.metadata = MetadataChoice(index);
    }
    if (parser.isSet(o.copyrightNotice) || parser.isSet(o.noCopyrightNotice))
        policy.copyrightFromText = parser.isSet(o.copyrightNotice);
    if (parser.isSet(o.ifExists)) {
        const int index = pick(parser, o.ifExists, existingFilesNames, &error);
        if (index >= 0)
            policy.existingFiles = ExistingFiles(index);
    }

    if (parser.isSet(o.jobs) && !readInt(parser.value(o.jobs), 1, 1024, &command.jobs))
        fail(QStringLiteral("invalid number of jobs '%1' (1 to 1024)").arg(parser.value(o.jobs)));
    command.reportPath = parser.value(o.report);
    command.quiet = parser.isSet(o.quiet);
    run.outputDir = parser.isSet(o.output) ? parser.value(o.output) : folders.outputDirPath;
    if (run.outputDir.isEmpty())
        fail(QStringLiteral("the output folder name is empty"));

    run.sources = parser.positionalArguments();
    if (parser.isSet(o.null) && !parser.isSet(o.filesFrom))
        fail(QStringLiteral("--null needs --files-from"));
    if (parser.isSet(o.filesFrom)) {
        const QString list = parser.value(o.filesFrom);
        if (!readFileList(list, standardInput, parser.isSet(o.null), &run.sources))
            fail(QStringLiteral("cannot read the list of pictures '%1'").arg(list));
    } else if (run.sources.isEmpty()) {
        fail(QStringLiteral("no picture given"));
    }
    return parsed;
}

QString prepareOutputs(BatchCommand &command)
{
    RunSnapshot &run = command.run;
    if (!QDir().mkpath(run.outputDir) || !QFileInfo(run.outputDir).isDir())
        return QStringLiteral("cannot make the output folder '%1'").arg(run.outputDir);
    run.outputDir = QDir(run.outputDir).absolutePath();
    const OutputPaths paths =
      assignOutputPaths(run.sources, run.outputDir, command.format, run.policy.existingFiles);
    run.outputs = paths.paths;
    run.skipped = paths.skipped;
    return QString();
}
