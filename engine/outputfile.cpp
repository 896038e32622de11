#include "outputfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <sys/stat.h>

#include "outputnames.h"

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("OutputFile", text);
}

// The permissions QSaveFile gives a new file: 0666 less the process's umask. Linux reports the
// umask in /proc; reading it there avoids umask()'s set-and-restore race between threads.
mode_t newFileMode()
{
    static const mode_t mode = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        mode_t mask = 022;
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("Umask:"))
                    mask = mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
            }
        }
        return mode_t(0666 & ~mask);
    }();
    return mode;
}

// Checks what commit() and close() would not notice (a full disk) before the file is published.
template<typename File>
bool writeAll(File &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size() && file.flush() &&
           file.error() == QFileDevice::NoError;
}

PublishResult replaceFile(const QByteArray &bytes, const QString &path)
{
    PublishResult result{ path, QString(), false };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
    } else if (!writeAll(file, bytes)) {
        result.error = file.errorString();
        file.cancelWriting();
    } else if (!file.commit()) {
        result.error = file.errorString();
    }
    return result;
}

PublishResult publishBeside(const QByteArray &bytes,
                            const QString &path,
                            ExistingFiles existing,
                            const QStringList &reserved)
{
    PublishResult result{ path, QString(), false };
    const QFileInfo info(path);
    QTemporaryFile file(info.dir().filePath(QStringLiteral(".quorlane-XXXXXX")));
    if (!file.open()) {
        result.error = file.errorString();
        return result;
    }
    if (!writeAll(file, bytes)) {
        result.error = file.errorString();
        return result; // the temporary file removes itself
    }
    if (::fchmod(file.handle(), newFileMode()) != 0) {
        result.error = qt_error_string(errno);
        return result;
    }
    // A taken name moves on from its own number: "a (2).jpg" is followed by "a (3).jpg".
    static const QRegularExpression numbered(QStringLiteral("^(.*) \\((\\d+)\\)(\\.[^.]*)?$"));
    const QRegularExpressionMatch match = numbered.match(info.fileName());
    const QString base = match.hasMatch() ? match.captured(1) + match.captured(3) : info.fileName();
    int n = match.hasMatch() ? match.captured(2).toInt() : 1;
    for (;;) {
        // The check comes first: where hard links are missing (FAT memory cards) the rename
        // falls back to one that replaces.
        if (!QFileInfo::exists(result.path)) {
            if (file.rename(result.path)) {
                file.setAutoRemove(false);
                return result;
            }
            if (!QFileInfo::exists(result.path)) {
                result.error = file.errorString();
                return result;
            }
        }
        if (existing == ExistingFiles::Skip) {
            result.skipped = true;
            return result;
        }
        do
            result.path = info.dir().filePath(numberedFileName(base, ++n));
        while (reserved.contains(result.path));
    }
}

} // namespace

QByteArray encodePicture(const QImage &image,
                         const QByteArray &format,
                         int jpegQuality,
                         QString *error)
{
    if (format.isEmpty()) {
        *error = tr("the file name has no suffix to choose an image format by");
        return QByteArray();
    }
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        *error = tr("no image writer for the suffix \"%1\"").arg(QString::fromLatin1(format));
        return QByteArray();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpg" || format == "jpeg")
        writer.setQuality(jpegQuality);
    if (!writer.write(image)) {
        *error = writer.errorString();
        return QByteArray();
    }
    return bytes;
}

PublishResult publishFile(const QByteArray &bytes,
                          const QString &path,
                          ExistingFiles existing,
                          const QStringList &reserved)
{
    if (existing == ExistingFiles::Replace)
        return replaceFile(bytes, path);
    return publishBeside(bytes, path, existing, reserved);
}
