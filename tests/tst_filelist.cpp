#include <QtTest>
#include <QtWidgets>

#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/dialog.h"

namespace {

QListWidget *list(Dialog &d)
{
    return d.findChild<QListWidget *>("listWidget");
}
QProgressBar *progress(Dialog &d)
{
    return d.findChild<QProgressBar *>("progressBar");
}

QStringList rows(Dialog &d)
{
    QStringList texts;
    for (int i = 0; i < list(d)->count(); ++i)
        texts << list(d)->item(i)->text();
    return texts;
}

QList<int> selectedRows(Dialog &d)
{
    QList<int> selected;
    for (int i = 0; i < list(d)->count(); ++i) {
        if (list(d)->item(i)->isSelected())
            selected << i;
    }
    return selected;
}

bool drop(Dialog &d, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDropEvent event(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window's handler: the application drops drop events that no real drag
    // manager announced.
    static_cast<QObject &>(d).event(&event);
    return event.isAccepted();
}

QSizeF shownSize(Dialog &d)
{
    return d.findChild<QGraphicsView *>("graphicsView")->scene()->itemsBoundingRect().size();
}

} // namespace

class TestFileList : public QObject
{
    Q_OBJECT

private slots:
    void dropAcceptsImageSuffixesOnly();
    void dropWithNothingAcceptedKeepsTheButtonHidden();
    void addFilesUsesTheOpenDialog();
    void cancelledOpenDialogStillShowsRemove();
    void removeTakesTheSelectedRows();
    void clickNarrowsTheSelection();
    void previewFollowsTheSelection_data();
    void previewFollowsTheSelection();
    void missingFileLeavesThePreviewAsItWas();
    void realFileDialogAddsTheChosenFiles();
};

void TestFileList::dropAcceptsImageSuffixesOnly()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    const QString dir = env.path();
    QDir().mkpath(dir + "/folder");
    QDir().mkpath(dir + "/albumjpg");
    writeImage(dir, "first.png", solidImage(10, 10, Qt::red));
    list(dialog)->addItem(dir + "/first.png");
    progress(dialog)->setValue(80);
    const bool accepted = drop(dialog,
                               { QUrl::fromLocalFile(dir + "/A.JPG"),
                                 QUrl::fromLocalFile(dir + "/anim.gif"),
                                 QUrl::fromLocalFile(dir + "/holidayjpg"),
                                 QUrl::fromLocalFile(dir + "/p.ppm"),
                                 QUrl::fromLocalFile(dir + "/folder"),
                                 QUrl::fromLocalFile(dir + "/albumjpg"),
                                 QUrl(QStringLiteral("https://example.com/web.jpg")),
                                 QUrl::fromLocalFile(dir + "/b.Tiff"),
                                 QUrl::fromLocalFile(dir + "/c.xpm"),
                                 QUrl::fromLocalFile(dir + "/d.jpeg"),
                                 QUrl::fromLocalFile(dir + "/e.bmp"),
                                 QUrl::fromLocalFile(dir + "/f.tif") });
    QVERIFY(!accepted);
    // Dropped folders are walked (both are empty here); the suffix rule is for files only.
    QTRY_VERIFY(!dialog.isAddingFolders());
    QCOMPARE(rows(dialog),
             (QStringList{ dir + "/first.png",
                           dir + "/A.JPG",
                           dir + "/holidayjpg",
                           dir + "/b.Tiff",
                           dir + "/c.xpm",
                           dir + "/d.jpeg",
                           dir + "/e.bmp",
                           dir + "/f.tif" }));
    QCOMPARE(list(dialog)->currentRow(), 0);
    QVERIFY(!dialog.findChild<QWidget *>("RemoveFileBtn")->isHidden());
    QCOMPARE(progress(dialog)->value(), 80);
    QCOMPARE(WatermarkSettings::instance().previewSourcePath, dir + "/first.png");
}

void TestFileList::dropWithNothingAcceptedKeepsTheButtonHidden()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    QSignalSpy refreshed(&dialog, &Dialog::previewRefreshed);
    drop(dialog, { QUrl::fromLocalFile(env.path() + "/x.gif") });
    QVERIFY(previewSettled(dialog));
    QVERIFY(rows(dialog).isEmpty());
    QVERIFY(dialog.findChild<QWidget *>("RemoveFileBtn")->isHidden());
    QCOMPARE(refreshed.count(), 1); // the sample is drawn again
}

void TestFileList::addFilesUsesTheOpenDialog()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    const QString a = writeImage(env.path(), "a.png", solidImage(30, 30, Qt::red));
    fake.filesToOpen = { a, a };
    progress(dialog)->setValue(50);
    dialog.findChild<QPushButton *>("AddFileBtn")->click();
    QCOMPARE(fake.fileDialogCalls.size(), 1);
    QCOMPARE(fake.fileDialogCalls[0].caption, QStringLiteral("Select Files for Watermarking"));
    QCOMPARE(fake.fileDialogCalls[0].dir, QDir::homePath());
    QCOMPARE(fake.fileDialogCalls[0].filter,
             QStringLiteral(
               "Images (*.jpeg *.jpg *.tiff *.tif *.bmp *.png *.xpm *.webp *.heic *.heif *.hif "
               "*.avif)"));
    QCOMPARE(rows(dialog), (QStringList{ a, a }));
    QCOMPARE(selectedRows(dialog), QList<int>{ 0 });
    QCOMPARE(progress(dialog)->value(), 0);
    QCOMPARE(WatermarkSettings::instance().previewSourcePath, a);
}

