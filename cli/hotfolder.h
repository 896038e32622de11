#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

// Tells when files in a folder are complete: closed after writing or moved in (inotify), or, on
// file systems where inotify sees nothing (NFS, SMB/CIFS, FUSE) and whenever asked, unchanged in
// size and time for two polls. With recursive, subfolders are watched as they appear. Hidden
// files and folders are left alone (copying tools write under hidden names, then rename).
class HotFolder : public QObject
{
    Q_OBJECT

public:
    // pollSeconds 0: inotify where the file system allows it.
    HotFolder(const QString &folder, bool recursive, int pollSeconds, QObject *parent = nullptr);
    ~HotFolder() override;

    // Starts watching; empty, or why the folder cannot be watched. Every folder watched is then
    // announced by folderWatched(), the watched folder first: files made in it before that are
    // for the caller to find.
    QString start();
    bool isPolling() const { return m_pollSeconds > 0; }
    int pollSeconds() const { return m_pollSeconds; }
    // Whether folder's file system needs polling: inotify sees nothing of its other clients.
    static bool needsPolling(const QString &folder);

signals:
    void folderWatched(const QString &folder);
    void fileCompleted(const QString &path);
    // The watched folder itself is gone (removed, or its file system unmounted).
    void folderLost();
    // A subfolder that cannot be watched (fs.inotify.max_user_watches reached), and why.
    void folderUnwatched(const QString &folder, const QString &reason);

private:
    void watchFolder(const QString &folder);
    void forget(const QString &folder);
    void readEvents();
    void poll();
    // Whether path, inside the folder, is or lies in something hidden.
    bool inHiddenPlace(const QString &path) const;

    QString m_folder;
    bool m_recursive;
    int m_pollSeconds;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QHash<int, QString> m_watches; // inotify watch → folder
    QTimer m_pollTimer;
    // Polling: each file's size and time at the last poll, how many polls they have held, and
    // whether the file was announced with them.
    struct Seen
    {
        qint64 size = -1;
        QDateTime modified;
        int polls = 0;
        bool announced = false;
    };
    QHash<QString, Seen> m_seen;
};
