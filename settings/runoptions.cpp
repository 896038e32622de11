#include "runoptions.h"

#include <QCoreApplication>

#include "nametemplate.h"
#include "positions.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RunOptions)
};

template<size_t N>
QStringList wordList(const std::array<const char *, N> &words)
{
    QStringList list;
    for (const char *word : words)
        list << QLatin1String(word);
    return list;
}

RunOption declared(const char *group,
                   const char *key,
                   RunOption::Kind kind,
                   QStringList names,
                   const char *valueName,
                   const char *help)
{
    RunOption o;
    o.group = group;
    o.key = key;
    o.kind = kind;
    o.names = std::move(names);
    o.valueName = valueName;
    o.help = help;
    return o;
}

// Each factory takes the field as a function returning a reference into RunOptions.
template<typename Field>
RunOption flag(const char *group,
               const char *key,
               const char *name,
               const char *onHelp,
               const char *offHelp,
               Field field)
{
    RunOption o =
      declared(group, key, RunOption::Kind::Flag, { QLatin1String(name) }, nullptr, onHelp);
    o.flagHelp = { onHelp, offHelp };
    o.get = [field](const RunOptions &r) {
        return field(r) ? QStringLiteral("true") : QStringLiteral("false");
    };
    o.set = [field](RunOptions &r, const QString &value) {
        if (value != QLatin1String("true") && value != QLatin1String("false"))
            return false;
        field(r) = value == QLatin1String("true");
        return true;
    };
    return o;
}

template<typename Field>
RunOption number(const char *group,
                 const char *key,
                 QStringList names,
                 const char *valueName,
                 const char *help,
                 int min,
                 int max,
                 Field field)
{
    RunOption o = declared(group, key, RunOption::Kind::Number, std::move(names), valueName, help);
    o.min = min;
    o.max = max;
    o.get = [field](const RunOptions &r) { return QString::number(field(r)); };
    o.set = [field, min, max](RunOptions &r, const QString &value) {
        return readNumber(value, min, max, &field(r));
    };
    return o;
}

template<typename Field, size_t N>
RunOption choice(const char *group,
                 const char *key,
                 QStringList names,
                 const char *valueName,
                 const char *help,
                 const std::array<const char *, N> &words,
                 Field field,
                 std::vector<const char *> flagHelp = {})
{
    RunOption o = declared(group, key, RunOption::Kind::Choice, std::move(names), valueName, help);
    o.choices = wordList(words);
    o.choiceFlags = o.names.isEmpty();
    o.flagHelp = std::move(flagHelp);
    o.get = [field, words](const RunOptions &r) {
        return QLatin1String(words.at(size_t(field(r))));
    };
    o.set = [field, words](RunOptions &r, const QString &value) {
        const int index = choiceIndex(words, value.toLatin1().constData());
        if (index < 0)
            return false;
        field(r) = std::remove_reference_t<decltype(field(r))>(index);
        return true;
    };
    return o;
}

