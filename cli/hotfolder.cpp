#include "hotfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSocketNotifier>

#include <algorithm>
#include <array>
#include <cerrno>
#include <sys/inotify.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HotFolder)
};

// File systems whose other clients' writes inotify never sees: NFS, SMB, CIFS, SMB2 and FUSE.
constexpr std::array<quint32, 5> remoteFileSystems = { 0x6969,
                                                       0x517b,
                                                       0xff534d42,
                                                       0xfe534d42,
                                                       0x65735546 };
constexpr int defaultPollSeconds = 2;
constexpr int stablePolls = 2;

constexpr uint32_t folderEvents =
  IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE | IN_ONLYDIR;

bool hidden(const QString &name)
{
    return name.startsWith(QLatin1Char('.'));
}

} // namespace

HotFolder::HotFolder(const QString &folder, bool recursive, int pollSeconds, QObject *parent)
  : QObject(parent)
  , m_folder(QDir(folder).absolutePath())
  , m_recursive(recursive)
  , m_pollSeconds(pollSeconds > 0 || !needsPolling(folder) ? pollSeconds : defaultPollSeconds)
{
    connect(&m_pollTimer, &QTimer::timeout, this, &HotFolder::poll);
}

HotFolder::~HotFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool HotFolder::needsPolling(const QString &folder)
{
    struct statfs info = {};
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    const auto type = quint32(info.f_type);
    return std::find(remoteFileSystems.begin(), remoteFileSystems.end(), type) !=
           remoteFileSystems.end();
}

QString HotFolder::start()
{
    if (!QFileInfo(m_folder).isDir())
        return Text::tr("it is not a folder");
    if (isPolling()) {
        poll(); // what is there now is the caller's to find, not news
        for (Seen &seen : m_seen)
            seen.announced = true;
        m_pollTimer.start(m_pollSeconds * 1000);
        emit folderWatched(m_folder);
        if (m_recursive) {
            QDirIterator folders(
              m_folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            while (folders.hasNext()) {
                const QString folder = folders.next();
                if (!inHiddenPlace(folder))
                    emit folderWatched(folder);
            }
        }
        return QString();
    }
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0)
        return qt_error_string(errno);
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HotFolder::readEvents);
    const int root =
      ::inotify_add_watch(m_fd, QFile::encodeName(m_folder).constData(), folderEvents);
    if (root < 0)
        return qt_error_string(errno);
    m_watches.insert(root, m_folder);
    emit folderWatched(m_folder);
    if (m_recursive) {
        for (const QString &sub : QDir(m_folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            watchFolder(m_folder + QLatin1Char('/') + sub);
    }
    return QString();
}

// The watch first, then the folder's subfolders: nothing made meanwhile goes unseen.
void HotFolder::watchFolder(const QString &folder)
{
    if (hidden(QFileInfo(folder).fileName()) || QFileInfo(folder).isSymLink())
        return;
    const int watch =
      ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), folderEvents);
    if (watch < 0) {
        if (errno != ENOENT) // not just gone already: the watch limit, most likely
            emit folderUnwatched(folder, qt_error_string(errno));
        return;
    }
    m_watches.insert(watch, folder);
    emit folderWatched(folder);
    for (const QString &sub : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        watchFolder(folder + QLatin1Char('/') + sub);
}

// A subfolder moved out: its watches would name its files by the old path.
void HotFolder::forget(const QString &folder)
{
    for (auto it = m_watches.begin(); it != m_watches.end();) {
        if (it.value() == folder || it.value().startsWith(folder + QLatin1Char('/'))) {
            ::inotify_rm_watch(m_fd, it.key());
            it = m_watches.erase(it);
        } else {
            ++it;
        }
    }
}

void HotFolder::readEvents()
{
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            return; // EAGAIN: all read
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                // Events were lost: every folder is looked at again.
                for (const QString &folder : std::as_const(m_watches))
                    emit folderWatched(folder);
                continue;
            }
            if (event->mask & IN_IGNORED) {
                // The folder was removed or unmounted: a watched subfolder is simply gone.
                if (m_watches.take(event->wd) == m_folder)
                    emit folderLost();
                continue;
            }
            const QString name = event->len > 0 ? QFile::decodeName(event->name) : QString();
            const QString folder = m_watches.value(event->wd);
            if (name.isEmpty() || folder.isEmpty() || hidden(name))
                continue;
            const QString path = folder + QLatin1Char('/') + name;
            if (event->mask & IN_ISDIR) {
                if (event->mask & IN_MOVED_FROM)
                    forget(path);
                else if (m_recursive && (event->mask & (IN_CREATE | IN_MOVED_TO)))
                    watchFolder(path);
            } else if (event->mask & (IN_CLOSE_WRITE | IN_MOVED_TO)) {
                emit fileCompleted(path);
            }
        }
    }
}

bool HotFolder::inHiddenPlace(const QString &path) const
{
    const QStringList parts = QDir(m_folder).relativeFilePath(path).split(QLatin1Char('/'));
    return std::any_of(parts.begin(), parts.end(), hidden);
}

void HotFolder::poll()
{
    QHash<QString, Seen> now;
    QDirIterator files(m_folder,
                       QDir::Files | QDir::NoDotAndDotDot,
                       m_recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (files.hasNext()) {
        const QString path = files.next();
        if (inHiddenPlace(path))
            continue;
        const QFileInfo info = files.fileInfo(); // one stat
        Seen seen = m_seen.value(path);
        if (seen.size != info.size() || seen.modified != info.lastModified())
            seen = Seen{ info.size(), info.lastModified(), 0, false };
        else
            ++seen.polls;
        now.insert(path, seen);
    }
    m_seen = now;
    for (auto it = m_seen.begin(); it != m_seen.end(); ++it) {
        if (it->polls >= stablePolls && !it->announced) {
            it->announced = true;
            emit fileCompleted(it.key());
        }
    }
}
