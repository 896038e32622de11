#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QMultiMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include <functional>

#include "engine/mark/positions.h"
#include "engine/run/batchrunner.h"
#include "ui/uiservices.h"

class QWidget;

// Points the data and cache folders at a temporary folder, resets the shared settings to their
// defaults and sets the folders up as start-up does. Tests never touch the user's folders.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    QString path() const { return m_dir.path(); }
    QString settingsFile() const;

private:
    QTemporaryDir m_dir;
};

// Stands in for the modal prompts and the desktop: returns prepared answers and records calls.
class FakeUiServices : public UiServices
{
public:
    FakeUiServices();
    ~FakeUiServices() override;

    QStringList getOpenFileNames(QWidget *parent,
                                 const QString &caption,
                                 const QString &dir,
                                 const QString &filter) override;
    QString getExistingDirectory(QWidget *parent,
                                 const QString &caption,
                                 const QString &dir,
                                 QFileDialog::Options options) override;
    int execMessageBox(QMessageBox &box) override;
    void openUrl(const QUrl &url) override;
    QFont getFont(bool *ok, const QFont &initial) override;
    QColor getColor(const QColor &initial) override;
    void backgroundTaskStarts() override;
    void thumbnailTaskStarts() override;

    // Answers.
    QStringList filesToOpen;
    QString directoryToChoose;
    // Picks the button to click in a message box; nullptr closes it like Escape.
    std::function<QAbstractButton *(QMessageBox &)> messageBoxAnswer;
    bool fontAccepted = false;
    QFont fontToChoose;
    QColor colourToChoose;
    std::function<void()> onBackgroundTask; // on the task's own thread
    std::function<void()> onThumbnailTask;  // on the task's own thread

    // Records.
    struct FileDialogCall
    {
        QString caption, dir, filter;
        QFileDialog::Options options;
    };
    QList<FileDialogCall> fileDialogCalls;
    QStringList messageTexts;
    QList<QUrl> openedUrls;
    int fontDialogs = 0;
    int colourDialogs = 0;
};

// Pictures with known pixels.
QImage solidImage(int width,
                  int height,
                  const QColor &colour,
                  QImage::Format format = QImage::Format_RGB32);
QString writeImage(const QString &dir,
                   const QString &name,
                   const QImage &image,
                   const char *format = nullptr,
                   int quality = -1);
// A run of sources into outDir in format (a suffix or "Original"), with the default text, as the
// window would build it.
RunSnapshot testRun(const QStringList &sources,
                    const QString &outDir,
                    const QString &format,
                    int position = Position::Center,
                    const QSize &size = QSize());
// Runs to the end with the given number of workers; the progress values go to *progress.
BatchReport runToEnd(const RunSnapshot &run, int workers = 1, QList<int> *progress = nullptr);
// How encodeJpeg lays a JPEG out.
struct JpegLayout
{
    int h = 2, v = 2; // luma sampling; chroma is 1×1
    bool grey = false, progressive = false, cmyk = false;
    int restart = 0; // MCU rows
};
// A JPEG written by libjpeg itself with the layout asked for, at quality 85.
QByteArray encodeJpeg(const QImage &picture, const JpegLayout &layout = JpegLayout());
// jpeg with an EXIF APP1 segment carrying only the orientation tag, inserted after its SOI.
QByteArray withOrientation(QByteArray jpeg, quint16 orientation);
QByteArray fileBytes(const QString &path);
// Writes bytes as the file at path (its folder made); returns path.
QString writeFile(const QString &path, const QByteArray &bytes);
// Everything of a run that decides its outputs' bytes and names, as text to compare: the
// output folder itself is left out, and a style's font and colour when they are automatic.
QString describe(const RunSnapshot &run);

// Pixels that differ from colour by more than tolerance in any channel.
QRect changedArea(const QImage &image, const QColor &colour, int tolerance = 40);

// A child widget of a window by object name.
template<typename T = QWidget>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// What a screen reader says each focusable control of window is, by object name: its accessible
// name, or for a combo box (whose name on Linux is the item it shows) the label it is labelled by.
QMap<QString, QString> spokenNames(QWidget &window);
// The mnemonic letters of window's labels and buttons, lower case, with their object names.
QMultiMap<QChar, QString> mnemonics(QWidget &window);

// Runs fn on the next modal widget as soon as it appears (polling).
void onNextModal(const std::function<void(QWidget *)> &fn, int timeoutMs = 5000);

// Waits until the preview of a window (the main window or the advanced dialog) has drawn and
// shown everything asked of it.
template<typename Window>
bool previewSettled(Window &window, int timeoutMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (window.isPreviewPending()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(2);
    }
    return true;
}
