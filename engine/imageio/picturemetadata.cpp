#include "picturemetadata.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QRegularExpression>
#include <QStringList>

#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>

#include <algorithm>
#include <functional>
#include <mutex>

#include "heifcodec.h"
#include "hiddencharacters.h"
#include "version.h"

// Muted by default: the metadata library's own complaints about odd files are no user's concern.
Q_LOGGING_CATEGORY(lcMetadata, "quorlane.metadata", QtCriticalMsg)

struct PictureMetadata::Data
{
    Exiv2::ExifData exif;
    Exiv2::IptcData iptc;
    Exiv2::XmpData xmp;
};

namespace {

// Tags that describe how the source's pixels are stored, or that carry other blocks (colour
// profile, IPTC, XMP, previews) of the source file: the output is written afresh.
const char *const structuralTags[] = {
    "Exif.Image.NewSubfileType",
    "Exif.Image.ImageWidth",
    "Exif.Image.ImageLength",
    "Exif.Image.BitsPerSample",
    "Exif.Image.Compression",
    "Exif.Image.PhotometricInterpretation",
    "Exif.Image.FillOrder",
    "Exif.Image.StripOffsets",
    "Exif.Image.SamplesPerPixel",
    "Exif.Image.RowsPerStrip",
    "Exif.Image.StripByteCounts",
    "Exif.Image.PlanarConfiguration",
    "Exif.Image.Predictor",
    "Exif.Image.ColorMap",
    "Exif.Image.TileWidth",
    "Exif.Image.TileLength",
    "Exif.Image.TileOffsets",
    "Exif.Image.TileByteCounts",
    "Exif.Image.SubIFDs",
    "Exif.Image.ExtraSamples",
    "Exif.Image.SampleFormat",
    "Exif.Image.JPEGInterchangeFormat",
    "Exif.Image.JPEGInterchangeFormatLength",
    "Exif.Image.TransferFunction",
    "Exif.Image.XMLPacket",
    "Exif.Image.IPTCNAA",
    "Exif.Image.ImageResources",
    "Exif.Image.InterColorProfile",
    "Exif.Image.DNGPrivateData",
    "Exif.Image.PrintImageMatching",
    "Exif.Photo.MakerNote",
};

// EXIF groups an output may keep; everything else (thumbnail, maker notes, sub-images) goes.
const char *const keptExifGroups[] = { "Image", "Photo", "Iop", "GPSInfo" };

const char *const locationKeys[] = {
    "Exif.Image.GPSTag",
    "Xmp.exif.GPS",
    "Iptc.Application2.City",
    "Iptc.Application2.SubLocation",
    "Iptc.Application2.ProvinceState",
    "Iptc.Application2.CountryName",
    "Iptc.Application2.CountryCode",
    "Xmp.photoshop.City",
    "Xmp.photoshop.State",
    "Xmp.photoshop.Country",
    "Xmp.iptc.Location",
    "Xmp.iptc.CountryCode",
    "Xmp.iptcExt.LocationShown",
    "Xmp.iptcExt.LocationCreated",
};

// Who made the picture, who owns it and how to reach them.
const char *const copyrightKeys[] = {
    "Exif.Image.Artist",
    "Exif.Image.Copyright",
    "Iptc.Envelope.CharacterSet",
    "Iptc.Application2.Byline",
    "Iptc.Application2.BylineTitle",
    "Iptc.Application2.Credit",
    "Iptc.Application2.Copyright",
    "Iptc.Application2.Contact",
    "Xmp.dc.creator",
    "Xmp.dc.rights",
    "Xmp.photoshop.Credit",
    "Xmp.photoshop.AuthorsPosition",
    "Xmp.xmpRights.",
    "Xmp.iptc.CreatorContactInfo",
    "Xmp.plus.CopyrightOwner",
    "Xmp.plus.ImageCreator",
    "Xmp.plus.Licensor",
};

// Key prefixes match structured XMP properties too ("Xmp.iptc.Location/...").
template<size_t N>
bool matchesAny(const std::string &key, const char *const (&prefixes)[N])
{
    return std::any_of(std::begin(prefixes), std::end(prefixes), [&](const char *prefix) {
        return key.rfind(prefix, 0) == 0;
    });
}

template<typename Container>
void eraseIf(Container &data, const std::function<bool(const std::string &)> &drop)
{
    for (auto it = data.begin(); it != data.end();) {
        if (drop(it->key()))
            it = data.erase(it);
        else
            ++it;
    }
}

std::string groupOf(const std::string &key)
{
    const size_t first = key.find('.');
    const size_t second = key.find('.', first + 1);
    return key.substr(first + 1, second - first - 1);
}

void keepOnlyPictureExif(Exiv2::ExifData &exif)
{
    Exiv2::ExifThumb(exif).erase();
    eraseIf(exif, [](const std::string &key) {
        const std::string group = groupOf(key);
        const bool keptGroup = std::any_of(std::begin(keptExifGroups),
                                           std::end(keptExifGroups),
                                           [&](const char *g) { return group == g; });
        return !keptGroup || Exiv2::ExifTags::isMakerGroup(group) ||
               std::find(std::begin(structuralTags), std::end(structuralTags), key) !=
                 std::end(structuralTags);
    });
}

void applyChoice(PictureMetadata::Target const &target,
                 Exiv2::ExifData &exif,
                 Exiv2::IptcData &iptc,
                 Exiv2::XmpData &xmp)
{
    keepOnlyPictureExif(exif);
    // Nothing may show the picture without its watermark.
    eraseIf(xmp, [](const std::string &key) { return key.find("Thumbnail") != std::string::npos; });

    if (target.choice == MetadataChoice::AllButLocation) {
        const auto isLocation = [](const std::string &key) {
            return groupOf(key) == "GPSInfo" || matchesAny(key, locationKeys);
        };
        eraseIf(exif, isLocation);
        eraseIf(iptc, isLocation);
        eraseIf(xmp, isLocation);
    } else if (target.choice == MetadataChoice::Copyright) {
        const auto isOther = [](const std::string &key) { return !matchesAny(key, copyrightKeys); };
        eraseIf(exif, isOther);
        eraseIf(iptc, isOther);
        eraseIf(xmp, isOther);
    }

    // The output describes the output: its pixels' orientation and its own size.
    exif["Exif.Image.Orientation"] = uint16_t(target.orientation);
    exif["Exif.Photo.PixelXDimension"] = uint32_t(target.size.width());
    exif["Exif.Photo.PixelYDimension"] = uint32_t(target.size.height());
    exif["Exif.Image.Software"] = std::string("Quorlane ") + appVersion;
    if (!xmp.empty()) {
        xmp["Xmp.tiff.Orientation"] = std::to_string(target.orientation);
        xmp["Xmp.exif.PixelXDimension"] = std::to_string(target.size.width());
        xmp["Xmp.exif.PixelYDimension"] = std::to_string(target.size.height());
    }
}

void setCopyrightNotice(const QString &notice,
                        Exiv2::ExifData &exif,
                        Exiv2::IptcData &iptc,
                        Exiv2::XmpData &xmp)
{
    const std::string text = notice.toStdString();
    exif["Exif.Image.Copyright"] = text;
    xmp["Xmp.dc.rights"] = "lang=\"x-default\" " + text;
    iptc["Iptc.Envelope.CharacterSet"] = "\033%G"; // UTF-8
    // IPTC caps the notice at 128 bytes; a longer one would make the whole block fail. The cut
    // falls before a character, never inside one (UTF-8 continuation bytes are 10xxxxxx).
    size_t length = std::min<size_t>(text.size(), 128);
    while (length < text.size() && length > 0 && (uchar(text[length]) & 0xC0) == 0x80)
        --length;
    iptc["Iptc.Application2.Copyright"] = text.substr(0, length);
}

QString describe(const std::exception &error)
{
    return QString::fromLocal8Bit(error.what()).trimmed();
}

void logFromLibrary(int level, const char *message)
{
    if (level >= Exiv2::LogMsg::error)
        qCWarning(lcMetadata) << message;
    else
        qCInfo(lcMetadata) << message;
}

// The output with exactly these blocks, encoded anew from the bytes Qt wrote. Throws.
QByteArray withMetadata(const QByteArray &encoded,
                        const Exiv2::ExifData &exif,
                        const Exiv2::IptcData &iptc,
                        const Exiv2::XmpData &xmp)
{
    auto image = Exiv2::ImageFactory::open(
      reinterpret_cast<const Exiv2::byte *>(encoded.constData()), long(encoded.size()));
    // Reads the colour profile Qt wrote; without this it would be dropped.
    image->readMetadata();
    image->setExifData(exif);
    image->setIptcData(iptc);
    image->setXmpData(xmp);
    image->writeMetadata();
    // One copy out of the library's memory, not two.
    Exiv2::BasicIo &io = image->io();
    const Exiv2::byte *bytes = io.mmap(false);
    QByteArray written(reinterpret_cast<const char *>(bytes), qsizetype(io.size()));
    io.munmap();
    return written;
}

// A value as text, without the padding cameras leave (spaces, NULs) and without control and
// bidi characters, or empty when missing.
template<typename Data, typename Iterator>
QString textAt(const Data &data, Iterator it)
{
    if (it == data.end())
        return QString();
    return withoutHiddenCharacters(QString::fromStdString(it->toString())).trimmed();
}

QString textOf(const Exiv2::ExifData &data, const char *key)
{
    return textAt(data, data.findKey(Exiv2::ExifKey(key)));
}

QString textOf(const Exiv2::XmpData &data, const char *key)
{
    return textAt(data, data.findKey(Exiv2::XmpKey(key)));
}

QString textOf(const Exiv2::IptcData &data, const char *key)
{
    return textAt(data, data.findKey(Exiv2::IptcKey(key)));
}

// "2019:07:14 10:20:30" (EXIF) or "2019-07-14T10:20:30+02:00" (XMP): the date as recorded.
QString dateOf(const QString &recorded)
{
    static const QRegularExpression date(QStringLiteral("^(\\d{4})[:-](\\d{2})[:-](\\d{2})"));
    const QRegularExpressionMatch match = date.match(recorded);
    if (!match.hasMatch())
        return QString();
    return match.captured(1) + QLatin1Char('-') + match.captured(2) + QLatin1Char('-') +
           match.captured(3);
}

QString firstWord(const QString &text)
{
    return text.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
}

} // namespace

