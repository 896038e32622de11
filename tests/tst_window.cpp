#include <QtTest>
#include <QtWidgets>

#include "settings/configfile.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/dialog.h"
#include "ui/picturerowdelegate.h"
#include "ui/thumbnailloader.h"

namespace {

const QSize formSize(677, 441);

// The window's own controls: its direct children, the grid's buttons inside their group.
QList<QWidget *> controls(QWidget &window)
{
    return window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
}

QMap<QString, QRect> geometries(QWidget &window)
{
    QMap<QString, QRect> placed;
    for (QWidget *control : controls(window))
        placed.insert(control->objectName(), control->geometry());
    return placed;
}

bool isSeparator(QWidget *widget)
{
    auto *frame = qobject_cast<QFrame *>(widget);
    return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

bool resizedTo(Dialog &dialog, const QSize &size)
{
    dialog.resize(size);
    return QTest::qWaitFor([&] {
        return dialog.size() == size &&
               child(&dialog, "progressBar")->width() == 641 + size.width() - formSize.width();
    });
}

// The picture the preview shows now.
QSize shownSize(Dialog &dialog)
{
    const QList<QGraphicsItem *> items =
      child<QGraphicsView>(&dialog, "graphicsView")->scene()->items();
    return items.size() == 1 ? items.first()->boundingRect().size().toSize() : QSize();
}

struct DelegateProbe : PictureRowDelegate
{
    using PictureRowDelegate::PictureRowDelegate;
    QString shownText(const QStyleOptionViewItem &base, const QModelIndex &index) const
    {
        QStyleOptionViewItem option = base;
        initStyleOption(&option, index);
        return option.text;
    }
};

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void growth_data();
    void growth();
    void sizeIsRemembered();
    void elidedPaths_data();
    void elidedPaths();
    void rowsShowTheFileNameAndTellThePath();
    void labelCountsThePictures();
    void thumbnailsNeverHoldTheWindow();
    void runShowsItsCountAndEndsOnTheFirstPicture();
    void keyboardAndScreenReaders();
    void picturesFromOutside_data();
    void picturesFromOutside();
    void helpNeedsNoDisplay();
};

void TestWindow::growth_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("one pixel more") << formSize + QSize(1, 1);
    QTest::newRow("1400 × 950") << QSize(1400, 950);
}

void TestWindow::growth()
{
    QFETCH(QSize, size);
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(previewSettled(dialog));
    QCOMPARE(dialog.size(), formSize);
    const QMap<QString, QRect> form = geometries(dialog);
    QCOMPARE(form.value("graphicsView"), QRect(282, 143, 261, 204));
    const QSize sample = shownSize(dialog);

    QSignalSpy refreshed(&dialog, &Dialog::previewRefreshed);
    QVERIFY(resizedTo(dialog, size));
    const QSize extra = size - formSize;
    const int listGrowth = extra.width() / 3;
    const int previewGrowth = extra.width() - listGrowth;
    QCOMPARE(child(&dialog, "listWidget")->size(), QSize(171 + listGrowth, 191 + extra.height()));
    QCOMPARE(child(&dialog, "graphicsView")->geometry(),
             QRect(282 + listGrowth, 143, 261 + previewGrowth, 204 + extra.height()));
    QCOMPARE(child(&dialog, "markTextBox")->width(), 251 + previewGrowth);
    QCOMPARE(child(&dialog, "groupBox_2")->geometry(),
             form.value("groupBox_2").translated(extra.width(), 0));
    QCOMPARE(child(&dialog, "Run")->y(), 370 + extra.height());

    const QRect inside(QPoint(0, 0), size);
    const QList<QWidget *> all = controls(dialog);
    for (qsizetype i = 0; i < all.size(); ++i) {
        QWidget *a = all.at(i);
        if (a->isHidden() || isSeparator(a))
            continue; // the separator lines run to the window's edges on purpose
        if (QRect(QPoint(0, 0), formSize).contains(form.value(a->objectName())))
            QVERIFY2(inside.contains(a->geometry()), qPrintable(a->objectName()));
        for (QWidget *b : all.mid(i + 1)) {
            if (b->isHidden() || isSeparator(b) ||
                form.value(a->objectName()).intersects(form.value(b->objectName())))
                continue;
            QVERIFY2(!a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + " over " + b->objectName()));
        }
    }

    // The preview is drawn again for the size on screen.
    QVERIFY(refreshed.wait(5000));
    const QSize view = previewSize + QSize(previewGrowth, extra.height());
    QCOMPARE(shownSize(dialog), sample.scaled(view, Qt::KeepAspectRatio));

    // Back at the form's size, everything is where the form put it.
    QVERIFY(resizedTo(dialog, formSize));
    QCOMPARE(geometries(dialog), form);
    QVERIFY(refreshed.wait(5000));
    QCOMPARE(shownSize(dialog), sample);
    QCOMPARE(child<QGraphicsView>(&dialog, "graphicsView")->sceneRect().size().toSize(), sample);
}

