#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "outputsize.h"

// The words that name the main window's fixed choices on the command line and in preset files.
namespace ChoiceNames {

// "original", "640x480", ..., "thumbnails" (not "Custom Size", nor the long edges: a number).
QStringList sizes();
// "original", "jpg", ..., in the order of outputFormats.
QStringList formats();
// "top-left" ... "bottom-right", in the order of Position::all.
QStringList positions();

// A size by name, as WxH or as a long edge N within the custom size's limits; an invalid size for
// "original". *ok is false for anything else.
OutputSize readSize(const QString &text, bool *ok);
// The name of a size (readSize's inverse).
QString sizeName(const OutputSize &size);

} // namespace ChoiceNames
