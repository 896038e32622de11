#include "choicenames.h"

#include "constants.h"
#include "positions.h"
#include "runoptions.h"

namespace ChoiceNames {

QStringList sizes()
{
    QStringList names;
    for (size_t i = 0; i < outputSizes.size(); ++i) {
        if (int(i) != customSizeIndex)
            names << QString::fromLatin1(outputSizes.at(i).text).toLower();
    }
    return names;
}

QStringList formats()
{
    QStringList names;
    for (const char *format : outputFormats)
        names << QString::fromLatin1(format).toLower();
    return names;
}

QStringList positions()
{
    QStringList names;
    for (const char *name : Position::names)
        names << QLatin1String(name);
    return names;
}

QSize readSize(const QString &text, bool *ok)
{
    *ok = true;
    const QString lower = text.toLower();
    const QStringList named = sizes();
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

QString sizeName(const QSize &size)
{
    if (!size.isValid())
        return sizes().constFirst();
    for (size_t i = 0; i < outputSizes.size(); ++i) {
        if (int(i) != customSizeIndex && outputSizes.at(i).size == size)
            return QString::fromLatin1(outputSizes.at(i).text).toLower();
    }
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

} // namespace ChoiceNames
