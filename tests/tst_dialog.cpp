#include <QtTest>
#include <QtWidgets>

#include "engine/mark/positions.h"
#include "settings/settingsfile.h"
#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/dialog.h"

namespace {

void writeSettings(const QString &path, const QByteArray &element)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + element + "\n");
}

} // namespace

class TestDialog : public QObject
{
    Q_OBJECT

private slots:
    void formWidgets_data();
    void formWidgets();
    void positionButtons_data();
    void positionButtons();
    void defaultsOnFirstStart();
    void editTimerRefreshesOnceAfterStartUp();
    void typingIsDebounced();
    void copyrightRefreshesWithoutTouchingProgress();
    void languageChangeReappliesFormTexts();
    void closeWritesSettingsEscapeDoesNot();
    void savedSettingsAreRestored_data();
    void savedSettingsAreRestored();
    void helpOpensTheBundledPage();
    void dragsAreAccepted();
};

void TestDialog::formWidgets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("pointSize");

    auto row =
      [](const char *name, const char *cls, QRect g, const char *text, const char *tip, int pt) {
          QTest::newRow(name) << QString(name) << QString(cls) << g << QString::fromUtf8(text)
                              << QString::fromUtf8(tip) << pt;
      };
    row("Logo", "QGraphicsView", { 10, 0, 81, 51 }, "", "", 12);
    row("line_2", "QFrame", { 0, 40, 691, 16 }, "", "", 12);
    row("AdvancedSettings",
        "QPushButton",
        { 480, 4, 91, 41 },
        "Advanced\nSettings ",
        "Change Font color, size, transparency manually",
        9);
    row("Help", "QPushButton", { 612, 10, 61, 32 }, "Help", "", 9);
    row("label_3", "QLabel", { 83, 60, 221, 16 }, "Files selected for Watermarking", "", 9);
    row("listWidget",
        "QListWidget",
        { 83, 80, 171, 191 },
        "",
        "Press \"+\" button to add files\nOr Drop files on the window",
        9);
    row("AddFileBtn", "QPushButton", { 22, 90, 51, 51 }, "", "Add files to be watermarked", 12);
    row("RemoveFileBtn", "QPushButton", { 22, 160, 54, 51 }, "", "Remove files from list", 12);
    row("line", "QFrame", { 260, 57, 20, 291 }, "", "", 12);
    row("markTextBox", "QPlainTextEdit", { 281, 60, 251, 71 }, "Name\nComments", "", 9);
    row("useCopyright",
        "QCheckBox",
        { 540, 60, 161, 18 },
        " use © symbol",
        "Copyright symbol appears as watermark on image",
        9);
    row("graphicsView",
        "QGraphicsView",
        { 282, 143, 261, 204 },
        "",
        "Preview of the currently selected picture with watermark.",
        12);
    row("groupBox_2",
        "QGroupBox",
        { 550, 193, 120, 80 },
        "watermark position",
        "Select button to change the position of the watermark in output",
        9);
    row("label", "QLabel", { 10, 290, 101, 16 }, "Output dimension", "", 9);
    row("comboBox", "QComboBox", { 120, 283, 101, 26 }, "Original", "", 8);
    row("label_2", "QLabel", { 10, 320, 101, 16 }, "Output Format", "", 9);
    row("comboFormats", "QComboBox", { 120, 313, 101, 26 }, "Original", "", 8);
    row("ChooseOutDir", "QPushButton", { 6, 351, 111, 31 }, "Output Folder", "", 9);
    row("outPathDisplay", "QLabel", { 118, 352, 541, 21 }, "@output", "", 9);
    row("Run",
        "QPushButton",
        { 170, 370, 311, 51 },
        "Apply Watermark", // drawn over the button's picture, in the user's language
        "Applies watermarks to all the selected files",
        12);
    row("progressBar", "QProgressBar", { 10, 420, 641, 16 }, "", "", 9);
}