std::vector<RunOption> makeOptions()
{
    using K = RunOption::Kind;
    std::vector<RunOption> list;
    const char *output = "Output";
    const char *watermark = "Watermark";
    list.push_back(number(
      output,
      "jpegQuality",
      { "Q", "quality" },
      "N",
      QT_TRANSLATE_NOOP("RunOptions", "Quality for JPEG, WebP, AVIF and HEIC"),
      OutputPolicy::minQuality,
      OutputPolicy::maxQuality,
      [](auto &r) -> auto & { return r.output.jpegQuality; }));
    list.push_back(choice(output,
                          "resize",
                          {},
                          nullptr,
                          QT_TRANSLATE_NOOP("RunOptions", "How a fixed size treats proportions"),
                          resizeModeNames,
                          [](auto &r) -> auto & { return r.output.resize; },
                          { QT_TRANSLATE_NOOP("RunOptions", "Stretch to exactly SIZE."),
                            QT_TRANSLATE_NOOP("RunOptions",
                                              "Fit inside SIZE, keeping proportions; never "
                                              "enlarge.") }));
    list.push_back(choice(
      output,
      "metadata",
      { "metadata" },
      "WHICH",
      QT_TRANSLATE_NOOP("RunOptions", "Metadata to keep"),
      metadataChoiceNames,
      [](auto &r) -> auto & { return r.output.metadata; }));
    list.push_back(flag(
      output,
      "copyrightFromText",
      "copyright-notice",
      QT_TRANSLATE_NOOP("RunOptions", "Write the text as the copyright notice."),
      QT_TRANSLATE_NOOP("RunOptions", "Leave the copyright notice as the metadata has it."),
      [](auto &r) -> auto & { return r.output.copyrightFromText; }));
    list.push_back(choice(
      output,
      "existingFiles",
      { "if-exists" },
      "WHAT",
      QT_TRANSLATE_NOOP("RunOptions", "When the output folder has a picture of the same name"),
      existingFilesNames,
      [](auto &r) -> auto & { return r.output.existingFiles; }));
    list.push_back(choice(
      output,
      "colour",
      { "colour" },
      "HOW",
      QT_TRANSLATE_NOOP("RunOptions",
                        "Colours: keep each picture's profile, or convert every picture to sRGB"),
      colourChoiceNames,
      [](auto &r) -> auto & { return r.output.colour; }));
    RunOption name = declared(
      output,
      "nameTemplate",
      K::Text,
      { "name" },
      "TEMPLATE",
      QT_TRANSLATE_NOOP("RunOptions",
                        "Name each output after TEMPLATE, without suffix: {name} (the "
                        "source's name), {counter}, {counter:N}, {preset} or a text field"));
    name.get = [](const RunOptions &r) { return r.output.nameTemplate; };
    name.check = NameTemplate::problem;
    name.set = [](RunOptions &r, const QString &value) {
        if (!NameTemplate::problem(value).isEmpty())
            return false;
        r.output.nameTemplate = value;
        return true;
    };
    list.push_back(name);
    // A flag on the command line, a word in the file: "encode" or "keep".
    RunOption keepJpeg =
      declared(output,
               "jpegMode",
               K::Flag,
               { "keep-jpeg" },
               nullptr,
               QT_TRANSLATE_NOOP("RunOptions",
                                 "Keep a JPEG's own compression when its size and format stay: "
                                 "only the watermark's blocks change."));
    keepJpeg.flagHelp = { keepJpeg.help,
                          QT_TRANSLATE_NOOP("RunOptions", "Encode every picture anew.") };
    keepJpeg.get = [](const RunOptions &r) {
        return QLatin1String(jpegModeNames.at(size_t(r.output.jpegMode)));
    };
    keepJpeg.set = [](RunOptions &r, const QString &value) {
        const bool keep = value == QLatin1String("keep") || value == QLatin1String("true");
        if (!keep && value != QLatin1String("encode") && value != QLatin1String("false"))
            return false;
        r.output.jpegMode = keep ? JpegMode::Keep : JpegMode::Encode;
        return true;
    };
    list.push_back(keepJpeg);
    list.push_back(number(
      watermark,
      "margin",
      { "margin" },
      "N",
      QT_TRANSLATE_NOOP("RunOptions",
                        "Keep the mark N percent of the shorter side off "
                        "the edges"),
      0,
      WatermarkEffects::maxMargin,
      [](auto &r) -> auto & { return r.watermark.margin; }));
    list.push_back(flag(
      watermark,
      "outline",
      "outline",
      QT_TRANSLATE_NOOP("RunOptions", "Outline the text in black or white."),
      QT_TRANSLATE_NOOP("RunOptions", "No outline."),
      [](auto &r) -> auto & { return r.watermark.outline; }));
    list.push_back(flag(
      watermark,
      "shadow",
      "shadow",
      QT_TRANSLATE_NOOP("RunOptions", "Give the text a soft shadow."),
      QT_TRANSLATE_NOOP("RunOptions", "No shadow."),
      [](auto &r) -> auto & { return r.watermark.shadow; }));
    list.push_back(number(
      watermark,
      "angle",
      { "angle" },
      "DEG",
      QT_TRANSLATE_NOOP("RunOptions", "Turn the text by DEG degrees counter-clockwise"),
      -WatermarkEffects::maxAngle,
      WatermarkEffects::maxAngle,
      [](auto &r) -> auto & { return r.watermark.angle; }));
    RunOption autoPosition = flag(
      watermark,
      "autoPosition",
      "auto-position",
      nullptr, // no help of its own: the command line says -p auto
      nullptr,
      [](auto &r) -> auto & { return r.watermark.autoPosition; });
    autoPosition.onCommandLine = false;
    list.push_back(autoPosition);
    list.push_back(choice(
      watermark,
      "textSizeBy",
      { "text-size-by" },
      "SIDE",
      QT_TRANSLATE_NOOP("RunOptions",
                        "Fit the automatic text size to the picture's width, or to its shorter "
                        "side so that portraits and landscapes get one size"),
      textSizeByNames,
      [](auto &r) -> auto & { return r.watermark.textSizeBy; }));
    list.push_back(flag(
      watermark,
      "tile",
      "tile",
      QT_TRANSLATE_NOOP("RunOptions", "Repeat the text over the whole picture."),
      QT_TRANSLATE_NOOP("RunOptions", "Stamp the text once."),
      [](auto &r) -> auto & { return r.watermark.tile; }));

    RunOption logo =
      declared(watermark,
               "logo",
               K::Text,
               { "logo" },
               "FILE",
               QT_TRANSLATE_NOOP("RunOptions",
                                 "Stamp the picture FILE (PNG, SVG, ...) before the text; "
                                 "'' for none"));
    logo.get = [](const RunOptions &r) { return r.watermark.logoPath; };
    logo.set = [](RunOptions &r, const QString &value) {
        r.watermark.logoPath = value;
        return true;
    };
    list.push_back(logo);
    list.push_back(number(
      watermark,
      "logoWidth",
      { "logo-width" },
      "N",
      QT_TRANSLATE_NOOP("RunOptions", "The logo's width in percent of the picture's"),
      1,
      100,
      [](auto &r) -> auto & { return r.watermark.logoWidth; }));
    RunOption position = declared(watermark,
                                  "logoPosition",
                                  K::Position,
                                  { "logo-position" },
                                  "WHERE",
                                  QT_TRANSLATE_NOOP("RunOptions", "Where the logo goes"));
    position.choices = wordList(Position::names);
    position.get = [](const RunOptions &r) { return QString::number(r.watermark.logoPosition); };
    position.set = [](RunOptions &r, const QString &value) {
        bool ok = false;
        const qlonglong code = value.toLongLong(&ok, 10);
        if (!ok || !Position::isValid(code))
            return false;
        r.watermark.logoPosition = int(code);
        return true;
    };
    list.push_back(position);
    list.push_back(number(
      watermark,
      "logoOpacity",
      { "logo-opacity" },
      "N",
      QT_TRANSLATE_NOOP("RunOptions", "The logo's opacity"),
      0,
      255,
      [](auto &r) -> auto & { return r.watermark.logoOpacity; }));
    return list;
}

} // namespace

