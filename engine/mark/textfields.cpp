#include "textfields.h"

#include <QStringList>

namespace {

const QString metadataFields[] = {
    QStringLiteral("{date}"),     QStringLiteral("{year}"),  QStringLiteral("{artist}"),
    QStringLiteral("{camera}"),   QStringLiteral("{lens}"),  QStringLiteral("{aperture}"),
    QStringLiteral("{shutter}"),  QStringLiteral("{iso}"),   QStringLiteral("{focal}"),
    QStringLiteral("{exposure}"), QStringLiteral("{title}"), QStringLiteral("{caption}"),
};

// number with at most one decimal, without a trailing ".0".
QString oneDecimal(double number)
{
    QString text = QString::number(number, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

// One line with its fields filled; *hadField tells whether a field was there.
QString fillLine(const QString &line, const FieldValues &values, bool *hadField)
{
    return fillFields(
      line,
      [&values](const QString &name, QString *value) { return fieldValue(name, values, value); },
      hadField);
}

} // namespace

QString composeWatermarkText(bool copyright, const QString &plainText)
{
    const QString sign = QStringLiteral("\u00A9");
    // A text that starts with the sign already, as photographers type it, gets no second one.
    qsizetype first = 0;
    while (first < plainText.size() && plainText.at(first) == QLatin1Char(' '))
        ++first;
    if (!copyright || QStringView(plainText).mid(first).startsWith(sign))
        return plainText;
    return sign + QLatin1Char(' ') + plainText;
}

bool fieldValue(const QString &name, const FieldValues &values, QString *value)
{
    if (name == QLatin1String("filename"))
        *value = values.fileName;
    else if (name == QLatin1String("date"))
        *value = values.date;
    else if (name == QLatin1String("year"))
        *value = values.date.left(4);
    else if (name == QLatin1String("artist"))
        *value = values.artist;
    else if (name == QLatin1String("camera"))
        *value = values.camera;
    else if (name == QLatin1String("lens"))
        *value = values.lens;
    else if (name == QLatin1String("aperture"))
        *value = apertureText(values.fNumber);
    else if (name == QLatin1String("shutter"))
        *value = shutterText(values.exposureTime);
    else if (name == QLatin1String("iso"))
        *value = isoText(values.isoSpeed);
    else if (name == QLatin1String("focal"))
        *value = focalText(values.focalLength);
    else if (name == QLatin1String("exposure")) {
        QStringList parts{ focalText(values.focalLength),
                           apertureText(values.fNumber),
                           shutterText(values.exposureTime),
                           isoText(values.isoSpeed) };
        parts.removeAll(QString());
        *value = parts.join(QLatin1Char(' '));
    } else if (name == QLatin1String("title"))
        *value = values.title;
    else if (name == QLatin1String("caption"))
        *value = values.caption;
    else if (name == QLatin1String("width"))
        *value = values.size.isValid() ? QString::number(values.size.width()) : QString();
    else if (name == QLatin1String("height"))
        *value = values.size.isValid() ? QString::number(values.size.height()) : QString();
    else
        return false;
    return true;
}

QString fillFields(const QString &text, const FieldLookup &lookup, bool *hadField)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && text.mid(i + 1, 1) == c) {
            out += c; // "{{" and "}}" are literal braces
            ++i;
            continue;
        }
        if (c == QLatin1Char('{')) {
            const int close = text.indexOf(QLatin1Char('}'), i + 1);
            QString value;
            if (close > i && lookup(text.mid(i + 1, close - i - 1), &value)) {
                out += value;
                if (hadField)
                    *hadField = true;
                i = close;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString apertureText(double fNumber)
{
    return fNumber > 0 ? QStringLiteral("f/") + oneDecimal(fNumber) : QString();
}

QString shutterText(double seconds)
{
    constexpr double longest = 0.4; // from here on the seconds themselves read better
    if (seconds <= 0)
        return QString();
    if (seconds < longest)
        return QStringLiteral("1/%1 s").arg(qRound64(1 / seconds));
    return oneDecimal(seconds) + QStringLiteral(" s");
}

QString focalText(double millimetres)
{
    if (millimetres <= 0)
        return QString();
    return (millimetres >= 10 ? QString::number(qRound64(millimetres)) : oneDecimal(millimetres)) +
           QStringLiteral(" mm");
}

QString isoText(int speed)
{
    return speed > 0 ? QStringLiteral("ISO %1").arg(speed) : QString();
}

FieldValues FieldValues::example(const QSize &size)
{
    FieldValues values;
    values.fileName = QStringLiteral("sample.jpg");
    values.date = QStringLiteral("2024-06-01");
    values.artist = QStringLiteral("Your Name");
    values.camera = QStringLiteral("Camera Model");
    values.lens = QStringLiteral("Lens Model");
    values.fNumber = 2.8;
    values.exposureTime = 1.0 / 250;
    values.focalLength = 50;
    values.isoSpeed = 100;
    values.title = QStringLiteral("Title");
    values.caption = QStringLiteral("Caption");
    values.size = size;
    return values;
}

bool usesMetadataFields(const QString &text)
{
    for (const QString &field : metadataFields) {
        if (text.contains(field))
            return true;
    }
    return false;
}

bool WatermarkText::needsMetadata() const
{
    return usesMetadataFields(typed);
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
