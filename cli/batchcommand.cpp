#include "batchcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>

#include "engine/output/nametemplate.h"
#include "settings/choicenames.h"
#include "settings/configfile.h"
#include "settings/constants.h"
#include "settings/preset.h"
#include "settings/runoptions.h"
#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(BatchCommand)
};

// The options: the window's main controls, then the option table, then the command line's own.
struct Options
{
    QCommandLineOption output{
        { "o", "output" },
        Text::tr("Write into DIR, made with its parents when missing (default: the window's output "
                 "folder)."),
        "DIR"
    };
    QCommandLineOption text{ { "t", "text" },
                             Text::tr(
                               "The watermark text; line breaks as given (default: the saved "
                               "text)."),
                             "TEXT" };
    QCommandLineOption copyrightSign{ "copyright-sign",
                                      Text::tr("Put \"\u00a9 \" before the text.") };
    QCommandLineOption noCopyrightSign{ "no-copyright-sign",
                                        Text::tr("Do not put \"\u00a9 \" before it.") };
    QCommandLineOption position{ { "p", "position" },
                                 Text::tr("Where the text goes: %1, or auto: the calmest of them "
                                          "for each picture (default: the saved position).")
                                   .arg(listedNames(ChoiceNames::positions())),
                                 "WHERE" };
    QCommandLineOption settings{ "settings",
                                 Text::tr("Take text, sign, position and style from FILE, a "
                                          "settings.qrl.xml (default: the window's own, when it "
                                          "exists)."),
                                 "FILE" };
    QCommandLineOption preset{ "preset",
                               Text::tr("Start from the preset NAME, or the preset file FILE, "
                                        "instead of what the window has saved; options given win."),
                               "NAME|FILE" };
    QCommandLineOption automatic{ "automatic",
                                  Text::tr("Choose font size, black or white and opacity per "
                                           "picture.") };
    QCommandLineOption size{ { "s", "size" },
                             Text::tr("%1, WxH, or N: the long edge, never enlarged (%2 to "
                                      "%3; default: original).")
                               .arg(ChoiceNames::sizes().join(QStringLiteral(", ")))
                               .arg(minCustomSide)
                               .arg(maxCustomSide),
                             "SIZE" };
    QCommandLineOption format{
        { "f", "format" },
        Text::tr("%1 (default: original).").arg(listedNames(ChoiceNames::formats())),
        "FORMAT"
    };
    // The option table's entries: one option each, two for a flag, one per word of a choice
    // given as flags.
    std::vector<std::pair<const RunOption *, QCommandLineOption>> table;
    QCommandLineOption savePreset{ "save-preset",
                                   Text::tr("Save the settings of this command (the output folder "
                                            "only when -o is given) as the preset NAME; then stamp "
                                            "the FILEs, if any."),
                                   "NAME" };
    QCommandLineOption listPresets{ "list-presets", Text::tr("List the presets and exit.") };
    QCommandLineOption jobs{ { "j", "jobs" },
                             Text::tr("Stamp N pictures at once (default: by cores and memory)."),
                             "N" };
    QCommandLineOption filesFrom{ "files-from",
                                  Text::tr("Read the pictures from FILE, one a line ('-': standard "
                                           "input)."),
                                  "FILE" };
    QCommandLineOption null{ { "0", "null" },
                             Text::tr("Names in --files-from end with NUL, not newline.") };
    QCommandLineOption report{ "report",
                               Text::tr(
                                 "Append one JSON line per picture to FILE as it ends (index, "
                                 "source, output, status, reason); never a picture. Processes "
                                 "on one machine may share FILE."),
                               "FILE" };
    QCommandLineOption watch{ "watch",
                              Text::tr("Stamp each picture in FOLDER whose output is missing, "
                                       "then every picture that comes into it complete, until a "
                                       "signal ends it (a hot folder)."),
                              "FOLDER" };
    QCommandLineOption poll{ "poll",
                             Text::tr("With --watch: look at the folder every SECONDS (1 to "
                                      "3600) instead of being told; network and FUSE folders "
                                      "are always polled."),
                             "SECONDS" };
    QCommandLineOption recursive{ "recursive",
                                  Text::tr("With --watch: watch its subfolders too; outputs keep "
                                           "their subfolder.") };
    QCommandLineOption quiet{ { "q", "quiet" }, Text::tr("Print only errors.") };
    QCommandLineOption help{ { "h", "help" }, Text::tr("Show this help and exit.") };
    QCommandLineOption version{ "version", Text::tr("Show the version and exit.") };

    Options()
    {
        const auto translated = [](const char *text) {
            return QCoreApplication::translate("RunOptions", text);
        };
        for (const RunOption &o : runOptions()) {
            if (!o.onCommandLine)
                continue;
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
                                       ? Text::tr("%1 (%2).").arg(translated(o.help), range)
                                       : Text::tr("%1: %2.").arg(translated(o.help), range);
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
                            preset,
                            automatic,
                            size,
                            format });
        for (const auto &entry : table)
            parser.addOption(entry.second);
        parser.addOptions({ savePreset,
                            listPresets,
                            jobs,
                            filesFrom,
                            null,
                            report,
                            watch,
                            poll,
                            recursive,
                            quiet,
                            help,
                            version });
    }
};

