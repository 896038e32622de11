// Writes the desktop entry: its template with "@MIME_TYPES@" replaced by the MIME types of the
// pictures a drop accepts, so that the list a file manager offers "Open with" for is the program's
// own. Usage: desktopentry TEMPLATE OUTPUT
#include <QFile>
#include <QStringList>

#include <cstdio>

#include "engine/run/picturefolder.h"

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: desktopentry TEMPLATE OUTPUT\n");
        return 2;
    }
    QFile in(QFile::decodeName(argv[1]));
    QFile out(QFile::decodeName(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "desktopentry: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QByteArray entry = in.readAll();
    entry.replace("@MIME_TYPES@",
                  PictureFolder::mimeTypes().join(QLatin1Char(';')).toLatin1() + ';');
    return out.write(entry) == entry.size() && out.flush() ? 0 : 1;
}
