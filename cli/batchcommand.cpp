#include "batchcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <map>

#include "settings/configfile.h"
#include "settings/constants.h"
#include "settings/runoptions.h"
#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BatchCommand", text);
}

// The output sizes by name: "original", "640x480", ..., "thumbnails" (not "Custom Size").
QStringList sizeNames()
{
    QStringList names;
    for (size_t i = 0; i < outputSizes.size(); ++i) {
        if (int(i) != customSizeIndex)
            names << QString::fromLatin1(outputSizes.at(i).text).toLower();
    }
    return names;
}

QStringList formatNames()
{
    QStringList names;
    for (const char *format : outputFormats)
        names << QString::fromLatin1(format).toLower();
    return names;
}

QStringList positionNames()
{
    QStringList names;
    for (const char *name : Position::names)
        names << QLatin1String(name);
    return names;
}

// The options: the window's main controls, then the option table, then the command line's own.
struct Options
{
    QCommandLineOption output{
        { "o", "output" },
        tr("Write into DIR, made with its parents when missing (default: the window's output "
           "folder)."),
        "DIR"
    };
    QCommandLineOption text{ { "t", "text" },
                             tr("The watermark text; line breaks as given (default: the saved "
                                "text)."),
                             "TEXT" };
    QCommandLineOption copyrightSign{ "copyright-sign", tr("Put \"\u00a9 \" before the text.") };
    QCommandLineOption noCopyrightSign{ "no-copyright-sign",
                                        tr("Do not put \"\u00a9 \" before it.") };
    QCommandLineOption position{ { "p", "position" },
                                 tr("Where the text goes: %1 (default: the saved position).")
                                   .arg(listedNames(positionNames())),
                                 "WHERE" };
    QCommandLineOption settings{ "settings",
                                 tr("Take text, sign, position and style from FILE, a "
                                    "settings.qrl.xml (default: the window's own, when it "
                                    "exists)."),
                                 "FILE" };
    QCommandLineOption automatic{ "automatic",
                                  tr("Choose font size, black or white and opacity per "
                                     "picture.") };
    QCommandLineOption size{ { "s", "size" },
                             tr("%1 or WxH (%2 to %3; default: original).")
                               .arg(sizeNames().join(QStringLiteral(", ")))
                               .arg(minCustomSide)
                               .arg(maxCustomSide),
                             "SIZE" };
    QCommandLineOption format{ { "f", "format" },
                               tr("%1 (default: original).").arg(listedNames(formatNames())),
                               "FORMAT" };
    // The option table's entries: one option each, two for a flag, one per word of a choice
    // given as flags.
    std::vector<std::pair<const RunOption *, QCommandLineOption>> table;
    QCommandLineOption jobs{ { "j", "jobs" },
                             tr("Stamp N pictures at once (default: by cores and memory)."),
                             "N" };
    QCommandLineOption filesFrom{ "files-from",
                                  tr("Read the pictures from FILE, one a line ('-': standard "
                                     "input)."),
                                  "FILE" };
    QCommandLineOption null{ { "0", "null" },
                             tr("Names in --files-from end with NUL, not newline.") };
    QCommandLineOption report{ "report",
                               tr("Append one JSON line per picture to FILE as it ends (index, "
                                  "source, output, status, reason); never a picture."),
                               "FILE" };
    QCommandLineOption quiet{ { "q", "quiet" }, tr("Print only errors.") };
    QCommandLineOption help{ { "h", "help" }, tr("Show this help and exit.") };
    QCommandLineOption version{ "version", tr("Show the version and exit.") };

    Options()
    {
        const auto translated = [](const char *text) {
            return QCoreApplication::translate("RunOptions", text);
        };
        for (const RunOption &o : runOptions()) {
            if (o.kind == RunOption::Kind::Flag) {
                table.emplace_back(&o,
                                   QCommandLineOption(o.longName(), translated(o.flagHelp.at(0))));
                table.emplace_back(&o,
                                   QCommandLineOption(o.negation(), translated(o.flagHelp.at(1))));
            } else if (o.choiceFlags) {
                for (int i = 0; i < o.choices.size(); ++i) {
                    table.emplace_back(
                      &o,
                      QCommandLineOption(o.choices.at(i), translated(o.flagHelp.at(size_t(i)))));
                }
            } else {
                const QString range = o.rangeText();
                const QString help = range.isEmpty() ? translated(o.help) + QLatin1Char('.')
                                     : o.kind == RunOption::Kind::Number
                                       ? tr("%1 (%2).").arg(translated(o.help), range)
                                       : tr("%1: %2.").arg(translated(o.help), range);
                table.emplace_back(&o,
                                   QCommandLineOption(o.names, help, QLatin1String(o.valueName)));
            }
        }
    }

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
                            format });
        for (const auto &entry : table)
            parser.addOption(entry.second);
        parser.addOptions({ jobs, filesFrom, null, report, quiet, help, version });
    }
};

