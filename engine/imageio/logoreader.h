#pragma once

#include <QImage>
#include <QString>

// Reads a logo with its alpha: SVG through the SVG renderer (at a size large enough for any
// picture), other formats through the picture reader. A null image and error when unreadable.
QImage readLogo(const QString &path, QString *error);