void TestWindow::sizeIsRemembered()
{
    TestEnvironment env;
    FakeUiServices fake;
    {
        Dialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(resizedTo(dialog, QSize(900, 640)));
        dialog.close();
    }
    {
        Dialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_COMPARE(dialog.size(), QSize(900, 640));
        QCOMPARE(child(&dialog, "listWidget")->width(), 171 + (900 - 677) / 3);
        dialog.close();
    }
    // A missing file, or one without the key, opens the window at the form's size.
    QVERIFY(QFile::remove(QSettings(QSettings::NativeFormat,
                                    QSettings::UserScope,
                                    QStringLiteral("quorlane"),
                                    QStringLiteral("quorlane"))
                            .fileName()));
    Dialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), formSize);
}

void TestWindow::elidedPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("room"); // elided to the width of this text
    QTest::addColumn<int>("less");     // minus this many pixels
    QTest::addColumn<QString>("shown");
    const QString path = "/home/anna/Pictures/2026/wedding/in/landscape_01.jpg";
    QTest::newRow("fits") << path << path << 0 << path;
    QTest::newRow("one folder kept")
      << path << "…/in/landscape_01.jpg" << 0 << "…/in/landscape_01.jpg";
    QTest::newRow("two folders kept")
      << path << "…/wedding/in/landscape_01.jpg" << 0 << "…/wedding/in/landscape_01.jpg";
    QTest::newRow("a pixel short of one folder")
      << path << "…/in/landscape_01.jpg" << 1 << "…/landscape_01.jpg";
    QTest::newRow("the name alone") << path << "…/landscape_01.jpg" << 0 << "…/landscape_01.jpg";
    QTest::newRow("a file in the root") << "/landscape_01.jpg"
                                        << "/landscape_01.jpg" << 0 << "/landscape_01.jpg";
}

void TestWindow::elidedPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, room);
    QFETCH(int, less);
    QFETCH(QString, shown);
    const QFontMetrics metrics(QFont("Arial", 9));
    QCOMPARE(elidedPath(path, metrics, metrics.horizontalAdvance(room) - less), shown);
    // Narrower than "…/name": the name itself, elided in its middle, never wider than the room.
    const QString name = elidedPath(path, metrics, metrics.horizontalAdvance("landscape") - less);
    QVERIFY2(name.startsWith("la") && name.endsWith("pg") && name.contains("…"), qPrintable(name));
    QVERIFY(metrics.horizontalAdvance(name) <= metrics.horizontalAdvance("landscape"));
}

