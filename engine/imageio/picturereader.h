#pragma once

#include <QImage>
#include <QString>

#include <optional>

class QImageReader;

namespace HeifCodec {
class File;
}

// Reads every picture the program shows or writes, so the same rules hold everywhere: EXIF
// orientation applied, a raised allocation limit for large photos, and palette, monochrome and
// grayscale pictures converted to 32-bit colour so that a coloured watermark can be painted.
namespace PictureReader {

inline constexpr int allocationLimitMB = 1024;

struct Result
{
    QImage image; // null when the picture could not be read
    QString error;
    QString incomplete; // the decoder's word that part of the picture is missing, or empty
    QSize fullSize;     // the upright picture's own size: the image's, unless decoded smaller
    bool ok() const { return !image.isNull(); }
};

Result read(const QString &path);
// A HEIF-family picture already opened (its metadata read from the same parse).
Result read(const HeifCodec::File &file);

// Why path cannot be a picture to read, or empty: only regular files are opened (a FIFO or a
// device would block), and a missing file, a folder or a link loop each say what they are.
QString fileProblem(const QString &path);
// Whether path is a regular file that this reader takes for a picture (by its content, as a run
// reads it: HEIF-family brands or a format Qt's readers recognise), readable or not.
bool isPicture(const QString &path);
// The size a picture's header declares, upright; invalid when it is unknown or the picture will
// be refused (too large, a hostile layout).
QSize declaredSize(const QString &path);
// Reads path stretched to exactly size (the preview samples).
Result readScaled(const QString &path, const QSize &size);

// A JPEG decoded at an eighth of each side (libjpeg's cheapest scale), upright; any other picture
// is read whole.
Result readEighth(const QString &path);

// A small upright copy of path that fits edge × edge, for a list of pictures: from the
// thumbnail the picture carries where it has one (EXIF, or a HEIF-family thumbnail), from an
// eighth-size decode of a JPEG, or from the whole picture.
Result readThumbnail(const QString &path, int edge);

// Converts formats that QPainter cannot paint in colour; others are returned unchanged.
QImage paintable(QImage image);

} // namespace PictureReader

// Reads pictures one after another into the same memory when their size and format allow,
// which saves the page faults of a fresh full-size allocation for every picture of a batch.
// The image handed out is only valid until the next read() and carries no metadata of an
// earlier picture.
class DecodeBuffer
{
public:
    // A JPEG whose upright size is at least twice minimum on both sides is decoded at the
    // smallest libjpeg scale (1/8, 1/4, 1/2) still at least minimum, without a last column or row
    // that would cover less than a whole pixel's share (so that pixel i covers the same part of
    // the picture whatever its orientation); result.fullSize says the size its marks are laid out
    // for. No minimum: the whole picture.
    PictureReader::Result read(const QString &path, const QSize &minimum = QSize());

private:
    PictureReader::Result readInto(QImageReader &reader, QImage target);
    // Makes the storage a 32-bit picture of size in huge pages, unless it is one already.
    void reserve(const QSize &size);
    std::optional<PictureReader::Result> readJpeg(QImageReader &reader,
                                                  const QString &path,
                                                  const QSize &minimum);

    QImage m_storage;
};