QString PictureMetadata::dateTaken() const
{
    if (!d)
        return QString();
    try {
        for (const QString &recorded : { textOf(d->exif, "Exif.Photo.DateTimeOriginal"),
                                         textOf(d->xmp, "Xmp.exif.DateTimeOriginal"),
                                         textOf(d->xmp, "Xmp.xmp.CreateDate") }) {
            if (!dateOf(recorded).isEmpty())
                return dateOf(recorded);
        }
    } catch (...) {
    }
    return QString();
}

QString PictureMetadata::artist() const
{
    if (!d)
        return QString();
    try {
        const QString exif = textOf(d->exif, "Exif.Image.Artist");
        const QString xmp = exif.isEmpty() ? textOf(d->xmp, "Xmp.dc.creator") : exif;
        return xmp.isEmpty() ? textOf(d->iptc, "Iptc.Application2.Byline") : xmp;
    } catch (...) {
    }
    return QString();
}

QString PictureMetadata::camera() const
{
    if (!d)
        return QString();
    try {
        return cameraName(textOf(d->exif, "Exif.Image.Make"), textOf(d->exif, "Exif.Image.Model"));
    } catch (...) {
    }
    return QString();
}

namespace {

// A rational or number tag as a positive number, or 0.
double numberOf(const Exiv2::ExifData &data, const char *key)
{
    const auto it = data.findKey(Exiv2::ExifKey(key));
    if (it == data.end() || it->count() == 0)
        return 0;
    const Exiv2::Rational ratio = it->toRational(0);
    if (ratio.second == 0 || ratio.first <= 0 || ratio.second < 0)
        return 0;
    return double(ratio.first) / ratio.second;
}

// What cameras write for a lens they cannot name: "n/a", "Unknown", a number, "(...)".
bool namesALens(const QString &name)
{
    static const QRegularExpression unnamed(
      QStringLiteral("^(n/a|unknown.*|[0-9. ]*(mm)?|\\(.*\\))$"),
      QRegularExpression::CaseInsensitiveOption);
    return !unnamed.match(name).hasMatch();
}

// An XMP language alternative's default entry, or its only one.
QString defaultLanguage(const Exiv2::XmpData &data, const char *key)
{
    const auto it = data.findKey(Exiv2::XmpKey(key));
    if (it == data.end())
        return QString();
    if (const auto *alternatives = dynamic_cast<const Exiv2::LangAltValue *>(&it->value())) {
        const auto found = alternatives->value_.find("x-default");
        const std::string text = found != alternatives->value_.end() ? found->second
                                 : alternatives->value_.empty()
                                   ? std::string()
                                   : alternatives->value_.begin()->second;
        return withoutHiddenCharacters(QString::fromStdString(text)).trimmed();
    }
    return textAt(data, it);
}

// IPTC text is UTF-8 only when the envelope says so (ESC % G); Latin-1 otherwise.
QString iptcText(const Exiv2::IptcData &data, const char *key)
{
    const auto it = data.findKey(Exiv2::IptcKey(key));
    if (it == data.end())
        return QString();
    const std::string bytes = it->toString();
    const auto charset = data.findKey(Exiv2::IptcKey("Iptc.Envelope.CharacterSet"));
    const bool utf8 = charset != data.end() && charset->toString() == "\x1b%G";
    const QString text = utf8 ? QString::fromStdString(bytes)
                              : QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    return withoutHiddenCharacters(text).trimmed();
}

} // namespace