void TestFileList::cancelledOpenDialogStillShowsRemove()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    QSignalSpy refreshed(&dialog, &Dialog::previewRefreshed);
    dialog.findChild<QPushButton *>("AddFileBtn")->click();
    QVERIFY(previewSettled(dialog));
    QVERIFY(rows(dialog).isEmpty());
    QVERIFY(!dialog.findChild<QWidget *>("RemoveFileBtn")->isHidden());
    QCOMPARE(refreshed.count(), 1);
}

void TestFileList::removeTakesTheSelectedRows()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    fake.filesToOpen = { "/p/1.jpg", "/p/2.jpg", "/p/3.jpg", "/p/4.jpg", "/p/5.jpg" };
    dialog.findChild<QPushButton *>("AddFileBtn")->click();
    list(dialog)->clearSelection();
    list(dialog)->item(1)->setSelected(true);
    list(dialog)->item(3)->setSelected(true);
    progress(dialog)->setValue(70);
    dialog.findChild<QPushButton *>("RemoveFileBtn")->click();
    QCOMPARE(rows(dialog), (QStringList{ "/p/1.jpg", "/p/3.jpg", "/p/5.jpg" }));
    QCOMPARE(list(dialog)->currentRow(), 0);
    QCOMPARE(progress(dialog)->value(), 0);

    // Nothing selected: nothing removed, the bar still reset.
    list(dialog)->clearSelection();
    progress(dialog)->setValue(70);
    dialog.findChild<QPushButton *>("RemoveFileBtn")->click();
    QCOMPARE(progress(dialog)->value(), 0);
    QCOMPARE(rows(dialog).size(), 3);
}

void TestFileList::clickNarrowsTheSelection()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    const QString a = writeImage(env.path(), "a.png", solidImage(30, 30, Qt::red));
    const QString b = writeImage(env.path(), "b.png", solidImage(30, 30, Qt::blue));
    fake.filesToOpen = { a, a, b, a };
    dialog.findChild<QPushButton *>("AddFileBtn")->click();
    list(dialog)->item(2)->setSelected(true);
    list(dialog)->item(3)->setSelected(true);
    QCOMPARE(selectedRows(dialog), (QList<int>{ 0, 2, 3 }));
    progress(dialog)->setValue(30);
    const QRect rect = list(dialog)->visualItemRect(list(dialog)->item(2));
    dialog.show();
    QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(selectedRows(dialog), QList<int>{ 2 });
    QCOMPARE(list(dialog)->currentRow(), 2);
    QCOMPARE(WatermarkSettings::instance().previewSourcePath, b);
    QCOMPARE(progress(dialog)->value(), 30);
}

void TestFileList::previewFollowsTheSelection_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSizeF>("shown");
    QTest::addColumn<int>("fontPixels");
    QTest::newRow("wide 2000x1000") << QSize(2000, 1000) << QSizeF(257, 128) << 125;
    QTest::newRow("small 100x100 is enlarged") << QSize(100, 100) << QSizeF(200, 200) << 6;
    QTest::newRow("tall 300x900") << QSize(300, 900) << QSizeF(66, 200) << 18;
}

void TestFileList::previewFollowsTheSelection()
{
    QFETCH(QSize, picture);
    QFETCH(QSizeF, shown);
    QFETCH(int, fontPixels);
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    fake.filesToOpen = { writeImage(
      env.path(), "p.png", solidImage(picture.width(), picture.height(), Qt::black)) };
    dialog.findChild<QPushButton *>("AddFileBtn")->click();
    QVERIFY(previewSettled(dialog));
    QCOMPARE(shownSize(dialog), shown);
    // Automatic mode on a dark picture: white, opaque in the settings, alpha 127, fitted Arial.
    const WatermarkSettings &s = WatermarkSettings::instance();
    QCOMPARE(s.fontColor, QColor(Qt::white));
    QCOMPARE(s.alpha, 127);
    QCOMPARE(s.watermarkFont.family(), QStringLiteral("Arial"));
    QCOMPARE(s.watermarkFont.pixelSize(), fontPixels);
}

void TestFileList::missingFileLeavesThePreviewAsItWas()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    WatermarkSettings &s = WatermarkSettings::instance();
    auto *scene = dialog.findChild<QGraphicsView *>("graphicsView")->scene();
    const QGraphicsItem *before = scene->items().first();
    s.fontColor = QColor(1, 2, 3);
    s.alpha = 9;
    fake.filesToOpen = { env.path() + "/gone.jpg" };
    dialog.findChild<QPushButton *>("AddFileBtn")->click();
    QCOMPARE(s.previewSourcePath, env.path() + "/gone.jpg");
    QCOMPARE(scene->items().first(), before);
    QCOMPARE(s.fontColor, QColor(1, 2, 3));
    QCOMPARE(s.alpha, 9);
}

void TestFileList::realFileDialogAddsTheChosenFiles()
{
    TestEnvironment env;
    Dialog dialog; // the real prompts: no fake installed
    const QString a = writeImage(env.path() + "/pics", "a.png", solidImage(40, 30, Qt::red));
    const QString c = writeImage(env.path() + "/pics", "c.jpg", solidImage(40, 30, Qt::blue));
    bool typed = false;
    onNextModal([&](QWidget *w) {
        auto *files = qobject_cast<QFileDialog *>(w);
        if (!files)
            return;
        QCOMPARE(files->windowTitle(), QStringLiteral("Select Files for Watermarking"));
        files->setDirectory(env.path() + "/pics");
        auto *name = files->findChild<QLineEdit *>("fileNameEdit");
        QVERIFY(name);
        name->setText(QStringLiteral("\"a.png\" \"c.jpg\""));
        typed = true;
        static_cast<QDialog *>(files)->accept();
    });
    dialog.findChild<QPushButton *>("AddFileBtn")->click();
    QVERIFY(typed);
    QCOMPARE(rows(dialog), (QStringList{ a, c }));
}

QTEST_MAIN(TestFileList)
#include "tst_filelist.moc"