void setUp(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(
      tr("Stamp a text watermark onto every FILE, exactly as the Quorlane window does, and "
         "write\nthe results into the output folder. Options not given take what the window "
         "has saved."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    options.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"), tr("Pictures to stamp."), "[FILE]...");
}

QString invalidValue(const QString &value, const QString &option, const QString &range)
{
    return tr("invalid value '%1' for --%2 (%3)").arg(value, option, range);
}

QSize readSize(const QString &value, bool *ok)
{
    *ok = true;
    const QString lower = value.toLower();
    const QStringList named = sizeNames();
    if (named.contains(lower))
        return outputSizes.at(size_t(named.indexOf(lower))).size;
    const QStringList sides = lower.split(QLatin1Char('x'));
    int width = 0;
    int height = 0;
    if (sides.size() == 2 && readNumber(sides.at(0), minCustomSide, maxCustomSide, &width) &&
        readNumber(sides.at(1), minCustomSide, maxCustomSide, &height))
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

// The option table's values: saved ones, then those given. Two options of one entry (--fit and
// --stretch, --tile and --no-tile) given together are refused.
void readTable(const QCommandLineParser &parser,
               const Options &o,
               RunOptions &options,
               const std::function<void(const QString &)> &fail)
{
    std::map<const RunOption *, QString> given; // the first given name of each entry
    const QStringList order = parser.optionNames();
    for (const QString &name : order) {
        for (const auto &[option, cli] : o.table) {
            if (!cli.names().contains(name))
                continue;
            const QString longName = cli.names().constLast();
            auto seen = given.find(option);
            if (seen != given.end() && seen->second != longName) {
                fail(tr("--%1 and --%2 cannot be given together").arg(seen->second, longName));
                continue;
            }
            given.emplace(option, longName);
            bool ok = true;
            if (option->kind == RunOption::Kind::Flag)
                ok = option->set(options,
                                 longName == option->longName() ? QStringLiteral("true")
                                                                : QStringLiteral("false"));
            else if (option->choiceFlags)
                ok = option->set(options, longName);
            else if (!option->setFromCommandLine(options, parser.value(cli)))
                fail(invalidValue(parser.value(cli), longName, option->rangeText()));
            Q_ASSERT(ok);
        }
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
    return text + tr("\nExit status:\n"
                     "  0    every picture was written or skipped\n"
                     "  1    some picture could not be read or written, or the report failed\n"
                     "  2    bad usage\n"
                     "  130  stopped by SIGINT (143: SIGTERM, 129: SIGHUP) after the pictures\n"
                     "       in flight; a second signal ends it at once\n"
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
    if (parser.isSet(o.copyrightSign) && parser.isSet(o.noCopyrightSign))
        fail(tr("--%1 and --%2 cannot be given together")
               .arg(o.copyrightSign.names().constLast(), o.noCopyrightSign.names().constLast()));

    // Saved settings first, then what the command line says.
    const WatermarkSettings &folders = WatermarkSettings::instance();
    WatermarkSettings settings;
    const QString settingsPath =
      parser.isSet(o.settings) ? parser.value(o.settings) : folders.settingsFilePath();
    if (parser.isSet(o.settings)) {
        if (const QString problem = SettingsFile::problem(settingsPath); !problem.isEmpty())
            fail(tr("cannot read settings file '%1': %2").arg(settingsPath, problem));
    }
    settings.loadSaved(settingsPath);
    if (parser.isSet(o.automatic))
        settings.useDefaults = true;
    RunOptions options = ConfigFile::load();
    readTable(parser, o, options, fail);
    settings.effects = options.watermark;

    RunRequest &request = command.request;
    request.style = settings.style();
    request.policy = options.output;
    const WatermarkText saved = settings.startText();
    request.text = WatermarkText(parser.isSet(o.text) ? parser.value(o.text) : saved.typed,
                                 parser.isSet(o.copyrightSign) || parser.isSet(o.noCopyrightSign)
                                   ? parser.isSet(o.copyrightSign)
                                   : saved.copyrightSign);
    request.position = settings.startPosition();
    if (parser.isSet(o.position)) {
        const int index = int(positionNames().indexOf(parser.value(o.position)));
        if (index >= 0)
            request.position = Position::all.at(size_t(index));
        else
            fail(invalidValue(
              parser.value(o.position), QStringLiteral("position"), listedNames(positionNames())));
    }
    if (parser.isSet(o.size)) {
        bool ok = true;
        request.outputSize = readSize(parser.value(o.size), &ok);
        if (!ok)
            fail(tr("invalid size '%1' (%2 or WxH from %3 to %4)")
                   .arg(parser.value(o.size), sizeNames().join(QStringLiteral(", ")))
                   .arg(minCustomSide)
                   .arg(maxCustomSide));
    }
    if (parser.isSet(o.format)) {
        const int index = int(formatNames().indexOf(parser.value(o.format).toLower()));
        if (index >= 0)
            request.format = QLatin1String(outputFormats.at(size_t(index)));
        else
            fail(tr("invalid format '%1' (%2)")
                   .arg(parser.value(o.format), listedNames(formatNames())));
    }

    if (parser.isSet(o.jobs) && !readNumber(parser.value(o.jobs), 1, 1024, &command.jobs))
        fail(tr("invalid number of jobs '%1' (1 to 1024)").arg(parser.value(o.jobs)));
    command.reportPath = parser.value(o.report);
    command.quiet = parser.isSet(o.quiet);
    request.outputDir = parser.isSet(o.output) ? parser.value(o.output) : folders.outputDirPath;
    request.folderRule = FolderRule::WithParents;
    if (request.outputDir.isEmpty())
        fail(tr("the output folder name is empty"));

    request.sources = parser.positionalArguments();
    if (parser.isSet(o.null) && !parser.isSet(o.filesFrom))
        fail(tr("--null needs --files-from"));
    if (parser.isSet(o.filesFrom)) {
        const QString list = parser.value(o.filesFrom);
        if (!readFileList(list, standardInput, parser.isSet(o.null), &request.sources))
            fail(tr("cannot read the list of pictures '%1'").arg(list));
    } else if (request.sources.isEmpty()) {
        fail(tr("no picture given"));
    }
    return parsed;
}
