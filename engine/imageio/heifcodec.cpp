#include "heifcodec.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <libheif/heif.h>

#include "heifgrid.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HeifCodec)
};

QString describe(const heif_error &error)
{
    return QString::fromUtf8(error.message).trimmed();
}

struct ContextDeleter
{
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleDeleter
{
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageDeleter
{
    void operator()(heif_image *image) const { heif_image_release(image); }
};
struct EncoderDeleter
{
    void operator()(heif_encoder *encoder) const { heif_encoder_release(encoder); }
};
using Context = std::unique_ptr<heif_context, ContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;
using Image = std::unique_ptr<heif_image, ImageDeleter>;
using Encoder = std::unique_ptr<heif_encoder, EncoderDeleter>;

// Brands of still images and sequences, whatever their coding: libheif says itself what it
// cannot decode, which is a better reason than "unsupported format".
constexpr const char *heifBrands[] = { "heic", "heix", "hevc", "hevx", "heim", "heis", "hevm",
                                       "hevs", "mif1", "mif2", "msf1", "miaf", "avif", "avis",
                                       "avio", "vvic", "vvis", "evbi", "evbs" };

bool isHeifBrand(const char *fourcc)
{
    return std::any_of(std::begin(heifBrands), std::end(heifBrands), [fourcc](const char *brand) {
        return qstrncmp(brand, fourcc, 4) == 0;
    });
}

} // namespace

// The file's primary image, or an error that says why there is none.
struct HeifCodec::File::Opened
{
    QString path;
    Context context;
    Handle handle;
    QString error;
};

namespace {

// The longest side the decoder may take from an item's 'ispe'. It does not bound a grid's
// canvas, which decode() checks itself.
constexpr int maxSide = 1 << 15;

using Opened = HeifCodec::File::Opened;

Opened openFile(const QString &path)
{
    Opened opened;
    opened.path = path;
    opened.context.reset(heif_context_alloc());
    heif_context_set_maximum_image_size_limit(opened.context.get(), maxSide);
    // Grid tiles on the worker's own thread: the run already uses every core.
    heif_context_set_max_decoding_threads(opened.context.get(), 0);
    heif_error error = heif_context_read_from_file(
      opened.context.get(), QFile::encodeName(path).constData(), nullptr);
    if (error.code != heif_error_Ok) {
        opened.error = describe(error);
        return opened;
    }
    heif_image_handle *handle = nullptr;
    error = heif_context_get_primary_image_handle(opened.context.get(), &handle);
    opened.handle.reset(handle);
    if (error.code != heif_error_Ok)
        opened.error = describe(error);
    return opened;
}

// nclx primaries and transfer as a colour space: Qt 6.4 has no PQ or HLG, so HDR pictures are
// shown in standard range with the sRGB curve.
QColorSpace colorSpaceOf(const heif_color_profile_nclx &nclx)
{
    QColorSpace::TransferFunction transfer = QColorSpace::TransferFunction::SRgb;
    float gamma = 0.0f;
    switch (nclx.transfer_characteristics) {
        case heif_transfer_characteristic_linear:
            transfer = QColorSpace::TransferFunction::Linear;
            break;
        case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
            transfer = QColorSpace::TransferFunction::Gamma;
            gamma = 2.2f;
            break;
        case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
            transfer = QColorSpace::TransferFunction::Gamma;
            gamma = 2.8f;
            break;
        default:
            break;
    }
    switch (nclx.color_primaries) {
        case heif_color_primaries_ITU_R_BT_709_5:
        case heif_color_primaries_unspecified:
            return QColorSpace(QColorSpace::Primaries::SRgb, transfer, gamma);
        case heif_color_primaries_SMPTE_EG_432_1:
            return QColorSpace(QColorSpace::Primaries::DciP3D65, transfer, gamma);
        default:
            return QColorSpace(QPointF(nclx.color_primary_white_x, nclx.color_primary_white_y),
                               QPointF(nclx.color_primary_red_x, nclx.color_primary_red_y),
                               QPointF(nclx.color_primary_green_x, nclx.color_primary_green_y),
                               QPointF(nclx.color_primary_blue_x, nclx.color_primary_blue_y),
                               transfer,
                               gamma);
    }
}

// The ICC profile when there is one, else the nclx description, else sRGB.
QColorSpace colorSpaceOf(const heif_image_handle *handle)
{
    if (const size_t size = heif_image_handle_get_raw_color_profile_size(handle)) {
        QByteArray icc(qsizetype(size), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code == heif_error_Ok) {
            const QColorSpace space = QColorSpace::fromIccProfile(icc);
            if (space.isValid())
                return space;
        }
    }
    heif_color_profile_nclx *nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code == heif_error_Ok && nclx) {
        const QColorSpace space = colorSpaceOf(*nclx);
        heif_nclx_color_profile_free(nclx);
        if (space.isValid())
            return space;
    }
    return QColorSpace(QColorSpace::SRgb);
}

QByteArray metadataBlock(const heif_image_handle *handle, const char *type)
{
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle, type, &id, 1) < 1)
        return QByteArray();
    QByteArray block(qsizetype(heif_image_handle_get_metadata_size(handle, id)), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(handle, id, block.data()).code != heif_error_Ok)
        return QByteArray();
    return block;
}

