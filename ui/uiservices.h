#pragma once

#include <QColor>
#include <QFileDialog>
#include <QFont>
#include <QStringList>

class QDialog;
class QMessageBox;
class QUrl;
class QWidget;

// The modal prompts and desktop calls of the windows, behind one seam so that tests can say
// "the user picked these files" or "the user pressed Abort" without a dialog on screen, and so
// that no test ever starts a browser or a file manager.
class UiServices
{
public:
    virtual ~UiServices();

    virtual QStringList getOpenFileNames(QWidget *parent,
                                         const QString &caption,
                                         const QString &dir,
                                         const QString &filter);
    virtual QString getExistingDirectory(QWidget *parent,
                                         const QString &caption,
                                         const QString &dir,
                                         QFileDialog::Options options);
    // Runs a prepared box modally; the caller reads box.clickedButton() afterwards.
    virtual int execMessageBox(QMessageBox &box);
    // Runs a dialog of our own modally; the caller reads its answers afterwards.
    virtual int execDialog(QDialog &dialog);
    virtual void openUrl(const QUrl &url);
    virtual QFont getFont(bool *ok, const QFont &initial);
    virtual QColor getColor(const QColor &initial);
    // Called on a worker thread as each of the window's background tasks (a folder walk, a
    // plan that reads the pictures) starts; tests hold a task there.
    virtual void backgroundTaskStarts();
    // Called on a worker thread as each thumbnail of the file list starts to be made.
    virtual void thumbnailTaskStarts();

    // The services in use: the real ones unless a test installed others.
    static UiServices &current();
    static void install(UiServices *services); // nullptr restores the real ones
};
