#pragma once

#include <QStringList>

#include <array>

// Which dropped or chosen paths become rows of the file list.
namespace PictureFolder {

// The suffixes of pictures the program reads, lower case.
inline constexpr std::array<const char *, 12> pictureSuffixes = { "jpeg", "jpg",  "tiff", "tif",
                                                                  "bmp",  "png",  "xpm",  "webp",
                                                                  "heic", "heif", "hif",  "avif" };

// The suffix rule of dropped files: the lower-case path ends in a picture suffix (no dot needed).
bool hasPictureSuffix(const QString &path);

// The pictures of paths in order: a file when it passes the suffix rule, a folder (always walked,
// whatever its name) by the pictures inside it and its subfolders, in the order a file manager
// shows them (subfolders first, then files, each by name with numbers compared as numbers).
// Hidden files and folders inside are skipped; symbolic links to folders are not followed.
QStringList picturesIn(const QStringList &paths);

// The open dialog's patterns of pictureSuffixes ("*.jpeg *.jpg ...").
QString nameFilter();

} // namespace PictureFolder