// The XMP packet among the 'mime' items.
QByteArray xmpBlock(const heif_image_handle *handle)
{
    const int count = heif_image_handle_get_number_of_metadata_blocks(handle, "mime");
    if (count <= 0)
        return QByteArray();
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    heif_image_handle_get_list_of_metadata_block_IDs(handle, "mime", ids.data(), count);
    for (const heif_item_id id : ids) {
        if (qstrcmp(heif_image_handle_get_metadata_content_type(handle, id),
                    "application/rdf+xml") != 0)
            continue;
        QByteArray block(qsizetype(heif_image_handle_get_metadata_size(handle, id)),
                         Qt::Uninitialized);
        if (heif_image_handle_get_metadata(handle, id, block.data()).code == heif_error_Ok)
            return block;
    }
    return QByteArray();
}

// JPEG quality 75 (the default) gives AV1 or HEVC quality 60, about as sharp; 100 stays 100.
int codecQuality(int jpegQuality)
{
    return jpegQuality <= 75 ? jpegQuality * 60 / 75 : 60 + (jpegQuality - 75) * 40 / 25;
}

heif_error appendTo(heif_context *, const void *data, size_t size, void *bytes)
{
    static_cast<QByteArray *>(bytes)->append(static_cast<const char *>(data), qsizetype(size));
    return heif_error{ heif_error_Ok, heif_suberror_Unspecified, "" };
}

// The picture as an 8-bit interleaved RGB or RGBA heif_image with its colour profile.
Image heifImageOf(const QImage &picture, QString *error)
{
    const bool alpha = picture.hasAlphaChannel();
    const QImage rows =
      picture.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    heif_image *created = nullptr;
    heif_error failure =
      heif_image_create(rows.width(),
                        rows.height(),
                        heif_colorspace_RGB,
                        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                        &created);
    Image image(created);
    if (failure.code == heif_error_Ok)
        failure = heif_image_add_plane(
          image.get(), heif_channel_interleaved, rows.width(), rows.height(), 8);
    if (failure.code != heif_error_Ok) {
        *error = describe(failure);
        return nullptr;
    }
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image.get(), heif_channel_interleaved, &stride);
    const size_t rowBytes = size_t(rows.width()) * (alpha ? 4 : 3);
    for (int y = 0; y < rows.height(); ++y)
        std::memcpy(plane + qsizetype(y) * stride, rows.constScanLine(y), rowBytes);
    const QColorSpace space = picture.colorSpace();
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb)) {
        const QByteArray icc = space.iccProfile();
        heif_image_set_raw_color_profile(image.get(), "prof", icc.constData(), size_t(icc.size()));
    }
    return image;
}

} // namespace

namespace HeifCodec {

bool isHeifFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(256);
    if (head.size() < 16 || head.mid(4, 4) != "ftyp")
        return false;
    const qsizetype boxSize =
      std::min<qsizetype>(qFromBigEndian<quint32>(head.constData()), head.size());
    if (isHeifBrand(head.constData() + 8))
        return true;
    for (qsizetype at = 16; at + 4 <= boxSize; at += 4) {
        if (isHeifBrand(head.constData() + at))
            return true;
    }
    return false;
}

