#include "settingsfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "atomicfile.h"
#include "constants.h"
#include "positions.h"
#include "watermark.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

// The old weight scale's named values and their Qt 6 weights (Thin .. Black).
constexpr std::array<int, 9> legacyAnchors = { 0, 12, 25, 50, 57, 63, 75, 81, 87 };
constexpr std::array<int, 9> weightAnchors = { 100, 200, 300, 400, 500, 600, 700, 800, 900 };

template<typename Anchors>
int nearestAnchorIndex(const Anchors &anchors, long long value)
{
    int best = 0;
    for (int i = 1; i < int(anchors.size()); ++i) {
        // Strictly closer only: a tie keeps the lower anchor.
        if (std::llabs(value - anchors[i]) < std::llabs(value - anchors[best]))
            best = i;
    }
    return best;
}

long long number(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    bool ok = false;
    const long long value = attributes.value(name).toLongLong(&ok, 10);
    return ok ? value : 0;
}

bool flag(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    return attributes.value(name) == QLatin1String("true");
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

void takeElement(const QXmlStreamAttributes &a, SettingsFile::Values &v)
{
    if (const QString text = a.value(QLatin1String("WatermarkText")).toString(); fitsFileText(text))
        v.text = text;
    const long long position = number(a, QLatin1String("WatermarkPos"));
    v.position = Position::isValid(position) ? int(position) : 0;
    // A missing or unreadable opacity is the default, never 0: that would hide the mark.
    bool hasAlpha = false;
    const long long alpha = a.value(QLatin1String("trans")).toLongLong(&hasAlpha, 10);
    v.alpha = hasAlpha ? int(std::clamp(alpha, 0LL, 255LL)) : WatermarkStyle::automaticAlpha;
    v.useDefaults = flag(a, QLatin1String("usedefault"));
    v.useCopyright = flag(a, QLatin1String("usecopyright"));
    // Components wrap modulo 256, as the file format always did.
    v.fontColor = QColor(int(number(a, QLatin1String("R")) & 0xff),
                         int(number(a, QLatin1String("G")) & 0xff),
                         int(number(a, QLatin1String("B")) & 0xff));
    v.autoColor = flag(a, QLatin1String("use_adv_intelli_color"));
    v.autoFontSize = flag(a, QLatin1String("use_adv_intelli_font"));

    const long long pointSize = number(a, QLatin1String("fontsize"));
    const QString family = a.value(QLatin1String("fontfamily")).toString();
    QFont font(fitsFileText(family) ? family : QString());
    font.setPointSize(pointSize <= 0 ? 12 : int(std::min(pointSize, 1000LL)));
    font.setWeight(
      QFont::Weight(SettingsFile::legacyToWeight(number(a, QLatin1String("fontWeight")))));
    font.setItalic(flag(a, QLatin1String("isItalic")));
    v.font = font;
}

} // namespace

namespace SettingsFile {

int legacyToWeight(long long legacy)
{
    if (legacy < 0)
        legacy = 50;
    return weightAnchors[nearestAnchorIndex(legacyAnchors, legacy)];
}

int weightToLegacy(int weight)
{
    return legacyAnchors[nearestAnchorIndex(weightAnchors, weight)];
}

QString problem(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (file.size() == 0)
        return Text::tr("the file is empty");
    QXmlStreamReader reader(&file);
    bool found = false;
    while (!reader.atEnd()) {
        reader.readNext();
        found = found || (reader.isStartElement() && reader.name() == QLatin1String("settings"));
    }
    if (reader.hasError())
        return Text::tr("not a settings file: %1 (line %2)")
          .arg(reader.errorString())
          .arg(reader.lineNumber());
    return found ? QString() : Text::tr("it has no settings element");
}

void read(QIODevice *device, Values &values)
{
    QXmlStreamReader reader(device);
    reader.readNext();
    while (!reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == QLatin1String("settings"))
            takeElement(reader.attributes(), values);
        reader.readNext();
    }
}

bool load(const QString &path, Values &values)
{
    if (!QFile::exists(path))
        return false;
    QFile file(path);
    file.open(QIODevice::ReadOnly); // an unreadable file simply yields no element
    read(&file, values);
    return true;
}

QByteArray serialize(const Values &v)
{
    QByteArray data;
    QXmlStreamWriter writer(&data);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("settings"));
    writer.writeAttribute(QStringLiteral("WatermarkText"), v.text);
    writer.writeAttribute(QStringLiteral("usecopyright"), boolText(v.useCopyright));
    writer.writeAttribute(QStringLiteral("WatermarkPos"), QString::number(v.position));
    writer.writeAttribute(QStringLiteral("trans"), QString::number(v.alpha));
    writer.writeAttribute(QStringLiteral("usedefault"), boolText(v.useDefaults));
    writer.writeAttribute(QStringLiteral("R"), QString::number(v.fontColor.red()));
    writer.writeAttribute(QStringLiteral("G"), QString::number(v.fontColor.green()));
    writer.writeAttribute(QStringLiteral("B"), QString::number(v.fontColor.blue()));
    writer.writeAttribute(QStringLiteral("use_adv_intelli_color"), boolText(v.autoColor));
    writer.writeAttribute(QStringLiteral("use_adv_intelli_font"), boolText(v.autoFontSize));
    writer.writeAttribute(QStringLiteral("fontfamily"), v.font.family());
    writer.writeAttribute(QStringLiteral("fontsize"), QString::number(v.font.pointSize()));
    writer.writeAttribute(QStringLiteral("fontWeight"),
                          QString::number(weightToLegacy(v.font.weight())));
    writer.writeAttribute(QStringLiteral("isItalic"),
                          boolText(v.font.style() != QFont::StyleNormal));
    writer.writeEndElement();
    writer.writeEndDocument();
    return data;
}

bool save(const QString &path, const Values &values, QString *error)
{
    return writeFileAtomically(path, serialize(values), error);
}

} // namespace SettingsFile