QString PictureMetadata::lens() const
{
    if (!d)
        return QString();
    try {
        const QString model = textOf(d->exif, "Exif.Photo.LensModel");
        if (namesALens(model))
            return model;
        // The maker note's lens, as the library prints it from the picture's EXIF data.
        const auto it = Exiv2::lensName(d->exif);
        if (it == d->exif.end())
            return QString();
        const QString printed =
          withoutHiddenCharacters(QString::fromStdString(it->print(&d->exif))).trimmed();
        return namesALens(printed) ? printed : QString();
    } catch (...) {
    }
    return QString();
}

double PictureMetadata::fNumber() const
{
    try {
        return d ? numberOf(d->exif, "Exif.Photo.FNumber") : 0;
    } catch (...) {
    }
    return 0;
}

double PictureMetadata::exposureTime() const
{
    try {
        return d ? numberOf(d->exif, "Exif.Photo.ExposureTime") : 0;
    } catch (...) {
    }
    return 0;
}

double PictureMetadata::focalLength() const
{
    try {
        return d ? numberOf(d->exif, "Exif.Photo.FocalLength") : 0;
    } catch (...) {
    }
    return 0;
}

int PictureMetadata::isoSpeed() const
{
    try {
        const double iso = d ? numberOf(d->exif, "Exif.Photo.ISOSpeedRatings") : 0;
        return iso >= 1 && iso < 1e7 ? int(iso) : 0;
    } catch (...) {
    }
    return 0;
}

