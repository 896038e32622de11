#include "uiservices.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFontDialog>
#include <QMessageBox>
#include <QUrl>

namespace {
UiServices *installed = nullptr;
}

UiServices::~UiServices() = default;

QStringList UiServices::getOpenFileNames(QWidget *parent,
                                         const QString &caption,
                                         const QString &dir,
                                         const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

QString UiServices::getExistingDirectory(QWidget *parent,
                                         const QString &caption,
                                         const QString &dir,
                                         QFileDialog::Options options)
{
    return QFileDialog::getExistingDirectory(parent, caption, dir, options);
}

int UiServices::execMessageBox(QMessageBox &box)
{
    return box.exec();
}

int UiServices::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

void UiServices::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url); // a missing handler is not worth a message
}

QFont UiServices::getFont(bool *ok, const QFont &initial)
{
    return QFontDialog::getFont(ok, initial, nullptr);
}

QColor UiServices::getColor(const QColor &initial)
{
    return QColorDialog::getColor(initial, nullptr);
}

void UiServices::backgroundTaskStarts() {}

void UiServices::thumbnailTaskStarts() {}

UiServices &UiServices::current()
{
    static UiServices real;
    return installed ? *installed : real;
}

void UiServices::install(UiServices *services)
{
    installed = services;
}