void TestWindow::rowsShowTheFileNameAndTellThePath()
{
    TestEnvironment env;
    FakeUiServices fake;
    const QString deep = env.path() + "/Pictures/2026/wedding/in/landscape_01.jpg";
    const QString shallow = writeImage(
      env.path() + "/" + QString(60, QLatin1Char('x')), "a.png", solidImage(8, 8, Qt::red));
    writeImage(QFileInfo(deep).path(), "landscape_01.jpg", solidImage(8, 8, Qt::blue));
    Dialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.openPictures({ deep, shallow });
    auto *list = child<QListWidget>(&dialog, "listWidget");
    QCOMPARE(list->item(0)->text(), deep); // the run reads the full path

    // The same delegate on the window's list, at the list's own width.
    ThumbnailLoader thumbnails(24);
    DelegateProbe probe(&thumbnails);
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.widget = list;
    option.decorationSize = list->iconSize();
    option.rect = list->visualItemRect(list->item(0));
    QCOMPARE(option.rect.width(), list->viewport()->width());
    QCOMPARE(probe.shownText(option, list->model()->index(0, 0)), "…/in/landscape_01.jpg");
    QCOMPARE(probe.shownText(option, list->model()->index(1, 0)),
             "…/" + QFileInfo(shallow).fileName());
    QCOMPARE(list->horizontalScrollBar()->maximum(), 0); // nothing to scroll to

    QHelpEvent tip(
      QEvent::ToolTip, option.rect.center(), list->viewport()->mapToGlobal(option.rect.center()));
    QApplication::sendEvent(list->viewport(), &tip);
    QTRY_COMPARE(QToolTip::text(), deep);
    QToolTip::hideText();
}

void TestWindow::labelCountsThePictures()
{
    TestEnvironment env;
    FakeUiServices fake;
    QStringList pictures;
    for (int i = 0; i < 12; ++i)
        pictures << writeImage(
          env.path(), QStringLiteral("p%1.png").arg(i), solidImage(4, 4, Qt::red));
    Dialog dialog;
    auto *label = child<QLabel>(&dialog, "label_3");
    QCOMPARE(label->text(), "&Files selected for Watermarking");
    fake.filesToOpen = pictures;
    child<QPushButton>(&dialog, "AddFileBtn")->click();
    QCOMPARE(label->text(), "&Files selected for Watermarking (12)");
    auto *list = child<QListWidget>(&dialog, "listWidget");
    list->clearSelection();
    list->item(3)->setSelected(true);
    child<QPushButton>(&dialog, "RemoveFileBtn")->click();
    QCOMPARE(label->text(), "&Files selected for Watermarking (11)");
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&dialog, &change);
    QCOMPARE(label->text(), "&Files selected for Watermarking (11)");
    list->clear();
    QCOMPARE(label->text(), "&Files selected for Watermarking");
    QVERIFY(previewSettled(dialog));
}

void TestWindow::thumbnailsNeverHoldTheWindow()
{
    TestEnvironment env;
    FakeUiServices fake;
    QSemaphore started, gate;
    fake.onThumbnailTask = [&] {
        started.release();
        gate.acquire();
    };
    const QString picture = writeImage(env.path(), "red.jpg", solidImage(400, 300, Qt::red));
    Dialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.openPictures({ picture });
    auto *list = child<QListWidget>(&dialog, "listWidget");
    QVERIFY(started.tryAcquire(1, 10000)); // painting the row asked for its thumbnail
    // While the thumbnail is held, the window goes on: its preview is drawn and shown.
    QVERIFY(previewSettled(dialog));
    const QRect row = list->visualItemRect(list->item(0));
    const QPoint icon(row.left() + 14, row.center().y());
    // Red, whatever the selection's tint: the thumbnail; the highlight alone is blue.
    const auto showsRed = [&] {
        const QColor c = list->viewport()->grab().toImage().pixelColor(icon);
        return c.red() > 2 * c.green() && c.red() > 2 * c.blue();
    };
    list->viewport()->repaint();
    QVERIFY(!showsRed());
    gate.release(100);
    QTRY_VERIFY(showsRed());
}

