#pragma once

#include <QImage>
#include <QString>

// Reads every picture the program shows or writes, so the same rules hold everywhere: EXIF
// orientation applied, a raised allocation limit for large photos, and palette, monochrome and
// grayscale pictures converted to 32-bit colour so that a coloured watermark can be painted.
namespace PictureReader {

inline constexpr int allocationLimitMB = 1024;

struct Result
{
    QImage image; // null when the picture could not be read
    QString error;
    bool ok() const { return !image.isNull(); }
};

Result read(const QString &path);

// The size a picture's header declares, upright; invalid when it is unknown or refused.
QSize declaredSize(const QString &path);
// Reads path stretched to exactly size (the preview samples).
Result readScaled(const QString &path, const QSize &size);

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
    PictureReader::Result read(const QString &path);

private:
    QImage m_storage;
};
