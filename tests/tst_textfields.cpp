#include <QtTest>
#include <QtWidgets>

#include "engine/imageio/picturemetadata.h"
#include "engine/mark/positions.h"
#include "engine/mark/textfields.h"
#include "engine/preview/previewcache.h"
#include "engine/preview/previewrenderer.h"
#include "testsupport.h"
#include "ui/dialog.h"

class TestTextFields : public QObject
{
    Q_OBJECT

private slots:
    void filled_data();
    void filled();
    void cameraName_data();
    void cameraName();
    void previewDrawsTheFilledText_data();
    void previewDrawsTheFilledText();
    void insertFieldMenu();
};

void TestTextFields::filled_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("sign");
    QTest::addColumn<bool>("known"); // the picture has a date, artist and camera
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("needsMetadata");
    QTest::newRow("all fields") << "{filename} {date} {year} {artist} {camera} {width}x{height}"
                                << false << true
                                << "IMG_0042.jpg 2019-07-14 2019 Anna Berg NIKON D750 6000x4000"
                                << true;
    QTest::newRow("sign before the filled text")
      << "{artist} {year}" << true << true << "© Anna Berg 2019" << true;
    QTest::newRow("missing fields are empty")
      << "{artist}|{date}|{year}|{camera}" << false << false << "|||" << true;
    QTest::newRow("line left blank is dropped") << "{artist}\nShot {filename}\n  {camera} \n"
                                                << true << false << "© Shot IMG_0042.jpg\n"
                                                << true;
    QTest::newRow("typed blank line stays") << "a\n\nb" << false << false << "a\n\nb" << false;
    QTest::newRow("literal braces")
      << "{{date}} }}{{ {{x}}" << false << true << "{date} }{ {x}" << true;
    QTest::newRow("unknown words stay")
      << "{Date} {foo} {} {date" << false << true << "{Date} {foo} {} {date" << false;
    QTest::newRow("lone braces") << "a } b { c" << false << true << "a } b { c" << false;
    QTest::newRow("only local fields")
      << "{filename}\n{width}" << false << false << "IMG_0042.jpg\n6000" << false;
    QTest::newRow("empty text") << "" << true << true << "© " << false;
}

void TestTextFields::filled()
{
    QFETCH(QString, typed);
    QFETCH(bool, sign);
    QFETCH(bool, known);
    QFETCH(QString, expected);
    QFETCH(bool, needsMetadata);
    FieldValues values;
    values.fileName = "IMG_0042.jpg";
    values.size = QSize(6000, 4000);
    if (known) {
        values.date = "2019-07-14";
        values.artist = "Anna Berg";
        values.camera = "NIKON D750";
    }
    const WatermarkText text(typed, sign);
    QCOMPARE(text.filled(values), expected);
    QCOMPARE(text.needsMetadata(), needsMetadata);
}

void TestTextFields::cameraName_data()
{
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nikon") << "NIKON CORPORATION"
                           << "NIKON D750"
                           << "NIKON D750";
    QTest::newRow("canon") << "Canon"
                           << "Canon EOS 400D DIGITAL"
                           << "Canon EOS 400D DIGITAL";
    QTest::newRow("case ignored") << "SAMSUNG"
                                  << "Samsung Galaxy"
                                  << "Samsung Galaxy";
    QTest::newRow("different") << "samsung"
                               << "SM-J327T1"
                               << "samsung SM-J327T1";
    QTest::newRow("padding") << "  Apple  "
                             << " iPhone 5 "
                             << "Apple iPhone 5";
    QTest::newRow("make only") << "Apple"
                               << ""
                               << "Apple";
    QTest::newRow("model only") << ""
                                << "X100V"
                                << "X100V";
}

void TestTextFields::cameraName()
{
    QFETCH(QString, make);
    QFETCH(QString, model);
    QFETCH(QString, expected);
    QCOMPARE(::cameraName(make, model), expected);
}

void TestTextFields::previewDrawsTheFilledText_data()
{
    QTest::addColumn<bool>("isSample");
    QTest::addColumn<QString>("expected");
    QTest::newRow("picture") << false << "shot.png 300x200";
    QTest::newRow("sample") << true << "sample.jpg 300x200\nYour Name 2024-06-01";
}

void TestTextFields::previewDrawsTheFilledText()
{
    QFETCH(bool, isSample);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    PreviewRequest request;
    request.path = writeImage(dir.path(), "shot.png", solidImage(300, 200, Qt::darkGray));
    request.isSample = isSample;
    request.position = Position::Center;
    request.viewSize = QSize(300, 200);
    request.text = WatermarkText("{filename} {width}x{height}\n{artist} {date}", true);
    PreviewCache cache;
    const PreviewResult withFields = renderPreview(request, cache);
    request.text = WatermarkText(expected, true);
    const PreviewResult typed = renderPreview(request, cache);
    QVERIFY(withFields.ok);
    QCOMPARE(withFields.shown, typed.shown);
    QCOMPARE(withFields.drawn.font, typed.drawn.font);
}

void TestTextFields::insertFieldMenu()
{
    TestEnvironment env;
    FakeUiServices fake;
    Dialog dialog;
    QVERIFY(previewSettled(dialog));
    auto *box = child<QPlainTextEdit>(&dialog, "markTextBox");
    box->setPlainText("© by ");
    box->moveCursor(QTextCursor::End);
    QMenu *menu = dialog.createTextMenu();
    QMenu *fields = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == "Insert Field")
            fields = action->menu();
    }
    QVERIFY(fields);
    QCOMPARE(fields->actions().size(), 15);
    QCOMPARE(fields->actions().at(10)->text(), QString("{exposure}\t50 mm f/2.8 1/250 s ISO 100"));
    QCOMPARE(fields->actions().at(1)->text(), QString("{date}\t2024-06-01"));
    fields->actions().at(3)->trigger();
    QCOMPARE(box->toPlainText(), QString("© by {artist}"));
    delete menu;
    // The settings file keeps the text as typed.
    dialog.close();
    QFile saved(env.settingsFile());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("WatermarkText=\"© by {artist}\""));
}

QTEST_MAIN(TestTextFields)
#include "tst_textfields.moc"
