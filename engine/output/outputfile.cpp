#include "outputfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "outputnames.h"
#include "temporaryfiles.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OutputFile)
};

// A picture's bytes on their way into the output folder: an unnamed file where the file system
// has them (nothing is left behind however the process ends), else a named one of our pattern,
// removed on every path but a kill.
class TemporaryFile
{
public:
    TemporaryFile(const QByteArray &folder, bool unnamed, const char *procFds)
      : m_folder(folder)
      , m_procFds(procFds)
    {
        m_dirFd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (m_dirFd < 0) {
            m_error = errno;
            return;
        }
        // An unnamed file gets its name through /proc: without it (some chroots) only a named
        // one can be published.
        if (unnamed && ::access(procFds, X_OK) == 0)
            m_fd = ::openat(m_dirFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd < 0 && !makeName(&m_name, [this](const QByteArray &name) {
                m_fd = ::openat(m_dirFd,
                                name.constData(),
                                O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC,
                                0666); // open applies the umask, as for any new file
                return m_fd >= 0 ? 0 : errno;
            }))
            return;
        if (!m_name.isEmpty())
            TemporaryFiles::add(m_folder + '/' + m_name);
    }

    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        dropName();
        if (m_dirFd >= 0)
            ::close(m_dirFd);
    }

    int error() const { return m_error; }

    bool write(const QByteArray &bytes)
    {
        const char *at = bytes.constData();
        qint64 left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, at, size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                m_error = n < 0 ? errno : ENOSPC;
                return false;
            }
            at += n;
            left -= n;
        }
        // On the disk before it has a name: a power cut leaves the picture whole or not there.
        if (::fdatasync(m_fd) != 0 && errno != EINVAL) {
            m_error = errno;
            return false;
        }
        // An unnamed file stays open until it is linked; NFS reports some write errors only when
        // a file is closed.
        if (!m_name.isEmpty() && ::close(std::exchange(m_fd, -1)) != 0) {
            m_error = errno;
            return false;
        }
        return true;
    }

    // Gives the file the name, never replacing what is there: 0, or errno (EEXIST: taken).
    int linkWithoutReplacing(const QByteArray &name)
    {
        if (m_name.isEmpty()) {
            const QByteArray self = m_procFds + '/' + QByteArray::number(m_fd);
            return ::linkat(
                     AT_FDCWD, self.constData(), m_dirFd, name.constData(), AT_SYMLINK_FOLLOW) == 0
                     ? 0
                     : errno;
        }
        if (::renameat2(m_dirFd, m_name.constData(), m_dirFd, name.constData(), RENAME_NOREPLACE) ==
            0) {
            forgetName();
            return 0;
        }
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        // NFS cannot rename without replacing, but it can link. A retransmitted request may
        // answer EEXIST for a link that was made: then the name is this very file.
        if (::linkat(m_dirFd, m_name.constData(), m_dirFd, name.constData(), 0) != 0 &&
            !(errno == EEXIST && isThisFile(name)))
            return errno == EPERM ? ENOTSUP : errno;
        dropName();
        return 0;
    }

    // Gives the file the name in one step, replacing the directory entry there: 0, or errno.
    int replace(const QByteArray &name)
    {
        if (m_name.isEmpty()) {
            // rename() is the one step that replaces: the unnamed file needs a name first.
            if (!makeName(&m_name, [this](const QByteArray &candidate) {
                    return linkWithoutReplacing(candidate);
                }))
                return m_error;
            TemporaryFiles::add(m_folder + '/' + m_name);
        }
        if (::renameat(m_dirFd, m_name.constData(), m_dirFd, name.constData()) != 0)
            return errno;
        forgetName();
        return 0;
    }

