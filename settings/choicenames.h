#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// The words that name the main window's fixed choices on the command line and in preset files.
namespace ChoiceNames {

// "original", "640x480", ..., "thumbnails" (not "Custom Size").
QStringList sizes();
// "original", "jpg", ..., in the order of outputFormats.
QStringList formats();
// "top-left" ... "bottom-right", in the order of Position::all.
QStringList positions();

// A size by name or as WxH within the custom size's limits; an invalid QSize for "original".
// *ok is false for anything else.
QSize readSize(const QString &text, bool *ok);
// The name of a size (readSize's inverse).
QString sizeName(const QSize &size);

} // namespace ChoiceNames
