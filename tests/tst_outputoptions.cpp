#include <QtTest>
#include <QtWidgets>

#include "settings/watermarksettings.h"
#include "testsupport.h"
#include "ui/dialog.h"

namespace {

const QString warning = QStringLiteral(
  "WARNING: The output directory already exists.\nYour files WILL be overwritten without "
  "further warning.\nPress OK to continue using the same directory.\nPress Cancel to abort and "
  "change the directory");
const QString anywayText = QStringLiteral("Create Anyway, I know what I'm doing");

QAbstractButton *anyway(QMessageBox &box)
{
    for (QAbstractButton *b : box.buttons()) {
        if (b->text() == anywayText && box.buttonRole(b) == QMessageBox::ActionRole)
            return b;
    }
    return nullptr;
}

QAbstractButton *abort(QMessageBox &box)
{
    return box.button(QMessageBox::Abort);
}

struct SizeAttempt
{
    bool stayedOpen = false;
    QString widthAfter, heightAfter;
};

} // namespace

class TestOutputOptions : public QObject
{
    Q_OBJECT

private slots:
    void folderChoice_data();
    void folderChoice();
    void cancelledFolderDialogChangesNothing();
    void warningBoxHasAbortAsDefault();
    void customSizeValidation_data();
    void customSizeValidation();
    void customSizeDialogForm();
};

void TestOutputOptions::folderChoice_data()
{
    QTest::addColumn<QString>("setup");  // what is in the chosen folder beforehand
    QTest::addColumn<QString>("answer"); // the button pressed in the warning, if shown
    QTest::addColumn<bool>("warned");
    QTest::addColumn<QString>("expected"); // relative to the chosen folder, "-" = unchanged
    QTest::newRow("new subfolder") << ""
                                   << "" << false << "/Qrl_Output#";
    QTest::newRow("existing, abort") << "dir"
                                     << "abort" << true << "-";
    QTest::newRow("existing, escape") << "dir"
                                      << "escape" << true << "-";
    QTest::newRow("existing, create anyway") << "dir"
                                             << "anyway" << true << "/Qrl_Output#";
    QTest::newRow("cannot be made, create anyway") << "file"
                                                   << "anyway" << true << "";
}

void TestOutputOptions::folderChoice()
{
    QFETCH(QString, setup);
    QFETCH(QString, answer);
    QFETCH(bool, warned);
    QFETCH(QString, expected);
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    WatermarkSettings &s = WatermarkSettings::instance();
    const QString before = s.outputDirPath;
    const QString chosen = env.path() + "/pictures";
    QDir().mkpath(chosen);
    if (setup == "dir")
        QDir().mkpath(chosen + "/Qrl_Output#");
    if (setup == "file") { // a regular file where the subfolder should go
        QFile file(chosen + "/Qrl_Output#");
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    fake.directoryToChoose = chosen;
    fake.messageBoxAnswer = [answer](QMessageBox &box) -> QAbstractButton * {
        if (answer == "anyway")
            return anyway(box);
        if (answer == "abort")
            return abort(box);
        return nullptr; // Escape
    };
    dialog.findChild<QPushButton *>("ChooseOutDir")->click();

    QCOMPARE(fake.fileDialogCalls.size(), 1);
    QCOMPARE(fake.fileDialogCalls[0].caption, QStringLiteral("Select Output Directory"));
    QCOMPARE(fake.fileDialogCalls[0].dir, before);
    QCOMPARE(fake.fileDialogCalls[0].options,
             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    QCOMPARE(fake.messageTexts, warned ? QStringList{ warning } : QStringList{});
    const QString now = expected == "-" ? before : chosen + expected;
    QCOMPARE(s.outputDirPath, now);
    QCOMPARE(dialog.findChild<QLabel *>("outPathDisplay")->text(), now);

    // The folder dialog starts in the current folder; choosing it again nests a new one.
    fake.directoryToChoose = s.outputDirPath;
    fake.messageTexts.clear();
    dialog.findChild<QPushButton *>("ChooseOutDir")->click();
    QCOMPARE(fake.fileDialogCalls.last().dir, now);
    if (QFileInfo(now + "/Qrl_Output#").isDir() && fake.messageTexts.isEmpty())
        QCOMPARE(s.outputDirPath, now + "/Qrl_Output#");
}

void TestOutputOptions::cancelledFolderDialogChangesNothing()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    const QString before = WatermarkSettings::instance().outputDirPath;
    dialog.findChild<QPushButton *>("ChooseOutDir")->click();
    QCOMPARE(WatermarkSettings::instance().outputDirPath, before);
    QVERIFY(fake.messageTexts.isEmpty());
}

void TestOutputOptions::warningBoxHasAbortAsDefault()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QDir().mkpath(env.path() + "/p/Qrl_Output#");
    fake.directoryToChoose = env.path() + "/p";
    int buttons = 0;
    QString defaultButton;
    bool titled = true;
    QMessageBox::Icon icon = QMessageBox::Warning;
    const QWidget *parent = &dialog;
    fake.messageBoxAnswer = [&](QMessageBox &box) -> QAbstractButton * {
        buttons = int(box.buttons().size());
        defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
        titled = !box.windowTitle().isEmpty();
        icon = box.icon();
        parent = box.parentWidget();
        return abort(box);
    };
    dialog.findChild<QPushButton *>("ChooseOutDir")->click();
    QCOMPARE(buttons, 2);
    QVERIFY(!defaultButton.isEmpty() && defaultButton != anywayText);
    QVERIFY(!titled);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(parent, nullptr);
}

