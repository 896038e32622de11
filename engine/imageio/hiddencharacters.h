#pragma once

#include <QChar>
#include <QString>

// Characters that a text read from a file must not carry into a mark, a file name or a list:
// C0 and C1 controls (a newline among them) and the marks that turn text around, which make a
// text show as something else than it is.
inline bool isHiddenCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return c.category() == QChar::Other_Control || u == 0x061C || u == 0x200E || u == 0x200F ||
           (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

inline QString withoutHiddenCharacters(QString text)
{
    text.removeIf(isHiddenCharacter);
    return text;
}
