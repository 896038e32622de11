#include "preset.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

#include "choicenames.h"
#include "configfile.h"
#include "constants.h"
#include "hiddencharacters.h"
#include "inifile.h"
#include "picturereader.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Presets)
};

const QString suffix = QStringLiteral(".conf");

QString optionsText(const RunOptions &options)
{
    QStringList values;
    for (const RunOption &option : runOptions())
        values << option.get(options);
    return values.join(QLatin1Char('\n'));
}

bool sameStyle(const WatermarkStyle &a, const WatermarkStyle &b)
{
    return a.useDefaults == b.useDefaults && a.autoFontSize == b.autoFontSize &&
           a.autoColor == b.autoColor && a.alpha == b.alpha && a.fontColor == b.fontColor &&
           a.font == b.font;
}

// Reads a boolean written as "true" or "false"; anything else leaves value alone.
void readFlag(const QSettings &file, const QString &key, bool *value)
{
    const QString text = file.value(key).toString();
    if (text == QLatin1String("true") || text == QLatin1String("false"))
        *value = text == QLatin1String("true");
}

void readText(const QSettings &file, Preset &preset)
{
    const QString text = file.value(QStringLiteral("Text/text")).toString();
    if (file.contains(QStringLiteral("Text/text")) && fitsFileText(text))
        preset.text.typed = text;
    readFlag(file, QStringLiteral("Text/sign"), &preset.text.copyrightSign);
    const int position =
      int(ChoiceNames::positions().indexOf(file.value(QStringLiteral("Text/position")).toString()));
    if (position >= 0)
        preset.position = Position::all.at(size_t(position));

    WatermarkStyle &style = preset.style;
    readFlag(file, QStringLiteral("Text/automatic"), &style.useDefaults);
    readFlag(file, QStringLiteral("Text/autoSize"), &style.autoFontSize);
    readFlag(file, QStringLiteral("Text/autoColour"), &style.autoColor);
    int opacity = 0;
    if (readNumber(file.value(QStringLiteral("Text/opacity")).toString(), 0, 255, &opacity))
        style.alpha = opacity;
    const QColor colour(file.value(QStringLiteral("Text/colour")).toString());
    if (colour.isValid())
        style.fontColor = colour;
    QFont font;
    const QString described = file.value(QStringLiteral("Text/font")).toString();
    if (file.contains(QStringLiteral("Text/font")) && fitsFileText(described) &&
        font.fromString(described))
        style.font = font;
}

void readRun(const QSettings &file, Preset &preset)
{
    bool ok = false;
    const OutputSize size =
      ChoiceNames::readSize(file.value(QStringLiteral("Output/size")).toString(), &ok);
    if (ok)
        preset.outputSize = size;
    const int format = int(ChoiceNames::formats().indexOf(
      file.value(QStringLiteral("Output/format")).toString().toLower()));
    if (format >= 0)
        preset.format = QLatin1String(outputFormats.at(size_t(format)));
    if (const QString folder = file.value(QStringLiteral("Output/folder")).toString();
        fitsFileText(folder))
        preset.outputFolder = folder;
}

void write(QSettings &file, const Preset &preset)
{
    file.setValue(QStringLiteral("Text/text"), preset.text.typed);
    file.setValue(QStringLiteral("Text/sign"), preset.text.copyrightSign);
    const int position =
      int(std::find(Position::all.cbegin(), Position::all.cend(), preset.position) -
          Position::all.cbegin());
    file.setValue(QStringLiteral("Text/position"), ChoiceNames::positions().value(position));
    const WatermarkStyle &style = preset.style;
    file.setValue(QStringLiteral("Text/automatic"), style.useDefaults);
    file.setValue(QStringLiteral("Text/autoSize"), style.autoFontSize);
    file.setValue(QStringLiteral("Text/autoColour"), style.autoColor);
    file.setValue(QStringLiteral("Text/opacity"), style.alpha);
    file.setValue(QStringLiteral("Text/colour"), style.fontColor.name());
    file.setValue(QStringLiteral("Text/font"), style.font.toString());
    ConfigFile::write(file, preset.options);
    file.setValue(QStringLiteral("Output/size"), ChoiceNames::sizeName(preset.outputSize));
    file.setValue(QStringLiteral("Output/format"), preset.format.toLower());
    if (!preset.outputFolder.isEmpty())
        file.setValue(QStringLiteral("Output/folder"), preset.outputFolder);
}

} // namespace

bool Preset::operator==(const Preset &other) const
{
    return text == other.text && position == other.position && sameStyle(style, other.style) &&
           optionsText(options) == optionsText(other.options) && outputSize == other.outputSize &&
           format == other.format && outputFolder == other.outputFolder;
}

namespace Presets {

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quorlane/presets");
}

QStringList names()
{
    QStringList list;
    const QFileInfoList files =
      QDir(folder()).entryInfoList({ QLatin1Char('*') + suffix }, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString name = file.fileName().chopped(int(suffix.size()));
        if (nameProblem(name).isEmpty())
            list << name;
    }
    list.sort(Qt::CaseInsensitive);
    return list;
}

QString fileOf(const QString &name)
{
    return folder() + QLatin1Char('/') + name + suffix;
}

QString pathOf(const QString &nameOrFile)
{
    return nameOrFile.contains(QLatin1Char('/')) ? nameOrFile : fileOf(nameOrFile);
}

QString nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return Text::tr("A preset needs a name.");
    if (name.contains(QLatin1Char('/')))
        return Text::tr("A preset's name cannot hold \"/\".");
    if (name.startsWith(QLatin1Char('.')))
        return Text::tr("A preset's name cannot start with \".\".");
    if (std::any_of(name.cbegin(), name.cend(), isHiddenCharacter))
        return Text::tr("A preset's name cannot hold control or bidirectional characters.");
    if ((name + suffix).toUtf8().size() > 255)
        return Text::tr("The preset's name is too long.");
    return QString();
}

bool load(const QString &path, Preset *preset, QString *error)
{
    if (!QFileInfo::exists(path)) {
        *error = Text::tr("no such preset");
        return false;
    }
    // A folder, a FIFO or a device says what it is; a FIFO is never opened (it would block).
    QFile file(path);
    *error = PictureReader::fileProblem(path);
    if (error->isEmpty() && !file.open(QIODevice::ReadOnly))
        *error = file.errorString();
    if (!error->isEmpty())
        return false;
    const QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        *error = Text::tr("not a preset file");
        return false;
    }
    *preset = Preset();
    readText(ini, *preset);
    ConfigFile::read(ini, preset->options);
    readRun(ini, *preset);
    return true;
}

bool save(const QString &name, const Preset &preset, QString *error)
{
    if (const QString problem = nameProblem(name); !problem.isEmpty()) {
        *error = problem;
        return false;
    }
    const QString path = fileOf(name);
    if (QFileInfo::exists(path)) {
        if (const QString problem = PictureReader::fileProblem(path); !problem.isEmpty()) {
            *error = problem;
            return false;
        }
    }
    return writeIniFile(
      path, [&](QSettings &file) { write(file, preset); }, false, error);
}

bool remove(const QString &name, QString *error)
{
    QFile file(fileOf(name));
    if (file.remove())
        return true;
    *error = file.errorString();
    return false;
}

} // namespace Presets
