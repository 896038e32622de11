#include "nametemplate.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(NameTemplate)
};

constexpr int maxNameBytes = 255;
constexpr int maxCounterWidth = 9;

// A value put into a file name: no folder separator and no control character.
QString safeValue(QString value)
{
    for (QChar &c : value) {
        if (c == QLatin1Char('/') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('_');
    }
    return value;
}

bool counterValue(const QString &name, int counter, QString *value)
{
    if (name == QLatin1String("counter")) {
        *value = QString::number(counter);
        return true;
    }
    if (!name.startsWith(QLatin1String("counter:")))
        return false;
    bool ok = false;
    const int width = name.mid(8).toInt(&ok);
    if (!ok || width < 1 || width > maxCounterWidth)
        return false;
    *value = QStringLiteral("%1").arg(counter, width, 10, QLatin1Char('0'));
    return true;
}

} // namespace

QString NameTemplate::problem(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && text.mid(i + 1, 1) == c) {
            ++i; // "{{" and "}}" are literal braces
            continue;
        }
        if (c != QLatin1Char('{'))
            continue;
        const int end = int(text.indexOf(QLatin1Char('}'), i + 1));
        if (end < 0)
            return Text::tr("a \"{\" without its \"}\"");
        const QString field = text.mid(i + 1, end - i - 1);
        QString value;
        const bool known = field == QLatin1String("name") || field == QLatin1String("preset") ||
                           fieldValue(field, FieldValues(), &value);
        if (field.startsWith(QLatin1String("counter:")) && !counterValue(field, 1, &value))
            return Text::tr("the width of {%1} must be 1 to %2").arg(field).arg(maxCounterWidth);
        if (!known && !counterValue(field, 1, &value))
            return Text::tr("there is no field {%1}").arg(field);
        i = end;
    }
    return QString();
}

NameTemplate::NameTemplate(const QString &text)
  : m_text(text)
{
}

bool NameTemplate::needsMetadata() const
{
    return usesMetadataFields(m_text);
}

bool NameTemplate::needsSize() const
{
    return m_text.contains(QLatin1String("{width}")) || m_text.contains(QLatin1String("{height}"));
}

QString NameTemplate::baseName(const NameValues &values) const
{
    const QString name = QFileInfo(values.fields.fileName).completeBaseName();
    if (isDefault())
        return name;
    bool startsWithName = m_text.startsWith(QLatin1String("{name}"));
    QString base = fillFields(m_text, [&](const QString &field, QString *value) {
        if (field == QLatin1String("name"))
            *value = name;
        else if (field == QLatin1String("preset"))
            *value = values.preset;
        else if (!counterValue(field, values.counter, value) &&
                 !fieldValue(field, values.fields, value))
            return false;
        return true;
    });
    base = safeValue(base);
    if (base.isEmpty())
        return name;
    if (!startsWithName && (base.startsWith(QLatin1Char('.')) || base.startsWith(QLatin1Char('-'))))
        base.prepend(QLatin1Char('_'));
    return base;
}

QString fileNameWithin(const QString &base, const QString &tag, const QString &suffix)
{
    const QString end = suffix.isEmpty() ? tag : tag + QLatin1Char('.') + suffix;
    const int room = maxNameBytes - int(end.toUtf8().size());
    QString cut = base;
    if (cut.toUtf8().size() > room) {
        int bytes = 0;
        int i = 0;
        // Whole characters only: a surrogate pair is one character of four bytes.
        while (i < base.size()) {
            const int length = base.at(i).isHighSurrogate() && i + 1 < base.size() ? 2 : 1;
            const int size = int(base.mid(i, length).toUtf8().size());
            if (bytes + size > room)
                break;
            bytes += size;
            i += length;
        }
        cut = base.left(i);
    }
    return cut + end;
}