namespace {

// Decodes handle to 8-bit RGBA, refusing a coded stream larger than declared (its 'ispe').
Decoded decodeChecked(heif_image_handle *handle, const QSize &declared)
{
    Decoded decoded;
    const bool alpha = heif_image_handle_has_alpha_channel(handle);
    std::unique_ptr<heif_decoding_options, decltype(&heif_decoding_options_free)> options(
      heif_decoding_options_alloc(), heif_decoding_options_free);
    options->convert_hdr_to_8bit = 1;
    heif_image *image = nullptr;
    const heif_error error = heif_decode_image(
      handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, options.get());
    if (error.code != heif_error_Ok) {
        heif_image_release(image);
        decoded.error = describe(error);
        return decoded;
    }
    int stride = 0;
    uint8_t *pixels = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image, heif_channel_interleaved);
    const int height = heif_image_get_height(image, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0 || stride < width * 4) {
        heif_image_release(image);
        decoded.error = Text::tr("the decoder gave no picture");
        return decoded;
    }
    // A coded stream larger than the item says is refused: the decoder has sized nothing
    // else by it. Its own crop and rotation only ever make the picture smaller or turn it.
    const QSize fits = declared.expandedTo(declared.transposed());
    if (width > fits.width() || height > fits.height() ||
        qint64(width) * height > qint64(declared.width()) * declared.height()) {
        heif_image_release(image);
        decoded.error = Text::tr("the decoded picture is %1 × %2, but the picture says %3 × %4")
                          .arg(width)
                          .arg(height)
                          .arg(declared.width())
                          .arg(declared.height());
        return decoded;
    }
    // The decoder's pixels are used where they are: a copy would double the memory of a
    // 200-megapixel photo. Opaque pictures are decoded with an alpha of 255.
    decoded.image = QImage(
      pixels,
      width,
      height,
      stride,
      alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888,
      [](void *image) { heif_image_release(static_cast<heif_image *>(image)); },
      image);
    decoded.image.setColorSpace(colorSpaceOf(handle));
    return decoded;
}

} // namespace

bool writes(const QByteArray &format)
{
    return format == "avif" || format == "heic" || format == "heif" || format == "hif";
}

File File::open(const QString &path)
{
    File file;
    file.d = std::make_shared<Opened>(openFile(path));
    return file;
}

QString File::error() const
{
    return d->error;
}

QSize declaredSize(const QString &path)
{
    return File::open(path).declaredSize();
}

Decoded decode(const QString &path, qint64 maxBytes)
{
    return File::open(path).decode(maxBytes);
}

MetadataBlocks readMetadata(const QString &path)
{
    return File::open(path).metadata();
}

QSize File::declaredSize() const
{
    if (!d->handle)
        return QSize();
    return QSize(heif_image_handle_get_width(d->handle.get()),
                 heif_image_handle_get_height(d->handle.get()));
}

Decoded File::decode(qint64 maxBytes) const
{
    Decoded decoded;
    const Opened &opened = *d;
    const QString &path = opened.path;
    if (!opened.handle) {
        decoded.error = opened.error;
        return decoded;
    }
    heif_image_handle *handle = opened.handle.get();
    // The stored size bounds the decoder's allocations; the shown size may be larger than it
    // only by a rotation.
    const qint64 stored =
      qint64(heif_image_handle_get_ispe_width(handle)) * heif_image_handle_get_ispe_height(handle);
    const qint64 shown =
      qint64(heif_image_handle_get_width(handle)) * heif_image_handle_get_height(handle);
    if (std::max(stored, shown) * 4 > maxBytes) {
        decoded.error = Text::tr("the picture is too large (%1 × %2)")
                          .arg(heif_image_handle_get_width(handle))
                          .arg(heif_image_handle_get_height(handle));
        return decoded;
    }
    // A grid's canvas takes the size its own header declares, whatever 'ispe' says. (libheif
    // gives the 'ispe' of a picture it turned itself as turned.)
    const QSize declared(heif_image_handle_get_ispe_width(handle),
                         heif_image_handle_get_ispe_height(handle));
    QFile file(path);
    const HeifGrid::Header grid =
      file.open(QIODevice::ReadOnly) ? HeifGrid::primaryGrid(file) : HeifGrid::Header();
    if (grid.kind == HeifGrid::Header::Kind::Unreadable) {
        decoded.error = Text::tr("the picture's grid of tiles cannot be read");
        return decoded;
    }
    if (grid.kind == HeifGrid::Header::Kind::Grid && grid.size != declared &&
        grid.size != declared.transposed()) {
        decoded.error = Text::tr("its grid of tiles is %1 × %2, but the picture says %3 × %4")
                          .arg(grid.size.width())
                          .arg(grid.size.height())
                          .arg(declared.width())
                          .arg(declared.height());
        return decoded;
    }
    return decodeChecked(handle, declared);
}

QImage File::thumbnail(qint64 maxBytes) const
{
    heif_image_handle *primary = d->handle.get();
    heif_item_id id = 0;
    if (!primary || heif_image_handle_get_list_of_thumbnail_IDs(primary, &id, 1) != 1)
        return QImage();
    heif_image_handle *handle = nullptr;
    const heif_error error = heif_image_handle_get_thumbnail(primary, id, &handle);
    const Handle thumbnail(handle);
    if (error.code != heif_error_Ok)
        return QImage();
    const QSize declared(heif_image_handle_get_ispe_width(handle),
                         heif_image_handle_get_ispe_height(handle));
    if (declared.isEmpty() || qint64(declared.width()) * declared.height() * 4 > maxBytes)
        return QImage();
    return decodeChecked(handle, declared).image;
}