void TestDialog::formWidgets()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(int, pointSize);
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    QWidget *w = dialog.findChild<QWidget *>(name);
    QVERIFY(w);
    QVERIFY(w->inherits(qPrintable(className)));
    QCOMPARE(w->parentWidget(), &dialog);
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(w->toolTip(), toolTip);
    QCOMPARE(w->font().pointSize(), pointSize);
    QCOMPARE(w->font().family(), QStringLiteral("Arial"));
    if (text == "@output")
        text = WatermarkSettings::instance().outputDirPath;
    QString actual;
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        actual = b->text();
    else if (auto *l = qobject_cast<QLabel *>(w))
        actual = l->text();
    else if (auto *e = qobject_cast<QPlainTextEdit *>(w))
        actual = e->toPlainText();
    else if (auto *g = qobject_cast<QGroupBox *>(w))
        actual = g->title();
    else if (auto *c = qobject_cast<QComboBox *>(w))
        actual = c->currentText();
    QCOMPARE(actual.remove(QLatin1Char('&')), text); // the mnemonics are the one change
}

void TestDialog::positionButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("code");
    QTest::newRow("top left") << "radioButton" << QRect(20, 20, 16, 18) << "Top Left" << 33;
    QTest::newRow("top centre") << "radioButton_4" << QRect(50, 20, 16, 18) << "Top Center" << 36;
    QTest::newRow("top right") << "radioButton_10" << QRect(80, 20, 16, 18) << "Top Right" << 34;
    QTest::newRow("centre left") << "radioButton_3" << QRect(20, 40, 16, 18) << "Center left"
                                 << 129;
    QTest::newRow("centre") << "radioButton_5" << QRect(50, 40, 20, 20) << "Center" << 132;
    QTest::newRow("centre right") << "radioButton_7" << QRect(80, 40, 16, 18) << "Center Right"
                                  << 130;
    QTest::newRow("bottom left") << "radioButton_2" << QRect(20, 60, 16, 18) << "Bottom Left" << 65;
    QTest::newRow("bottom centre")
      << "radioButton_6" << QRect(50, 58, 20, 20) << "Bottom Center" << 68;
    QTest::newRow("bottom right") << "radioButton_8" << QRect(80, 60, 16, 18) << "Bottom Right"
                                  << 66;
}

void TestDialog::positionButtons()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, toolTip);
    QFETCH(int, code);
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    auto *button = dialog.findChild<QRadioButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("groupBox_2"));
    QCOMPARE(button->geometry(), geometry);
    QCOMPARE(button->toolTip(), toolTip);
    QVERIFY(button->text().isEmpty());

    auto *progress = child<QProgressBar>(&dialog, "progressBar");
    QSignalSpy refreshed(&dialog, &Dialog::previewRefreshed);
    for (int round = 0; round < 2; ++round) { // clicking the checked button again still acts
        progress->setValue(57);
        button->click();
        QVERIFY(previewSettled(dialog));
        QCOMPARE(dialog.watermarkPos(), code);
        QVERIFY(button->isChecked());
        QCOMPARE(progress->value(), 0);
        QCOMPARE(refreshed.count(), round + 1);
    }
    dialog.close();
    WatermarkSettings s;
    s.readSaved(env.settingsFile());
    QCOMPARE(s.savedPosition, code);
}

