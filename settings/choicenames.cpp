#include "choicenames.h"

#include "constants.h"
#include "positions.h"
#include "runoptions.h"

namespace ChoiceNames {

QStringList sizes()
{
    QStringList names;
    for (size_t i = 0; i < outputSizes.size(); ++i) {
        if (int(i) != customSizeIndex && !outputSizes.at(i).size.isLongEdge)
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

OutputSize readSize(const QString &text, bool *ok)
{
    *ok = true;
    const QString lower = text.toLower();
    const QStringList named = sizes();
    if (named.contains(lower))
        return outputSizes.at(size_t(named.indexOf(lower))).size;
    int width = 0;
    if (readNumber(lower, minCustomSide, maxCustomSide, &width))
        return OutputSize::longEdge(width);
    const QStringList sides = lower.split(QLatin1Char('x'));
    int height = 0;
    if (sides.size() == 2 && readNumber(sides.at(0), minCustomSide, maxCustomSide, &width) &&
        readNumber(sides.at(1), minCustomSide, maxCustomSide, &height))
        return QSize(width, height);
    *ok = false;
    return QSize();
}

QString sizeName(const OutputSize &size)
{
    if (!size.isValid())
        return sizes().constFirst();
    if (size.isLongEdge)
        return QString::number(size.box.width());
    for (size_t i = 0; i < outputSizes.size(); ++i) {
        if (int(i) != customSizeIndex && outputSizes.at(i).size == size)
            return QString::fromLatin1(outputSizes.at(i).text).toLower();
    }
    return QStringLiteral("%1x%2").arg(size.box.width()).arg(size.box.height());
}

} // namespace ChoiceNames
