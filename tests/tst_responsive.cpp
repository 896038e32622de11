#include <QtTest>
#include <QtWidgets>

#include "engine/run/picturefolder.h"
#include "settings/configfile.h"
#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/dialog.h"

namespace {

// Calls back as the watched window is asked to close, before its own close handler runs.
class CloseWatcher : public QObject
{
public:
    explicit CloseWatcher(std::function<void()> onClose)
      : m_onClose(std::move(onClose))
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            m_onClose();
        return false;
    }

private:
    std::function<void()> m_onClose;
};

QListWidget *list(Dialog &d)
{
    return child<QListWidget>(&d, "listWidget");
}

QSizeF shownSize(Dialog &d)
{
    return child<QGraphicsView>(&d, "graphicsView")->scene()->itemsBoundingRect().size();
}

void select(Dialog &d, int row)
{
    list(d)->setCurrentRow(row);
    QMetaObject::invokeMethod(
      &d, "on_listWidget_clicked", Q_ARG(QModelIndex, list(d)->currentIndex()));
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

} // namespace

class TestResponsive : public QObject
{
    Q_OBJECT

private slots:
    void supersededRefreshNeverShows();
    void closingDropsAPendingRefresh();
    void stopEndsTheRunAsUsual_data();
    void stopEndsTheRunAsUsual();
    void folderWalk_data();
    void folderWalk();
    void addFolderButtonAddsInOrder();
    void closingWaitsForBackgroundWork_data();
    void closingWaitsForBackgroundWork();
};

void TestResponsive::supersededRefreshNeverShows()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    fake.filesToOpen = { writeImage(env.path(), "big.png", solidImage(6000, 4000, Qt::white)),
                         writeImage(env.path(), "small.png", solidImage(300, 100, Qt::black)) };
    child<QPushButton>(&dialog, "AddFileBtn")->click(); // selects the big one: a slow decode
    QList<QSizeF> shown;                                // every picture the view showed from now on
    connect(&dialog, &Dialog::previewRefreshed, [&] { shown << shownSize(dialog); });
    select(dialog, 1);
    // The path is taken at once; the settings change only when a picture is shown.
    QCOMPARE(WatermarkSettings::instance().previewSourcePath, env.path() + "/small.png");
    QVERIFY(previewSettled(dialog));
    QVERIFY(!shown.isEmpty());
    for (const QSizeF &size : shown)
        QCOMPARE(size, QSizeF(257, 85)); // never the big picture's 257 × 171
    QCOMPARE(WatermarkSettings::instance().fontColor, QColor(Qt::white)); // of the black picture
}

void TestResponsive::closingDropsAPendingRefresh()
{
    TestEnvironment env;
    FakeUiServices fake;
    QColor shown;
    {
        Dialog dialog;
        QVERIFY(previewSettled(dialog));
        shown = WatermarkSettings::instance().fontColor;
        fake.filesToOpen = { writeImage(env.path(), "big.png", solidImage(6000, 4000, Qt::black)) };
        child<QPushButton>(&dialog, "AddFileBtn")->click();
        QVERIFY(dialog.isPreviewPending());
        dialog.close();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isPreviewPending(), 20000); // drawn, and dropped
        QCOMPARE(WatermarkSettings::instance().fontColor, shown);
        WatermarkSettings saved;
        saved.readSaved(env.settingsFile());
        QCOMPARE(saved.savedFontColor.rgb(), shown.rgb());
        // Destroyed with a refresh in flight: nothing may arrive afterwards.
        child<QCheckBox>(&dialog, "useCopyright")->click();
    }
    // The destruction waited for that refresh; what it posted died with the window.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(WatermarkSettings::instance().fontColor, shown);
}

void TestResponsive::stopEndsTheRunAsUsual_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Stop button") << false;
    QTest::newRow("Escape") << true;
}