void TestWindow::runShowsItsCountAndEndsOnTheFirstPicture()
{
    TestEnvironment env;
    FakeUiServices fake;
    const QString first = writeImage(env.path() + "/in", "a.png", solidImage(60, 40, Qt::white));
    const QString second = writeImage(env.path() + "/in", "b.png", solidImage(40, 60, Qt::black));
    WatermarkSettings::instance().outputDirPath = env.path() + "/out";
    Dialog dialog;
    fake.filesToOpen = { first, second };
    child<QPushButton>(&dialog, "AddFileBtn")->click();
    QVERIFY(previewSettled(dialog));
    auto *list = child<QListWidget>(&dialog, "listWidget");
    list->setCurrentRow(1);
    QMetaObject::invokeMethod(
      &dialog, "on_listWidget_clicked", Q_ARG(QModelIndex, list->currentIndex()));
    QVERIFY(previewSettled(dialog));
    QCOMPARE(shownSize(dialog), QSize(40, 60).scaled(previewSize, Qt::KeepAspectRatio));

    auto *bar = child<QProgressBar>(&dialog, "progressBar");
    QStringList texts;
    connect(&dialog, &Dialog::newProgress, bar, [&] { texts << bar->text(); });
    QSignalSpy finished(&dialog, &Dialog::runFinished);
    child<QPushButton>(&dialog, "Run")->click();
    QCOMPARE(bar->text(), "0 of 2 — 1%");
    QVERIFY(finished.wait(20000));
    QCOMPARE(texts, QStringList({ "1%", "1 of 2 — 50%", "2 of 2 — 100%" }));
    QCOMPARE(bar->text(), "100%");
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>({ list->item(0) }));
    QVERIFY(previewSettled(dialog));
    QCOMPARE(shownSize(dialog), QSize(60, 40).scaled(previewSize, Qt::KeepAspectRatio));
}

void TestWindow::keyboardAndScreenReaders()
{
    TestEnvironment env;
    FakeUiServices fake;
    QStringList pictures;
    for (int i = 0; i < 3; ++i)
        pictures << writeImage(
          env.path(), QStringLiteral("p%1.png").arg(i), solidImage(8, 8, Qt::red));
    RunOptions options = ConfigFile::load();
    options.output.nameTemplate = "{date}-{name}"; // read from the pictures: planned on a task
    QVERIFY(ConfigFile::save(options));
    WatermarkSettings::instance().outputDirPath = env.path() + "/out";
    Dialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.openPictures(pictures.mid(0, 2));
    QVERIFY(previewSettled(dialog));

    const QMap<QString, QString> names = spokenNames(dialog);
    QCOMPARE(names.value("AddFileBtn"), "Add pictures");
    QCOMPARE(names.value("RemoveFileBtn"), "Remove pictures");
    QCOMPARE(names.value("AddFolderBtn"), "Add a folder");
    QCOMPARE(names.value("radioButton"), "Position: top left");
    QCOMPARE(names.value("radioButton_8"), "Position: bottom right");
    QCOMPARE(names.value("comboBox"), "Output dimension");
    QCOMPARE(names.value("markTextBox"), "Watermark text");
    QVERIFY(!names.values().contains(QString()));
    QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
    const QMultiMap<QChar, QString> letters = mnemonics(dialog);
    QCOMPARE(QSet<QChar>(letters.keyBegin(), letters.keyEnd()).size(), letters.size());
    QCOMPARE(letters.size(), 4);

    // Tab follows the form's reading order: one stop for the position grid, whose arrows move
    // inside it, and one for the window itself, as its form wants.
    child(&dialog, "presetCombo")->setFocus();
    QStringList order;
    for (int i = 0; i < 40 && !order.contains(QApplication::focusWidget()->objectName()); ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order,
             QStringList({ "presetCombo",
                           "AdvancedSettings",
                           "Help",
                           "AddFileBtn",
                           "RemoveFileBtn",
                           "AddFolderBtn",
                           "listWidget",
                           "comboBox",
                           "comboFormats",
                           "markTextBox",
                           "useCopyright",
                           "graphicsView",
                           "radioButton",
                           "OptionsBtn",
                           "ChooseOutDir",
                           "Run",
                           "Dialog" }));

    // Delete removes the selected rows, Ctrl+O adds files; neither while a run is under way.
    auto *list = child<QListWidget>(&dialog, "listWidget");
    QSemaphore started, gate;
    fake.onBackgroundTask = [&] {
        started.release();
        gate.acquire();
    };
    QSignalSpy finished(&dialog, &Dialog::runFinished);
    child<QPushButton>(&dialog, "Run")->click();
    QVERIFY(started.tryAcquire(1, 10000));
    fake.filesToOpen = { pictures.at(2) };
    QTest::keyClick(list, Qt::Key_Delete);
    QTest::keyClick(&dialog, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(list->count(), 2);
    QVERIFY(fake.fileDialogCalls.isEmpty());
    gate.release();
    QVERIFY(finished.wait(20000));

    list->setFocus();
    list->clearSelection();
    list->item(1)->setSelected(true);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), pictures.at(0));
    QTest::keyClick(&dialog, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(fake.fileDialogCalls.size(), 1);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), pictures.at(2));
    QVERIFY(previewSettled(dialog));
}