bool readNumber(const QString &text, int min, int max, int *value)
{
    bool ok = false;
    const qlonglong n = text.toLongLong(&ok, 10); // 64-bit first: no wrap-around into range
    if (!ok || n < min || n > max)
        return false;
    *value = int(n);
    return true;
}

QString listedNames(const QStringList &names)
{
    if (names.size() < 2)
        return names.join(QString());
    return Text::tr("%1 or %2")
      .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.constLast());
}

QString RunOption::rangeText() const
{
    switch (kind) {
        case Kind::Number:
            return Text::tr("%1 to %2").arg(min).arg(max);
        case Kind::Choice:
        case Kind::Position:
            return listedNames(choices);
        case Kind::Flag:
        case Kind::Text:
            break;
    }
    return QString();
}

QString RunOption::refusal(const QString &value) const
{
    return check ? check(value) : rangeText();
}

bool RunOption::setFromCommandLine(RunOptions &options, const QString &value) const
{
    if (kind != Kind::Position)
        return set(options, value);
    const int index = int(choices.indexOf(value));
    return index >= 0 && set(options, QString::number(Position::all.at(size_t(index))));
}

const std::vector<RunOption> &runOptions()
{
    static const std::vector<RunOption> options = makeOptions();
    return options;
}

const RunOption &runOption(const char *key)
{
    const std::vector<RunOption> &options = runOptions();
    const auto it = std::find_if(options.cbegin(), options.cend(), [key](const RunOption &o) {
        return qstrcmp(o.key, key) == 0;
    });
    Q_ASSERT(it != options.cend());
    return *it;
}