void setUp(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(
      Text::tr("Stamp a text watermark onto every FILE, exactly as the Quorlane window does, and "
               "write\nthe results into the output folder. Options not given take what the window "
               "has saved."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    options.addTo(parser);
    parser.addPositionalArgument(
      QStringLiteral("FILE"), Text::tr("Pictures to stamp."), "[FILE]...");
}

QString invalidValue(const QString &value, const QString &option, const QString &range)
{
    return Text::tr("invalid value '%1' for --%2 (%3)").arg(value, option, range);
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
                fail(
                  Text::tr("--%1 and --%2 cannot be given together").arg(seen->second, longName));
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
                fail(invalidValue(parser.value(cli), longName, option->refusal(parser.value(cli))));
            Q_ASSERT(ok);
        }
    }
}

// What the window has saved: the settings file's text, sign, position and style (or those of
// --settings FILE) and the options of quorlane.conf.
Preset savedPreset(const QCommandLineParser &parser,
                   const Options &o,
                   const QString &settingsFile,
                   const std::function<void(const QString &)> &fail)
{
    WatermarkSettings settings;
    const QString path = parser.isSet(o.settings) ? parser.value(o.settings) : settingsFile;
    if (parser.isSet(o.settings)) {
        if (const QString problem = SettingsFile::problem(path); !problem.isEmpty())
            fail(Text::tr("cannot read settings file '%1': %2").arg(path, problem));
    }
    settings.loadSaved(path);
    Preset saved;
    saved.text = settings.startText();
    saved.position = settings.startPosition();
    saved.style = settings.style();
    saved.options = ConfigFile::load();
    return saved;
}

