// How long the window's GUI thread is busy in one go while a user selects pictures and types, and
// how long a run takes to end after Stop. Prints figures; never part of the tests.
// Usage: bench_responsive <corpus folder> <1 GiB tEXt PNG>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "benchsupport.h"
#include "settings/appfolders.h"
#include "settings/watermarksettings.h"
#include "ui/dialog.h"
#include "ui/uiservices.h"

namespace {

// Answers the file and folder dialogs with the benchmark's pictures and opens nothing.
class Services : public UiServices
{
public:
    QStringList files;
    QString folder;
    QStringList getOpenFileNames(QWidget *,
                                 const QString &,
                                 const QString &,
                                 const QString &) override
    {
        return files;
    }
    QString getExistingDirectory(QWidget *,
                                 const QString &,
                                 const QString &,
                                 QFileDialog::Options) override
    {
        return folder;
    }
    int execMessageBox(QMessageBox &) override { return 0; }
    void openUrl(const QUrl &) override {}
};

// The longest gap between the ticks of a 1 ms timer: the longest time the thread did not return
// to its event loop.
class BusyMeter : public QObject
{
public:
    BusyMeter()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_longest = std::max(m_longest, m_clock.nsecsElapsed() / 1e6);
            m_clock.restart();
        });
        m_timer.start(1);
        m_clock.start();
    }
    double longest() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longest = 0;
};

void wait(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_responsive <corpus> <1 GiB tEXt PNG>\n");
        return 2;
    }
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath("cache")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    QApplication::setApplicationName(QStringLiteral("quorlane"));
    AppFolders::setUp(WatermarkSettings::instance());

    const QString corpus = QString::fromLocal8Bit(argv[1]);
    const QString p48 = makePhotos(corpus, QStringLiteral("p48"), 1, QSize(8000, 6000)).first();
    const QStringList p12 = makePhotos(corpus, QStringLiteral("p12"), 24, QSize(4000, 3000));
    Services services;
    UiServices::install(&services);
    services.files = { p48, QString::fromLocal8Bit(argv[2]), p12.first() };

    Dialog dialog;
    dialog.show();
    wait(2000); // the start-up refresh and its debounce
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listWidget"));
    auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("markTextBox"));
    dialog.findChild<QPushButton *>(QStringLiteral("AddFileBtn"))->click();
    wait(500);
    double longest = 0;
    {
        BusyMeter meter;
        for (int row = 0; row < 3; ++row) {
            list->setCurrentRow(row);
            QMetaObject::invokeMethod(
              &dialog, "on_listWidget_clicked", Q_ARG(QModelIndex, list->currentIndex()));
            wait(300);
            text->insertPlainText(QStringLiteral("a"));
            wait(4000); // the debounced refresh and any slow decode
        }
        longest = meter.longest();
    }
    std::printf("longest GUI-thread busy period while selecting 48 MP, 1 GiB-tEXt PNG, 12 MP "
                "and typing: %.1f ms\n",
                longest);

    // A folder of 10 000 files in 100 subfolders, added with the folder button.
    {
        QTemporaryDir tree;
        for (int d = 0; d < 100; ++d) {
            QDir().mkpath(tree.filePath(QString::number(d)));
            for (int f = 0; f < 100; ++f)
                QFile(tree.filePath(QStringLiteral("%1/IMG_%2.jpg").arg(d).arg(f)))
                  .open(QIODevice::WriteOnly);
        }
        list->clear();
        services.folder = tree.path();
        BusyMeter meter;
        QElapsedTimer clock;
        clock.start();
        dialog.findChild<QPushButton *>(QStringLiteral("AddFolderBtn"))->click();
        while (dialog.isAddingFolders())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const double added = clock.nsecsElapsed() / 1e6;
        wait(500);
        std::printf("adding a folder of 10 000 files: %d rows in %.0f ms, longest GUI-thread busy "
                    "period %.1f ms\n",
                    int(list->count()),
                    added,
                    meter.longest());
    }

    // Stop: from the click to the end of the run, two workers on 12 MP photos.
    list->clear();
    services.files = p12;
    dialog.findChild<QPushButton *>(QStringLiteral("AddFileBtn"))->click();
    QElapsedTimer runClock;
    int pictures = 0;
    QObject::connect(&dialog, &Dialog::newProgress, [&](int) { ++pictures; });
    runClock.start();
    dialog.findChild<QPushButton *>(QStringLiteral("Run"))->click();
    while (pictures < 4)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // Two workers: each picture took about twice the time between two results.
    const double perPicture = runClock.nsecsElapsed() / 1e6 * 2 / (pictures - 1);
    QElapsedTimer stopClock;
    bool ended = false;
    QObject::connect(&dialog, &Dialog::runFinished, [&] { ended = true; });
    stopClock.start();
    dialog.findChild<QPushButton *>(QStringLiteral("StopBtn"))->click();
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::printf("Stop to the end of the run (2 workers, 12 MP): %.0f ms; one picture takes about "
                "%.0f ms\n",
                stopClock.nsecsElapsed() / 1e6,
                perPicture);
    return 0;
}
