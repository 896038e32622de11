#include "textfields.h"

#include <QStringList>

#include "watermark.h"

namespace {

const QString metadataFields[] = { QStringLiteral("{date}"),
                                   QStringLiteral("{year}"),
                                   QStringLiteral("{artist}"),
                                   QStringLiteral("{camera}") };

QString valueOf(const QString &name, const FieldValues &values, bool *known)
{
    *known = true;
    if (name == QLatin1String("filename"))
        return values.fileName;
    if (name == QLatin1String("date"))
        return values.date;
    if (name == QLatin1String("year"))
        return values.date.left(4);
    if (name == QLatin1String("artist"))
        return values.artist;
    if (name == QLatin1String("camera"))
        return values.camera;
    if (name == QLatin1String("width"))
        return values.size.isValid() ? QString::number(values.size.width()) : QString();
    if (name == QLatin1String("height"))
        return values.size.isValid() ? QString::number(values.size.height()) : QString();
    *known = false;
    return QString();
}

// One line with its fields filled; *hadField tells whether a field was there.
QString fillLine(const QString &line, const FieldValues &values, bool *hadField)
{
    QString out;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && line.mid(i + 1, 1) == c) {
            out += c; // "{{" and "}}" are literal braces
            ++i;
            continue;
        }
        if (c == QLatin1Char('{')) {
            const int close = line.indexOf(QLatin1Char('}'), i + 1);
            bool known = false;
            if (close > i) {
                const QString value = valueOf(line.mid(i + 1, close - i - 1), values, &known);
                if (known) {
                    out += value;
                    *hadField = true;
                    i = close;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

QString firstWord(const QString &text)
{
    return text.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
}

} // namespace

FieldValues FieldValues::example(const QSize &size)
{
    FieldValues values;
    values.fileName = QStringLiteral("sample.jpg");
    values.date = QStringLiteral("2024-06-01");
    values.artist = QStringLiteral("Your Name");
    values.camera = QStringLiteral("Camera Model");
    values.size = size;
    return values;
}

bool WatermarkText::needsMetadata() const
{
    for (const QString &field : metadataFields) {
        if (typed.contains(field))
            return true;
    }
    return false;
}

QString WatermarkText::filled(const FieldValues &values) const
{
    QStringList lines;
    const QStringList typedLines = typed.split(QLatin1Char('\n'));
    for (const QString &line : typedLines) {
        bool hadField = false;
        const QString filledLine = fillLine(line, values, &hadField);
        // Only a line a field left blank goes; a line typed blank stays.
        if (!(hadField && filledLine.trimmed().isEmpty()))
            lines << filledLine;
    }
    return composeWatermarkText(copyrightSign, lines.join(QLatin1Char('\n')));
}

QString cameraName(const QString &make, const QString &model)
{
    const QString m = make.trimmed();
    const QString n = model.trimmed();
    if (m.isEmpty() || n.isEmpty())
        return m + n;
    if (firstWord(n).compare(firstWord(m), Qt::CaseInsensitive) == 0)
        return n;
    return m + QLatin1Char(' ') + n;
}
