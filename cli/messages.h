#pragma once

// How quorlane-batch speaks on standard error: its name first, control characters escaped.

#include <QString>

#include <cstdio>

// line with its control characters written out (\n, \t, \e, \x9b ...), as GNU ls quotes names
// for a terminal: a file name can neither clear the screen nor split a message.
inline QString printable(const QString &line)
{
    QString out;
    out.reserve(line.size());
    for (const QChar c : line) {
        const ushort u = c.unicode();
        if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u == 0x1b)
            out += QLatin1String("\\e");
        else if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

// One message on standard error, named after the program as every message of it is.
inline void say(const QString &message)
{
    std::fprintf(stderr, "quorlane-batch: %s\n", printable(message).toLocal8Bit().constData());
}