// Where a path leads, for comparing folders that may not exist yet.
QString resolved(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

// --watch and what it refuses: pictures named (it finds its own), and whatever a restart could
// not repeat (numbered outputs, {counter}); the output folder inside what it watches.
void readWatch(const QCommandLineParser &parser,
               const Options &o,
               BatchCommand &command,
               const std::function<void(const QString &)> &fail)
{
    const RunRequest &request = command.request;
    command.watchFolder = parser.value(o.watch);
    command.recursive = parser.isSet(o.recursive);
    if (!request.sources.isEmpty() || parser.isSet(o.filesFrom))
        fail(
          Text::tr("--watch takes no FILE and no --files-from: it stamps what is in its folder"));
    if (request.policy.existingFiles == ExistingFiles::Number)
        fail(Text::tr("--watch cannot number outputs (--if-exists number): after a restart it "
                      "could not tell its own; use skip or replace"));
    if (NameTemplate(request.policy.nameTemplate).usesCounter())
        fail(Text::tr("--watch cannot name outputs by {counter}: after a restart it could not know "
                      "the numbers"));
    const QString watched = resolved(command.watchFolder);
    const QString output = resolved(request.outputDir);
    if (output == watched)
        fail(Text::tr("the output folder is the watched folder"));
    else if (command.recursive && output.startsWith(watched + QLatin1Char('/')))
        fail(Text::tr("the output folder is inside the folder watched with --recursive"));
    if (parser.isSet(o.poll) && !readNumber(parser.value(o.poll), 1, 3600, &command.pollSeconds))
        fail(
          invalidValue(parser.value(o.poll), QStringLiteral("poll"), QStringLiteral("1 to 3600")));
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
    return text +
           Text::tr(
             "\nExit status:\n"
             "  0    every picture was written or skipped\n"
             "  1    some picture could not be read or written, or the report failed\n"
             "  2    bad usage\n"
             "  130  stopped by SIGINT (143: SIGTERM, 129: SIGHUP) after the pictures\n"
             "       in flight; a second signal ends it at once\n"
             "\nExamples:\n"
             "  quorlane-batch -t 'Anna Berg' -p bottom-right -s 640x480 --fit -o out "
             "*.jpg\n"
             "  find photos -name '*.jpg' -print0 | quorlane-batch -0 --files-from - -f "
             "png\n"
             "  quorlane-batch -s 2048x2048 --fit -f webp --name '{name}-web' "
             "--save-preset web\n"
             "  quorlane-batch --preset web -o site *.jpg    (long edge 2048 pixels)\n"
             "  quorlane-batch --preset web --watch camera -o stamped --report log.json\n"
             "\nWith --watch it runs until SIGINT, SIGTERM or SIGHUP; a restart stamps only\n"
             "what has no output yet (with --if-exists replace, also what changed since).\n");
}

ParsedCommand parseBatchCommand(const QStringList &arguments,
                                QIODevice *standardInput,
                                const WatermarkSettings &folders)
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
    if (parser.isSet(o.listPresets)) {
        command.action = BatchCommand::Action::ListPresets;
        return parsed;
    }
    QString &error = parsed.error;
    const auto fail = [&](const QString &text) {
        if (error.isEmpty())
            error = text;
    };
    if (parser.isSet(o.copyrightSign) && parser.isSet(o.noCopyrightSign))
        fail(Text::tr("--%1 and --%2 cannot be given together")
               .arg(o.copyrightSign.names().constLast(), o.noCopyrightSign.names().constLast()));

    // Saved settings or a preset first, then what the command line says.
    Preset effective;
    if (parser.isSet(o.preset)) {
        if (parser.isSet(o.settings))
            fail(Text::tr("--preset and --settings cannot be given together"));
        QString problem;
        if (!Presets::load(Presets::pathOf(parser.value(o.preset)), &effective, &problem))
            fail(Text::tr("cannot read the preset '%1': %2 (presets are in %3)")
                   .arg(parser.value(o.preset), problem, Presets::folder()));
        const QString preset = parser.value(o.preset);
        command.request.presetName =
          Presets::pathOf(preset) == preset ? QFileInfo(preset).completeBaseName() : preset;
    } else {
        effective = savedPreset(parser, o, folders.settingsFilePath(), fail);
    }
    if (parser.isSet(o.automatic))
        effective.style.useDefaults = true;
    readTable(parser, o, effective.options, fail);
    if (parser.isSet(o.text))
        effective.text.typed = parser.value(o.text);
    if (parser.isSet(o.copyrightSign) || parser.isSet(o.noCopyrightSign))
        effective.text.copyrightSign = parser.isSet(o.copyrightSign);
    if (parser.isSet(o.position)) {
        // auto keeps the saved position (the centre without one) to break the ties.
        const int index = int(ChoiceNames::positions().indexOf(parser.value(o.position)));
        const bool automatic = parser.value(o.position) == QLatin1String("auto");
        effective.options.watermark.autoPosition = automatic;
        if (index >= 0)
            effective.position = Position::all.at(size_t(index));
        else if (!automatic)
            fail(invalidValue(parser.value(o.position),
                              QStringLiteral("position"),
                              listedNames(ChoiceNames::positions() << QStringLiteral("auto"))));
    }
    if (parser.isSet(o.size)) {
        bool ok = true;
        effective.outputSize = ChoiceNames::readSize(parser.value(o.size), &ok);
        if (!ok)
            fail(Text::tr("invalid size '%1' (%2, WxH or N from %3 to %4)")
                   .arg(parser.value(o.size), ChoiceNames::sizes().join(QStringLiteral(", ")))
                   .arg(minCustomSide)
                   .arg(maxCustomSide));
    }
    if (parser.isSet(o.format)) {
        const int index = int(ChoiceNames::formats().indexOf(parser.value(o.format).toLower()));
        if (index >= 0)
            effective.format = QLatin1String(outputFormats.at(size_t(index)));
        else
            fail(Text::tr("invalid format '%1' (%2)")
                   .arg(parser.value(o.format), listedNames(ChoiceNames::formats())));
    }
    if (parser.isSet(o.output))
        effective.outputFolder = parser.value(o.output);
    if (parser.isSet(o.savePreset)) {
        command.savePreset = parser.value(o.savePreset);
        if (const QString problem = Presets::nameProblem(command.savePreset); !problem.isEmpty())
            fail(problem);
        command.preset = effective;
        if (!parser.isSet(o.output))
            command.preset.outputFolder.clear(); // the folder only when it was given
    }

    RunRequest &request = command.request;
    request.text = effective.text;
    request.position = effective.position;
    request.style = effective.style;
    request.style.effects = effective.options.watermark;
    request.policy = effective.options.output;
    request.outputSize = effective.outputSize;
    request.format = effective.format;
    if (parser.isSet(o.jobs) && !readNumber(parser.value(o.jobs), 1, 1024, &command.jobs))
        fail(Text::tr("invalid number of jobs '%1' (1 to 1024)").arg(parser.value(o.jobs)));
    command.reportPath = parser.value(o.report);
    command.quiet = parser.isSet(o.quiet);
    request.outputDir =
      effective.outputFolder.isEmpty() ? folders.outputDirPath : effective.outputFolder;
    request.folderRule = FolderRule::WithParents;
    if (request.outputDir.isEmpty())
        fail(Text::tr("the output folder name is empty"));

    request.sources = parser.positionalArguments();
    if (parser.isSet(o.null) && !parser.isSet(o.filesFrom))
        fail(Text::tr("--null needs --files-from"));
    if (parser.isSet(o.watch)) {
        readWatch(parser, o, command, fail);
    } else if (parser.isSet(o.poll) || parser.isSet(o.recursive)) {
        fail(Text::tr("--poll and --recursive need --watch"));
    } else if (parser.isSet(o.filesFrom)) {
        const QString list = parser.value(o.filesFrom);
        if (!readFileList(list, standardInput, parser.isSet(o.null), &request.sources))
            fail(Text::tr("cannot read the list of pictures '%1'").arg(list));
    } else if (request.sources.isEmpty() && command.savePreset.isEmpty()) {
        fail(Text::tr("no picture given"));
    }
    return parsed;
}
