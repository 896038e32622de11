#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

#include "metadatablocks.h"
#include "metadatachoice.h"

// The EXIF, IPTC and XMP metadata of one source picture, read once before it is drawn, and the
// copy of what the output may keep into the output's encoded bytes. The only class that talks to
// the metadata library; its exceptions never leave it.
class PictureMetadata
{
public:
    // Once in main(), before any thread starts; later calls do nothing.
    static void initialize();

    // Reads the metadata of a JPEG, PNG, TIFF, WebP or HEIF-family file; other files give empty
    // metadata.
    static PictureMetadata read(const QString &path);
    // The metadata of a HEIF-family picture from the blocks its codec read.
    static PictureMetadata fromBlocks(const MetadataBlocks &blocks);
    // Whether format (a lower-case suffix) can carry metadata.
    static bool formatHoldsMetadata(const QByteArray &format);

    // Plain facts of the picture: the date taken (yyyy-MM-dd as recorded, or empty), the artist
    // and the camera's name (see cameraName()).
    QString dateTaken() const;
    QString artist() const;
    QString camera() const;
    // The lens's name, or empty when the picture does not say it.
    QString lens() const;
    // The exposure as recorded: f-number, seconds, millimetres and ISO speed; 0 when missing.
    double fNumber() const;
    double exposureTime() const;
    double focalLength() const;
    int isoSpeed() const;
    // The XMP title or description (its default language), else the IPTC object name or caption
    // (else, for the caption, the EXIF image description).
    QString title() const;
    QString caption() const;
    // The small picture the camera stored in the EXIF block (encoded JPEG), or empty. It is
    // stored as the main picture is: the EXIF orientation applies to it.
    QByteArray embeddedThumbnail() const;

    struct Target
    {
        MetadataChoice choice = MetadataChoice::AllButLocation;
        QString copyrightNotice; // empty: the notice is left as the choice keeps it
        QSize size;              // the written picture's size
        int orientation = 1;     // the written pixels' EXIF orientation
    };
    // Inserts what target keeps into encoded, a picture just written by Qt, keeping its colour
    // profile. What cannot be inserted is dropped, with a reason; encoded always stays a
    // complete picture. Returns the reason, or an empty string when everything went in.
    QString insertInto(QByteArray &encoded, const Target &target) const;
    // What target keeps, encoded as blocks for a HEIF-family output (which has no IPTC); the
    // blocks' error says what was dropped, and why.
    MetadataBlocks blocksFor(const Target &target) const;

private:
    struct Data;
    // Runs parse on fresh data; the metadata library's exceptions become the read error.
    template<typename Parse>
    static PictureMetadata parsed(const Parse &parse);
    // What target keeps of this picture's metadata. False, with only the reason in dropped, when
    // nothing can be kept; dropped also lists what was lost on the way.
    bool keptFor(const Target &target, Data &kept, QStringList &dropped) const;
    std::shared_ptr<const Data> d;
    QString m_readError;
};

// "Make Model" as one name: the model alone when it starts with the make's first word.
QString cameraName(const QString &make, const QString &model);