QString PictureMetadata::title() const
{
    if (!d)
        return QString();
    try {
        const QString xmp = defaultLanguage(d->xmp, "Xmp.dc.title");
        return xmp.isEmpty() ? iptcText(d->iptc, "Iptc.Application2.ObjectName") : xmp;
    } catch (...) {
    }
    return QString();
}

QString PictureMetadata::caption() const
{
    if (!d)
        return QString();
    try {
        for (const QString &text : { defaultLanguage(d->xmp, "Xmp.dc.description"),
                                     iptcText(d->iptc, "Iptc.Application2.Caption"),
                                     textOf(d->exif, "Exif.Image.ImageDescription") }) {
            if (!text.isEmpty())
                return text;
        }
    } catch (...) {
    }
    return QString();
}

QByteArray PictureMetadata::embeddedThumbnail() const
{
    if (!d)
        return QByteArray();
    try {
        const Exiv2::ExifThumbC thumbnail(d->exif);
        if (std::string(thumbnail.mimeType()) != "image/jpeg")
            return QByteArray();
        const Exiv2::DataBuf bytes = thumbnail.copy();
        return QByteArray(reinterpret_cast<const char *>(bytes.pData_), int(bytes.size_));
    } catch (...) {
    }
    return QByteArray();
}

void PictureMetadata::initialize()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setHandler(logFromLibrary);
        // Exiv2 registers XMP namespaces in a global table: workers take turns through this lock.
        static QMutex xmpLock;
        Exiv2::XmpParser::initialize(
          [](void *mutex, bool lock) {
              if (lock)
                  static_cast<QMutex *>(mutex)->lock();
              else
                  static_cast<QMutex *>(mutex)->unlock();
          },
          &xmpLock);
    });
}