void TestWindow::picturesFromOutside_data()
{
    QTest::addColumn<QStringList>("given"); // names under the test's folder
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("a picture") << QStringList{ "a.jpg" } << QStringList{ "a.jpg" };
    QTest::newRow("a folder, walked in file-manager order")
      << QStringList{ "shoot" } << QStringList{ "shoot/IMG_2.png", "shoot/IMG_10.png" };
    QTest::newRow("a file no drop takes") << QStringList{ "notes.txt" } << QStringList{};
    QTest::newRow("all three") << QStringList{ "notes.txt", "a.jpg", "shoot" }
                               << QStringList{ "a.jpg", "shoot/IMG_2.png", "shoot/IMG_10.png" };
}

void TestWindow::picturesFromOutside()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, listed);
    TestEnvironment env;
    FakeUiServices fake;
    const QString dir = env.path() + "/in";
    writeImage(dir, "a.jpg", solidImage(30, 20, Qt::blue));
    writeFile(dir + "/notes.txt", "not a picture");
    for (const char *name : { "IMG_10.png", "IMG_2.png" })
        writeImage(dir + "/shoot", name, solidImage(20, 30, Qt::red));
    QStringList paths;
    for (const QString &name : given)
        paths << dir + "/" + name;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    dialog.openPictures(paths);
    QTRY_VERIFY(!dialog.isAddingFolders());
    auto *list = child<QListWidget>(&dialog, "listWidget");
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text().mid(dir.size() + 1);
    QCOMPARE(rows, listed);
    QVERIFY(previewSettled(dialog));
    // Row 0 is current and shown, as after a drop.
    if (!listed.isEmpty()) {
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(WatermarkSettings::instance().previewSourcePath, list->item(0)->text());
    }
}

void TestWindow::helpNeedsNoDisplay()
{
    QProcess quorlane;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    quorlane.setProcessEnvironment(environment);
    quorlane.start(QUORLANE_WINDOW, { "--help" });
    QVERIFY(quorlane.waitForFinished(20000));
    QCOMPARE(quorlane.exitCode(), 0);
    const QString help = QString::fromLocal8Bit(quorlane.readAllStandardOutput());
    QVERIFY2(help.startsWith("Usage: quorlane [options] [FILE|FOLDER...]"), qPrintable(help));
    quorlane.start(QUORLANE_WINDOW, { "--version" });
    QVERIFY(quorlane.waitForFinished(20000));
    QCOMPARE(quorlane.readAllStandardOutput(), QByteArray("quorlane 3.6\n"));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
