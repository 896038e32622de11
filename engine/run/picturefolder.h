#pragma once

#include <QStringList>

#include <array>

// Which dropped or chosen paths become rows of the file list.
namespace PictureFolder {

// The suffixes of pictures the program reads, lower case, and their MIME types.
struct PictureType
{
    const char *suffix;
    const char *mimeType;
};
inline constexpr std::array<PictureType, 12> pictureTypes = { {
  { "jpeg", "image/jpeg" },
  { "jpg", "image/jpeg" },
  { "tiff", "image/tiff" },
  { "tif", "image/tiff" },
  { "bmp", "image/bmp" },
  { "png", "image/png" },
  { "xpm", "image/x-xpixmap" },
  { "webp", "image/webp" },
  { "heic", "image/heic" },
  { "heif", "image/heif" },
  { "hif", "image/heif" },
  { "avif", "image/avif" },
} };

// The suffix rule of dropped files: the lower-case path ends in a picture suffix (no dot needed).
bool hasPictureSuffix(const QString &path);

// The pictures of paths in order: a file when it passes the suffix rule, a folder (always walked,
// whatever its name) by the pictures inside it and its subfolders, in the order a file manager
// shows them (subfolders first, then files, each by name with numbers compared as numbers).
// Hidden files and folders inside are skipped; symbolic links to folders are not followed.
QStringList picturesIn(const QStringList &paths);

// The open dialog's patterns of the suffixes ("*.jpeg *.jpg ...").
QString nameFilter();
// The MIME types of the suffixes, each once, in the table's order: the desktop entry's list.
QStringList mimeTypes();

} // namespace PictureFolder