void TestResponsive::stopEndsTheRunAsUsual()
{
    QFETCH(bool, escape);
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    dialog.show();
    // More pictures than workers on any machine, so that some are never started.
    const int pictures = std::max(12, 2 * QThread::idealThreadCount() + 2);
    for (int i = 0; i < pictures; ++i) {
        fake.filesToOpen << writeImage(
          env.path() + "/in", QStringLiteral("p%1.png").arg(i), solidImage(2500, 2000, Qt::gray));
    }
    child<QPushButton>(&dialog, "AddFileBtn")->click();
    QSignalSpy finished(&dialog, &Dialog::runFinished);
    QSignalSpy progress(&dialog, &Dialog::newProgress);
    auto *stop = child<QPushButton>(&dialog, "StopBtn");
    child<QPushButton>(&dialog, "Run")->click();
    QVERIFY(stop->isVisible());
    QVERIFY(!stop->geometry().intersects(child(&dialog, "Run")->geometry()));
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 2, 60000); // a picture is done
    if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        stop->click();
    QVERIFY(finished.wait(60000));
    QVERIFY(dialog.isVisible());

    const QString out = WatermarkSettings::instance().outputDirPath;
    const QStringList written = QDir(out).entryList(QDir::Files | QDir::Hidden);
    QVERIFY(written.size() < pictures);
    for (const QString &name : written)
        QCOMPARE(QImage(out + "/" + name).size(), QSize(2500, 2000));
    QCOMPARE(fake.messageTexts.size(), 1);
    QVERIFY2(fake.messageTexts.at(0) ==
               QStringLiteral("The run was stopped: %1 of %2 pictures were not started.")
                 .arg(pictures - written.size())
                 .arg(pictures),
             qPrintable(fake.messageTexts.at(0)));
    QCOMPARE(fake.openedUrls.size(), 2);
    QCOMPARE(fake.openedUrls.at(0), QUrl::fromLocalFile(out));
    QCOMPARE(list(dialog)->currentRow(), 0);
    QVERIFY(child(&dialog, "Run")->isEnabled());
    QVERIFY(stop->isHidden());
}

void TestResponsive::folderWalk_data()
{
    QTest::addColumn<QStringList>("files");   // made under the dropped folder "top"
    QTest::addColumn<QStringList>("dropped"); // relative to the test folder
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("numbers as numbers, folders first")
      << QStringList{ "top/IMG_10.jpg", "top/IMG_2.jpg", "top/img_1.PNG",
                      "top/b/x.tif",    "top/a/y.bmp",   "top/notes.txt" }
      << QStringList{ "top" }
      << QStringList{
             "top/a/y.bmp", "top/b/x.tif", "top/img_1.PNG", "top/IMG_2.jpg", "top/IMG_10.jpg"
         };
    QTest::newRow("hidden inside skipped, a chosen hidden folder walked")
      << QStringList{ ".top/p.jpg", ".top/.hidden.jpg", ".top/.cache/q.jpg", ".top/sub/r.jpg" }
      << QStringList{ ".top" } << QStringList{ ".top/sub/r.jpg", ".top/p.jpg" };
    QTest::newRow("folder named like a picture is walked")
      << QStringList{ "album.jpg/one.png", "loose.jpeg", "loose.gif" }
      << QStringList{ "loose.gif", "album.jpg", "loose.jpeg" }
      << QStringList{ "album.jpg/one.png", "loose.jpeg" };
}

void TestResponsive::folderWalk()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    for (const QString &file : files)
        touch(dir.filePath(file));
    // A link to a folder inside is not followed.
    QDir().mkpath(dir.filePath("elsewhere"));
    touch(dir.filePath("elsewhere/linked.jpg"));
    QFile::link(dir.filePath("elsewhere"), dir.filePath(dropped.constLast() + "/link"));
    QStringList paths;
    for (const QString &path : dropped)
        paths << dir.filePath(path);
    QStringList wanted;
    for (const QString &path : expected)
        wanted << dir.filePath(path);
    QCOMPARE(PictureFolder::picturesIn(paths), wanted);
}