MetadataBlocks File::metadata() const
{
    MetadataBlocks metadata;
    const Opened &opened = *d;
    if (!opened.handle) {
        metadata.error = opened.error;
        return metadata;
    }
    // The EXIF item starts with the offset of the TIFF header from the end of those 4 bytes.
    const QByteArray exif = metadataBlock(opened.handle.get(), "Exif");
    if (exif.size() > 4) {
        const quint32 offset = qFromBigEndian<quint32>(exif.constData());
        if (offset < quint32(exif.size() - 4))
            metadata.exif = exif.mid(4 + qsizetype(offset));
    }
    metadata.xmp = xmpBlock(opened.handle.get());
    return metadata;
}

Encoded encode(const QImage &picture,
               const QByteArray &format,
               int quality,
               const MetadataBlocks &metadata)
{
    Encoded result;
    const bool av1 = format == "avif";
    const heif_compression_format compression = av1 ? heif_compression_AV1 : heif_compression_HEVC;
    Context context(heif_context_alloc());
    heif_encoder *created = nullptr;
    heif_error failure = heif_context_get_encoder_for_format(context.get(), compression, &created);
    Encoder encoder(created);
    if (failure.code != heif_error_Ok) {
        result.error = Text::tr("no %1 encoder (%2)")
                         .arg(QLatin1String(av1 ? "AV1" : "HEVC"), describe(failure));
        return result;
    }
    heif_encoder_set_lossy_quality(encoder.get(), codecQuality(quality));
    heif_encoder_set_parameter_string(encoder.get(), "chroma", "420");
    // Speeds for a batch tool: a whole folder, not one picture, is what the user waits for.
    if (av1)
        heif_encoder_set_parameter_integer(encoder.get(), "speed", 8);
    else
        heif_encoder_set_parameter_string(encoder.get(), "preset", "ultrafast");

    const Image image = heifImageOf(picture, &result.error);
    if (!image)
        return result;
    // Without a profile the file says sRGB outright: libheif's default is "unspecified".
    std::unique_ptr<heif_color_profile_nclx, decltype(&heif_nclx_color_profile_free)> nclx(
      heif_nclx_color_profile_alloc(), heif_nclx_color_profile_free);
    nclx->color_primaries = heif_color_primaries_ITU_R_BT_709_5;
    nclx->transfer_characteristics = heif_transfer_characteristic_IEC_61966_2_1;
    nclx->matrix_coefficients = heif_matrix_coefficients_ITU_R_BT_601_6;
    nclx->full_range_flag = 1;
    std::unique_ptr<heif_encoding_options, decltype(&heif_encoding_options_free)> options(
      heif_encoding_options_alloc(), heif_encoding_options_free);
    options->output_nclx_profile = nclx.get();
    options->save_two_colr_boxes_when_ICC_and_nclx_available = 1;
    options->save_alpha_channel = picture.hasAlphaChannel();

    heif_image_handle *encoded = nullptr;
    failure =
      heif_context_encode_image(context.get(), image.get(), encoder.get(), options.get(), &encoded);
    const Handle handle(encoded);
    if (failure.code != heif_error_Ok) {
        result.error = describe(failure);
        return result;
    }
    QStringList dropped;
    if (!metadata.exif.isEmpty()) {
        failure = heif_context_add_exif_metadata(
          context.get(), handle.get(), metadata.exif.constData(), int(metadata.exif.size()));
        if (failure.code != heif_error_Ok)
            dropped << Text::tr("EXIF dropped (%1)").arg(describe(failure));
    }
    if (!metadata.xmp.isEmpty()) {
        failure = heif_context_add_XMP_metadata(
          context.get(), handle.get(), metadata.xmp.constData(), int(metadata.xmp.size()));
        if (failure.code != heif_error_Ok)
            dropped << Text::tr("XMP dropped (%1)").arg(describe(failure));
    }
    result.metadataError = dropped.join(QStringLiteral("; "));

    heif_writer writer{ 1, appendTo };
    failure = heif_context_write(context.get(), &writer, &result.bytes);
    if (failure.code != heif_error_Ok) {
        result.error = describe(failure);
        result.bytes.clear();
        return result;
    }
    return result;
}

} // namespace HeifCodec