bool PictureMetadata::formatHoldsMetadata(const QByteArray &format)
{
    static const QList<QByteArray> formats = { "jpg", "jpeg", "png", "tif", "tiff", "webp" };
    return formats.contains(format);
}

namespace {

// The blocks libheif hands out, parsed by the metadata library. Throws.
void readHeifBlocks(const MetadataBlocks &blocks, Exiv2::ExifData &exif, Exiv2::XmpData &xmp)
{
    if (!blocks.error.isEmpty())
        throw std::runtime_error(blocks.error.toStdString());
    if (!blocks.exif.isEmpty())
        Exiv2::ExifParser::decode(exif,
                                  reinterpret_cast<const Exiv2::byte *>(blocks.exif.constData()),
                                  uint32_t(blocks.exif.size()));
    if (!blocks.xmp.isEmpty() && Exiv2::XmpParser::decode(xmp, blocks.xmp.toStdString()) != 0)
        throw std::runtime_error("XMP packet not valid");
}

} // namespace

PictureMetadata PictureMetadata::fromBlocks(const MetadataBlocks &blocks)
{
    return parsed([&](Data &data) { readHeifBlocks(blocks, data.exif, data.xmp); });
}

PictureMetadata PictureMetadata::read(const QString &path)
{
    if (HeifCodec::isHeifFile(path))
        return fromBlocks(HeifCodec::readMetadata(path));
    return parsed([&](Data &data) {
        const std::string file = QFile::encodeName(path).toStdString();
        const int type = Exiv2::ImageFactory::getType(file);
        if (type != Exiv2::ImageType::jpeg && type != Exiv2::ImageType::png &&
            type != Exiv2::ImageType::tiff && type != Exiv2::ImageType::webp)
            return; // no metadata of a kind we keep
        auto image = Exiv2::ImageFactory::open(file, false);
        image->readMetadata();
        data.exif = image->exifData();
        data.iptc = image->iptcData();
        data.xmp = image->xmpData();
    });
}

template<typename Parse>
PictureMetadata PictureMetadata::parsed(const Parse &parse)
{
    initialize(); // done by main() already; here for programs that have none (tests, tools)
    PictureMetadata metadata;
    auto data = std::make_shared<Data>();
    try {
        parse(*data);
    } catch (const std::exception &error) {
        metadata.m_readError = describe(error);
        return metadata;
    } catch (...) {
        metadata.m_readError = QCoreApplication::translate("PictureMetadata", "unknown error");
        return metadata;
    }
    metadata.d = std::move(data);
    return metadata;
}