void TestResponsive::addFolderButtonAddsInOrder()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    for (int i = 1; i <= 12; ++i)
        writeImage(
          env.path() + "/shoot", QStringLiteral("IMG_%1.png").arg(i), solidImage(20, 20, Qt::red));
    auto *button = child<QPushButton>(&dialog, "AddFolderBtn");
    const QRect remove = child(&dialog, "RemoveFileBtn")->geometry();
    QCOMPARE(button->geometry().left(), remove.left());
    QVERIFY(button->geometry().top() >= remove.bottom());
    fake.directoryToChoose = env.path() + "/shoot";
    child<QProgressBar>(&dialog, "progressBar")->setValue(50);
    button->click();
    QVERIFY(!child(&dialog, "Run")->isEnabled() || !dialog.isAddingFolders());
    QTRY_VERIFY(!dialog.isAddingFolders());
    QCOMPARE(list(dialog)->count(), 12);
    QCOMPARE(list(dialog)->item(1)->text(), env.path() + "/shoot/IMG_2.png");
    QCOMPARE(list(dialog)->item(11)->text(), env.path() + "/shoot/IMG_12.png");
    QCOMPARE(list(dialog)->currentRow(), 0);
    QVERIFY(child(&dialog, "Run")->isEnabled());
    QVERIFY(!child(&dialog, "RemoveFileBtn")->isHidden());
    QCOMPARE(child<QProgressBar>(&dialog, "progressBar")->value(), 0);
    QVERIFY(previewSettled(dialog));
    QCOMPARE(WatermarkSettings::instance().previewSourcePath, env.path() + "/shoot/IMG_1.png");
}

void TestResponsive::closingWaitsForBackgroundWork_data()
{
    QTest::addColumn<bool>("plan"); // a plan that reads the pictures, else a folder walk
    QTest::newRow("a folder walk") << false;
    QTest::newRow("a plan making the output folder") << true;
}

void TestResponsive::closingWaitsForBackgroundWork()
{
    QFETCH(bool, plan);
    TestEnvironment env;
    FakeUiServices fake;
    for (int i = 1; i <= 300; ++i)
        writeImage(
          env.path() + "/shoot", QStringLiteral("IMG_%1.png").arg(i), solidImage(4, 4, Qt::red));
    if (plan) {
        // Names from the pictures' metadata are planned on another thread.
        RunOptions options = ConfigFile::load();
        options.output.nameTemplate = "{date}-{name}";
        QVERIFY(ConfigFile::save(options));
    }
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    WatermarkSettings::instance().outputDirPath = env.path() + "/made-by-the-plan";
    // The task waits at its start until the window is asked to close.
    QSemaphore started, gate;
    fake.onBackgroundTask = [&] {
        started.release();
        gate.acquire();
    };
    CloseWatcher closing([&] { gate.release(); });
    dialog.installEventFilter(&closing);
    fake.directoryToChoose = env.path() + "/shoot";
    if (plan) {
        fake.filesToOpen = PictureFolder::picturesIn({ env.path() + "/shoot" });
        child<QPushButton>(&dialog, "AddFileBtn")->click();
        child<QPushButton>(&dialog, "Run")->click();
    } else {
        child<QPushButton>(&dialog, "AddFolderBtn")->click();
    }
    QVERIFY(started.tryAcquire(1, 10000));
    QVERIFY(dialog.hasBackgroundWork());
    dialog.close();
    QVERIFY(!dialog.hasBackgroundWork()); // done before the window closed
    QCoreApplication::processEvents();
    QVERIFY(dialog.lastRun().sources.isEmpty()); // and its result started nothing
    if (plan)
        QVERIFY(QFileInfo(env.path() + "/made-by-the-plan").isDir());
}

QTEST_MAIN(TestResponsive)
#include "tst_responsive.moc"
