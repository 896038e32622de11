// How long the window's GUI thread is busy in one go while a user selects pictures and types, and
// how long a run takes to end after Stop. Prints figures; never part of the tests.
// Usage: bench_responsive <corpus folder> <1 GiB tEXt PNG>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

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

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Times every event the GUI thread delivers from its loop, so that a long wait can be named: the
// receiver's class and the event's type.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (m_depth++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --m_depth;
            return handled;
        }
        QElapsedTimer clock;
        clock.start();
        const bool handled = QApplication::notify(receiver, event);
        --m_depth;
        const double ms = clock.nsecsElapsed() / 1e6;
        if (ms > m_longest) {
            m_longest = ms;
            m_longestName = QStringLiteral("%1 to %2")
                              .arg(eventName(event->type()),
                                   QString::fromLatin1(receiver->metaObject()->className()));
        }
        return handled;
    }
    // The longest delivery since the last call, "12.0 ms: MetaCall to PreviewRenderer".
    QString takeLongest()
    {
        const QString longest =
          QStringLiteral("%1 ms %2").arg(m_longest, 0, 'f', 1).arg(m_longestName);
        m_longest = 0;
        return longest;
    }

private:
    static QString eventName(QEvent::Type type)
    {
        const QMetaEnum names = QMetaEnum::fromType<QEvent::Type>();
        const char *name = names.valueToKey(type);
        return name ? QString::fromLatin1(name) : QString::number(type);
    }
    int m_depth = 0;
    double m_longest = 0;
    QString m_longestName;
};

// The longest gap between the ticks of a 1 ms timer: the longest time the thread did not return
// to its event loop, how much of it the thread spent on a core, and the step of the scenario
// during which it ended.
class BusyMeter : public QObject
{
public:
    BusyMeter()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const double gap = m_clock.nsecsElapsed() / 1e6;
            const double cpu = threadCpuMs();
            if (gap > m_longest) {
                m_longest = gap;
                m_longestCpu = cpu - m_cpu;
                m_longestStep = m_step;
            }
            m_clock.restart();
            m_cpu = cpu;
        });
        m_timer.start(1);
        m_clock.start();
        m_cpu = threadCpuMs();
    }
    void setStep(const QString &step) { m_step = step; }
    double longest() const { return m_longest; }
    // "57.0 ms (on a core 3.1 ms) typing on the 12 MP".
    QString longestSlice() const
    {
        return QStringLiteral("%1 ms (on a core %2 ms) %3")
          .arg(m_longest, 0, 'f', 1)
          .arg(m_longestCpu, 0, 'f', 1)
          .arg(m_longestStep);
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longest = 0;
    double m_longestCpu = 0;
    double m_cpu = 0;
    QString m_step;
    QString m_longestStep;
};

// "median 12.3 ms (range 10.1 to 15.0 ms)" of figures.
QString spread(QList<double> figures)
{
    std::sort(figures.begin(), figures.end());
    return QStringLiteral("median %1 ms (range %2 to %3 ms)")
      .arg(figures.at(figures.size() / 2), 0, 'f', 1)
      .arg(figures.first(), 0, 'f', 1)
      .arg(figures.last(), 0, 'f', 1);
}

constexpr int runs = 5;

// Runs the event loop for ms, sleeping while there is nothing to do, as the window's loop does
// (a loop that polls keeps the thread on a core and takes it from the preview's workers).
void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
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
    const QStringList names = { QStringLiteral("48 MP"),
                                QStringLiteral("1 GiB-tEXt PNG"),
                                QStringLiteral("12 MP") };
    QList<double> longest;
    QStringList steps;
    for (int run = 0; run < runs; ++run) {
        BusyMeter meter;
        app.takeLongest();
        for (int row = 0; row < 3; ++row) {
            meter.setStep(QStringLiteral("selecting the ") + names.at(row));
            list->setCurrentRow(row);
            QMetaObject::invokeMethod(
              &dialog, "on_listWidget_clicked", Q_ARG(QModelIndex, list->currentIndex()));
            wait(300);
            meter.setStep(QStringLiteral("typing on the ") + names.at(row));
            text->insertPlainText(QStringLiteral("a"));
            wait(4000); // the debounced refresh and any slow decode
        }
        longest << meter.longest();
        steps
          << QStringLiteral("%1, longest event %2").arg(meter.longestSlice(), app.takeLongest());
    }
    std::printf("longest GUI-thread busy period while selecting 48 MP, 1 GiB-tEXt PNG, 12 MP "
                "and typing, %d runs: %s\n  longest slice of each run:\n    %s\n",
                runs,
                qPrintable(spread(longest)),
                qPrintable(steps.join(QStringLiteral("\n    "))));

    // A folder of 10 000 photos in 100 subfolders (links to one 12 MP photo), added with the
    // folder button; the rows on screen get their thumbnails meanwhile.
    {
        QTemporaryDir tree(QFileInfo(p12.first()).absolutePath() + QStringLiteral("/tree-XXXXXX"));
        for (int d = 0; d < 100; ++d) {
            QDir().mkpath(tree.filePath(QString::number(d)));
            for (int f = 0; f < 100; ++f) {
                const QByteArray link =
                  QFile::encodeName(tree.filePath(QStringLiteral("%1/IMG_%2.jpg").arg(d).arg(f)));
                if (::link(QFile::encodeName(p12.first()).constData(), link.constData()) != 0)
                    QFile::copy(p12.first(), QFile::decodeName(link));
            }
        }
        services.folder = tree.path();
        QList<double> added;
        QList<double> busy;
        int rows = 0;
        for (int run = 0; run < runs; ++run) {
            list->clear();
            BusyMeter meter;
            QElapsedTimer clock;
            clock.start();
            dialog.findChild<QPushButton *>(QStringLiteral("AddFolderBtn"))->click();
            while (dialog.isAddingFolders())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            added << clock.nsecsElapsed() / 1e6;
            wait(500);
            busy << meter.longest();
            rows = list->count();
        }
        std::printf("adding a folder of 10 000 files (%d rows), %d runs: %s; longest GUI-thread "
                    "busy period %s\n",
                    rows,
                    runs,
                    qPrintable(spread(added)),
                    qPrintable(spread(busy)));
    }

    // Stop: from the click to the end of the run, two workers on 12 MP photos.
    services.files = p12;
    QList<double> stops;
    QList<double> perPicture;
    for (int run = 0; run < runs; ++run) {
        list->clear();
        dialog.findChild<QPushButton *>(QStringLiteral("AddFileBtn"))->click();
        QElapsedTimer runClock;
        int pictures = 0;
        bool ended = false;
        const auto progress =
          QObject::connect(&dialog, &Dialog::newProgress, [&](int) { ++pictures; });
        const auto finished =
          QObject::connect(&dialog, &Dialog::runFinished, [&] { ended = true; });
        runClock.start();
        dialog.findChild<QPushButton *>(QStringLiteral("Run"))->click();
        while (pictures < 4)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        // Two workers: each picture took about twice the time between two results.
        perPicture << runClock.nsecsElapsed() / 1e6 * 2 / (pictures - 1);
        QElapsedTimer stopClock;
        stopClock.start();
        dialog.findChild<QPushButton *>(QStringLiteral("StopBtn"))->click();
        while (!ended)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        stops << stopClock.nsecsElapsed() / 1e6;
        QObject::disconnect(progress);
        QObject::disconnect(finished);
    }
    std::printf("Stop to the end of the run (2 workers, 12 MP), %d runs: %s; one picture takes "
                "%s\n",
                runs,
                qPrintable(spread(stops)),
                qPrintable(spread(perPicture)));
    return 0;
}