bool PictureMetadata::keptFor(const Target &target, Data &kept, QStringList &dropped) const
{
    if (!m_readError.isEmpty())
        dropped << QCoreApplication::translate("PictureMetadata",
                                               "its metadata could not be read (%1)")
                     .arg(m_readError);
    try {
        // A source without metadata gives an output without: nothing to carry, nothing to describe.
        const bool hasAny = d && !(d->exif.empty() && d->iptc.empty() && d->xmp.empty());
        if (hasAny && target.choice != MetadataChoice::None) {
            kept = *d;
            applyChoice(target, kept.exif, kept.iptc, kept.xmp);
        }
        if (!target.copyrightNotice.isEmpty())
            setCopyrightNotice(target.copyrightNotice, kept.exif, kept.iptc, kept.xmp);
    } catch (const std::exception &error) {
        dropped = QStringList{ QCoreApplication::translate("PictureMetadata",
                                                           "its metadata could not be copied (%1)")
                                 .arg(describe(error)) };
        return false;
    } catch (...) {
        dropped = QStringList{ QCoreApplication::translate("PictureMetadata",
                                                           "its metadata could not be copied") };
        return false;
    }
    return true;
}

MetadataBlocks PictureMetadata::blocksFor(const Target &target) const
{
    Data kept;
    QStringList dropped;
    MetadataBlocks blocks;
    if (keptFor(target, kept, dropped)) {
        // These formats have no place for IPTC: the notice and the creator live on in EXIF and XMP.
        try {
            if (!kept.exif.empty()) {
                Exiv2::Blob tiff;
                Exiv2::ExifParser::encode(tiff, Exiv2::littleEndian, kept.exif);
                blocks.exif =
                  QByteArray(reinterpret_cast<const char *>(tiff.data()), qsizetype(tiff.size()));
            }
        } catch (const std::exception &error) {
            dropped << QCoreApplication::translate("PictureMetadata", "%1 dropped (%2)")
                         .arg(QStringLiteral("EXIF"), describe(error));
        }
        try {
            std::string packet;
            if (!kept.xmp.empty() && Exiv2::XmpParser::encode(packet, kept.xmp) == 0)
                blocks.xmp = QByteArray::fromStdString(packet);
            else if (!kept.xmp.empty())
                dropped << QCoreApplication::translate("PictureMetadata", "%1 dropped")
                             .arg(QStringLiteral("XMP"));
        } catch (const std::exception &error) {
            dropped << QCoreApplication::translate("PictureMetadata", "%1 dropped (%2)")
                         .arg(QStringLiteral("XMP"), describe(error));
        }
    }
    blocks.error = dropped.join(QStringLiteral("; "));
    return blocks;
}

QString PictureMetadata::insertInto(QByteArray &encoded, const Target &target) const
{
    Data kept;
    QStringList dropped;
    if (!keptFor(target, kept, dropped))
        return dropped.join(QStringLiteral("; "));
    Exiv2::ExifData &exif = kept.exif;
    Exiv2::IptcData &iptc = kept.iptc;
    Exiv2::XmpData &xmp = kept.xmp;
    if (exif.empty() && iptc.empty() && xmp.empty())
        return dropped.join(QStringLiteral("; "));

    // What the library refuses is dropped block by block: XMP, then IPTC, then everything.
    const char *const blocks[] = { "XMP", "IPTC", "EXIF" };
    for (const char *block : blocks) {
        try {
            encoded = withMetadata(encoded, exif, iptc, xmp);
            return dropped.join(QStringLiteral("; "));
        } catch (const std::exception &error) {
            dropped << QCoreApplication::translate("PictureMetadata", "%1 dropped (%2)")
                         .arg(QLatin1String(block), describe(error));
        } catch (...) {
            dropped << QCoreApplication::translate("PictureMetadata", "%1 dropped")
                         .arg(QLatin1String(block));
        }
        if (block == blocks[0])
            xmp.clear();
        else if (block == blocks[1])
            iptc.clear();
    }
    return dropped.join(QStringLiteral("; "));
}

QString cameraName(const QString &make, const QString &model)
{
    const QString m = make.trimmed();
    const QString n = model.trimmed();
    if (m.isEmpty() || n.isEmpty())
        return m + n;
    if (firstWord(n).compare(firstWord(m), Qt::CaseInsensitive) == 0)
        return n;
    return m + QLatin1Char(' ') + n;
}