void TestOutputOptions::customSizeValidation_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("800 by 0") << "800"
                              << "0" << false;
    QTest::newRow("fraction") << "12.5"
                              << "50" << false;
    QTest::newRow("negative") << "-100"
                              << "50" << false;
    QTest::newRow("too large") << "16385"
                               << "50" << false;
    QTest::newRow("letters") << "wide"
                             << "50" << false;
    QTest::newRow("leading space") << " 5"
                                   << "7" << true;
    QTest::newRow("800 by 600") << "800"
                                << "600" << true;
    QTest::newRow("largest") << "16384"
                             << "1" << true;
}

void TestOutputOptions::customSizeValidation()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(bool, accepted);
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    auto *combo = dialog.findChild<QComboBox *>("comboBox");
    SizeAttempt attempt;
    onNextModal([&](QWidget *w) {
        QCOMPARE(w->objectName(), QStringLiteral("CustomSize"));
        auto *widthEdit = w->findChild<QLineEdit *>("width");
        auto *heightEdit = w->findChild<QLineEdit *>("height");
        QVERIFY(widthEdit->text().isEmpty() && heightEdit->text().isEmpty());
        widthEdit->setText(width);
        heightEdit->setText(height);
        w->findChild<QPushButton *>("Ok")->click();
        attempt.stayedOpen = w->isVisible();
        attempt.widthAfter = widthEdit->text();
        attempt.heightAfter = heightEdit->text();
        if (w->isVisible())
            w->findChild<QPushButton *>("Ok_2")->click();
    });
    combo->setCurrentIndex(5);
    const WatermarkSettings &s = WatermarkSettings::instance();
    QCOMPARE(attempt.stayedOpen, !accepted);
    QCOMPARE(attempt.widthAfter, width);
    QCOMPARE(attempt.heightAfter, height);
    if (accepted) {
        QCOMPARE(combo->currentIndex(), 5);
        const QString chosen = QStringLiteral("%1×%2").arg(width.toInt()).arg(height.toInt());
        QCOMPARE(combo->currentText(), chosen); // which custom size
        QCOMPARE(s.customWidth, width.toInt());
        QCOMPARE(s.customHeight, height.toInt());
        QVERIFY(fake.messageTexts.isEmpty());
        // Chosen again, the row asks for another size; a cancel keeps this one.
        bool askedAgain = false;
        onNextModal([&](QWidget *w) {
            askedAgain = true;
            w->findChild<QPushButton *>("Ok_2")->click();
        });
        QCoreApplication::processEvents(); // the choice above is over
        emit combo->activated(5);
        QVERIFY(askedAgain);
        QCOMPARE(combo->currentText(), chosen);
    } else {
        QCOMPARE(combo->currentIndex(), 0); // cancelled: back to "Original"
        QCOMPARE(s.customWidth, 320);
        QCOMPARE(s.customHeight, 240);
        QCOMPARE(fake.messageTexts,
                 QStringList{ "Please enter a valid values for width and height" });
    }
}

void TestOutputOptions::customSizeDialogForm()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    auto *combo = dialog.findChild<QComboBox *>("comboBox");
    QStringList order;
    QString title;
    QSize size;
    onNextModal([&](QWidget *w) {
        title = w->windowTitle();
        size = w->size();
        for (QWidget *c = w->nextInFocusChain(); c != w && order.size() < 8;
             c = c->nextInFocusChain()) {
            if (c->focusPolicy() & Qt::TabFocus)
                order << c->objectName();
        }
        QTest::keyClick(w, Qt::Key_Escape);
    });
    combo->setCurrentIndex(5);
    QCOMPARE(title, QStringLiteral("Custom Size - Quorlane"));
    QCOMPARE(size, QSize(400, 143));
    QCOMPARE(order.mid(0, 2), (QStringList{ "height", "width" }));
    QCOMPARE(combo->currentIndex(), 0);
}

QTEST_MAIN(TestOutputOptions)
#include "tst_outputoptions.moc"