void TestDialog::defaultsOnFirstStart()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    const WatermarkSettings &s = WatermarkSettings::instance();
    QCOMPARE(child<QPlainTextEdit>(&dialog, "markTextBox")->toPlainText(),
             QStringLiteral("Name\nComments"));
    QVERIFY(child<QCheckBox>(&dialog, "useCopyright")->isChecked());
    QCOMPARE(dialog.watermarkPos(), 132);
    QVERIFY(child<QRadioButton>(&dialog, "radioButton_5")->isChecked());
    auto *sizes = child<QComboBox>(&dialog, "comboBox");
    auto *formats = child<QComboBox>(&dialog, "comboFormats");
    QStringList sizeTexts, formatTexts;
    for (int i = 0; i < sizes->count(); ++i)
        sizeTexts << sizes->itemText(i);
    for (int i = 0; i < formats->count(); ++i)
        formatTexts << formats->itemText(i);
    QCOMPARE(sizeTexts,
             (QStringList{ "Original",
                           "640x480",
                           "320x240",
                           "240x160",
                           "Thumbnails",
                           "Custom Size",
                           "Long edge 2048",
                           "Long edge 1600",
                           "Long edge 1080" }));
    QCOMPARE(
      formatTexts,
      (QStringList{ "Original", "jpg", "png", "tiff", "bmp", "ppm", "xpm", "webp", "avif" }));
    QCOMPARE(sizes->currentIndex(), 0);
    QCOMPARE(formats->currentIndex(), 0);
    QVERIFY(child(&dialog, "RemoveFileBtn")->isHidden());
    QCOMPARE(child<QProgressBar>(&dialog, "progressBar")->value(), 0);
    QCOMPARE(child<QProgressBar>(&dialog, "progressBar")->style()->name(),
             QStringLiteral("fusion"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Quorlane v3.6"));
    QVERIFY(child<QPushButton>(&dialog, "Run")->isDefault());
    QVERIFY(dialog.acceptDrops());
    QVERIFY(dialog.windowFlags() & Qt::WindowMaximizeButtonHint); // the window grows
    QVERIFY(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!dialog.windowIcon().isNull());
    const QList<QPair<QString, QSize>> pictures = { { ":/+.png", { 49, 49 } },
                                                    { ":/-.png", { 49, 49 } },
                                                    { ":/Apply.png", { 306, 53 } },
                                                    { ":/w_logo.png", { 71, 47 } } };
    for (const auto &[path, size] : pictures) {
        const QImage picture(path);
        QCOMPARE(picture.size(), size);
        QVERIFY(picture.hasAlphaChannel());
    }
    // The sample is shown, and the automatic choices are stored in the settings.
    QCOMPARE(s.previewSourcePath, s.cacheDirPath + QStringLiteral("/preview.jpeg"));
    QCOMPARE(QImage(s.previewSourcePath).size(), QSize(257, 200));
    QCOMPARE(s.watermarkFont.pixelSize(), 16);
    QCOMPARE(s.alpha, 127);
    QCOMPARE(s.fontColor.alpha(), 255);
    auto *view = child<QGraphicsView>(&dialog, "graphicsView");
    QCOMPARE(view->scene()->items().size(), 1);
    QCOMPARE(view->scene()->itemsBoundingRect().size(), QSizeF(257, 200));
}

void TestDialog::editTimerRefreshesOnceAfterStartUp()
{
    TestEnvironment env;
    FakeUiServices fake;
    QElapsedTimer clock;
    clock.start();
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    QSignalSpy refreshed(&dialog, &Dialog::previewRefreshed);
    QTRY_COMPARE_WITH_TIMEOUT(refreshed.count(), 1, 5000);
    QVERIFY2(clock.elapsed() >= 1400, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(1700); // and not again: the timer stopped itself
    QCOMPARE(refreshed.count(), 1);
}

void TestDialog::typingIsDebounced()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    QSignalSpy refreshed(&dialog, &Dialog::previewRefreshed);
    QTRY_COMPARE_WITH_TIMEOUT(refreshed.count(), 1, 5000); // the start-up refresh
    auto *edit = child<QPlainTextEdit>(&dialog, "markTextBox");
    QElapsedTimer clock;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClicks(edit, "ab");
        clock.start();
        QTest::qWait(300);
    }
    QCOMPARE(refreshed.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(refreshed.count(), 2, 5000);
    QVERIFY(clock.elapsed() >= 1400);
}

void TestDialog::copyrightRefreshesWithoutTouchingProgress()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    auto *progress = child<QProgressBar>(&dialog, "progressBar");
    progress->setValue(40);
    QSignalSpy refreshed(&dialog, &Dialog::previewRefreshed);
    child<QCheckBox>(&dialog, "useCopyright")->click();
    QVERIFY(previewSettled(dialog));
    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(progress->value(), 40);
}

void TestDialog::languageChangeReappliesFormTexts()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&dialog, &change);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Quorlane"));
    QVERIFY(child<QLabel>(&dialog, "outPathDisplay")->text().isEmpty());
    QCOMPARE(child<QPushButton>(&dialog, "ChooseOutDir")->text(), QStringLiteral("Output Folder"));
}

void TestDialog::closeWritesSettingsEscapeDoesNot()
{
    TestEnvironment env;
    FakeUiServices fake;
    {
        Dialog dialog;
        QVERIFY(previewSettled(dialog));
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!QFile::exists(env.settingsFile()));
    }
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    dialog.show();
    QTimer::singleShot(0, &dialog, &QWidget::close);
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(QFile::exists(env.settingsFile()));
}