private:
    // Whether name in the folder is the named temporary file itself.
    bool isThisFile(const QByteArray &name) const
    {
        struct stat mine = {}, there = {};
        return ::fstatat(m_dirFd, m_name.constData(), &mine, AT_SYMLINK_NOFOLLOW) == 0 &&
               ::fstatat(m_dirFd, name.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
               mine.st_dev == there.st_dev && mine.st_ino == there.st_ino && mine.st_nlink >= 2;
    }

    // Tries names of our pattern until create() does not answer EEXIST.
    template<typename Create>
    bool makeName(QByteArray *name, Create create)
    {
        static std::atomic<quint64> counter{ 0 };
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray candidate = TemporaryFiles::prefix + QByteArray::number(::getpid()) +
                                         '-' + QByteArray::number(counter++) +
                                         TemporaryFiles::suffix;
            const int error = create(candidate);
            if (error == 0) {
                *name = candidate;
                return true;
            }
            if (error != EEXIST) {
                m_error = error;
                return false;
            }
        }
        m_error = EEXIST;
        return false;
    }

    void forgetName()
    {
        TemporaryFiles::remove(m_folder + '/' + m_name);
        m_name.clear();
    }

    void dropName()
    {
        if (m_name.isEmpty())
            return;
        ::unlinkat(m_dirFd, m_name.constData(), 0);
        forgetName();
    }

    QByteArray m_folder;
    QByteArray m_procFds;
    QByteArray m_name; // of a named temporary file, in m_folder
    int m_dirFd = -1;
    int m_fd = -1;
    int m_error = 0;
};

} // namespace

QByteArray encodePicture(const QImage &image,
                         const QByteArray &format,
                         int jpegQuality,
                         QString *error)
{
    if (format.isEmpty()) {
        *error = Text::tr("the file name has no suffix to choose an image format by");
        return QByteArray();
    }
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        *error = Text::tr("no image writer for the suffix \"%1\"").arg(QString::fromLatin1(format));
        return QByteArray();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    // Qt's WebP writer takes 100 as lossless.
    if (format == "jpg" || format == "jpeg" || format == "webp")
        writer.setQuality(jpegQuality);
    // Qt 6.4's WebP writer reads a 32-bit picture's rows as if they had no padding, which a
    // decoder's own memory may have.
    const bool padded = image.depth() == 32 && image.bytesPerLine() != image.width() * 4;
    if (!writer.write(format == "webp" && padded ? image.copy() : image)) {
        *error = writer.errorString();
        return QByteArray();
    }
    return bytes;
}

QString systemErrorText(int error)
{
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return Text::tr("no space left on the device");
        case EFBIG:
            return Text::tr("the file is larger than this system allows");
        case ENOTSUP:
            return Text::tr("this file system can neither rename without replacing nor make hard "
                            "links (FAT, exFAT?): choose \"Replace\" or another folder");
        default:
            return qt_error_string(error);
    }
}

namespace {

// The folder's entries on the disk (where its file system can say so), so that a published
// name survives a power cut.
void syncFolder(const QString &folder)
{
    const int fd =
      ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

PublishResult publishFile(const QByteArray &bytes,
                          const QString &path,
                          ExistingFiles existing,
                          const QStringList &reserved,
                          const PublishSeams &seams)
{
    PublishResult result{ path, QString(), false };
    const QFileInfo info(path);
    TemporaryFile file(QFile::encodeName(info.path()), seams.unnamedTemporary, seams.procFds);
    if (file.error() != 0 || !file.write(bytes)) {
        result.error = systemErrorText(file.error());
        return result;
    }
    if (existing == ExistingFiles::Replace) {
        if (seams.beforeName)
            seams.beforeName(path);
        if (const int error = file.replace(QFile::encodeName(info.fileName())))
            result.error = systemErrorText(error);
        else
            syncFolder(info.path());
        return result;
    }
    // A taken name moves on from its own number: "a (2).jpg" is followed by "a (3).jpg".
    static const QRegularExpression numbered(QStringLiteral("^(.*) \\((\\d+)\\)(\\.[^.]*)?$"));
    const QRegularExpressionMatch match = numbered.match(info.fileName());
    const QString base = match.hasMatch() ? match.captured(1) + match.captured(3) : info.fileName();
    int n = match.hasMatch() ? match.captured(2).toInt() : 1;
    for (;;) {
        if (seams.beforeName)
            seams.beforeName(result.path);
        const int error =
          file.linkWithoutReplacing(QFile::encodeName(QFileInfo(result.path).fileName()));
        if (error == 0) {
            syncFolder(info.path());
            return result;
        }
        if (error != EEXIST) {
            result.error = systemErrorText(error);
            return result;
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