void TestDialog::savedSettingsAreRestored_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("copyright");
    QTest::addColumn<bool>("useDefaults");
    QTest::addColumn<QColor>("fontColor");
    QTest::addColumn<int>("alpha");
    QTest::newRow("manual white bold")
      << QByteArray(
           R"(<settings WatermarkText="Summer trip&#10;Lake house" usecopyright="false" WatermarkPos="68" trans="124" usedefault="false" R="255" G="255" B="255" use_adv_intelli_color="false" use_adv_intelli_font="false" fontfamily="Arial" fontsize="12" fontWeight="75" isItalic="false"/>)")
      << "Summer trip\nLake house" << 68 << false << false << QColor(255, 255, 255, 124) << 124;
    QTest::newRow("automatic keeps neither colour nor font")
      << QByteArray(
           R"(<settings WatermarkText="x" usecopyright="true" WatermarkPos="33" trans="40" usedefault="true" R="255" G="0" B="0" use_adv_intelli_color="false" use_adv_intelli_font="false" fontfamily="Serif" fontsize="50" fontWeight="75" isItalic="true"/>)")
      << "x" << 33 << true << true << QColor(Qt::black) << 127;
    QTest::newRow("position not a code keeps centre")
      << QByteArray(R"(<settings WatermarkText="y" usecopyright="true" usedefault="true"/>)") << "y"
      << 132 << true << true << QColor(Qt::black) << 127;
    QTest::newRow("empty file clears the text")
      << QByteArray() << "" << 132 << true << true << QColor(Qt::black) << 127;
}

void TestDialog::savedSettingsAreRestored()
{
    QFETCH(QByteArray, element);
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(bool, copyright);
    QFETCH(bool, useDefaults);
    QFETCH(QColor, fontColor);
    QFETCH(int, alpha);
    TestEnvironment env;
    FakeUiServices fake;
    writeSettings(env.settingsFile(), element);
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    const WatermarkSettings &s = WatermarkSettings::instance();
    QCOMPARE(child<QPlainTextEdit>(&dialog, "markTextBox")->toPlainText(), text);
    QCOMPARE(dialog.watermarkPos(), position);
    QCOMPARE(child<QCheckBox>(&dialog, "useCopyright")->isChecked(), copyright);
    QCOMPARE(s.useDefaults, useDefaults);
    QCOMPARE(s.alpha, alpha);
    if (useDefaults) {
        QCOMPARE(s.watermarkFont.family(), QStringLiteral("Arial"));
        QCOMPARE(s.fontColor.alpha(), 255); // the preview's automatic colour
    } else {
        QCOMPARE(s.fontColor, fontColor);
        QVERIFY(!s.autoColor);
        QVERIFY(!s.autoFontSize);
        QCOMPARE(s.watermarkFont.pointSize(), 12);
        QCOMPARE(s.watermarkFont.weight(), QFont::Bold);
    }
    // Writing again on close reproduces the values read.
    dialog.close();
    WatermarkSettings again;
    again.readSaved(env.settingsFile());
    QCOMPARE(again.savedText, text);
    QCOMPARE(again.savedPosition, position);
    QCOMPARE(again.savedUseDefaults, useDefaults);
}

void TestDialog::helpOpensTheBundledPage()
{
    TestEnvironment env;
    FakeUiServices fake;
    QFile page(QCoreApplication::applicationDirPath() + QStringLiteral("/help.html"));
    const bool made = !page.exists();
    if (made) {
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
    }
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    child<QPushButton>(&dialog, "Help")->click();
    if (made)
        page.remove();
    QCOMPARE(fake.openedUrls.size(), 1);
    QVERIFY(fake.openedUrls.first().isLocalFile());
    QVERIFY(fake.openedUrls.first().toLocalFile().endsWith(QStringLiteral("/help.html")));
}

void TestDialog::dragsAreAccepted()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    QMimeData data;
    data.setText(QStringLiteral("anything"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
}

QTEST_MAIN(TestDialog)
#include "tst_dialog.moc"
