#include "scaledjpeg.h"

#include <QColorSpace>
#include <QRegularExpression>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
// After jpeglib.h: the message codes.
#include <jerror.h>

namespace {

// QImage's 32-bit RGB in memory order, the unused byte set to 0xff by libjpeg-turbo.
constexpr J_COLOR_SPACE rgb32 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

[[noreturn]] void errorExit(j_common_ptr info);
void emitMessage(j_common_ptr info, int level);

// libjpeg reports errors by calling error_exit, which must not return: it jumps back to the
// setjmp of the step that is running. Warnings are kept when they lose scan data.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char loss[JMSG_LENGTH_MAX] = {}; // the first warning that lost data, or empty
    bool lossIsEnd = false;          // it says that the data ended
};

void errorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void emitMessage(j_common_ptr info, int level)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    // The end of the data comes first from the memory source, which Qt's reader does not say:
    // the decoder's word that follows it is the one kept, as Qt's reader gives it.
    if (level >= 0 || (errors->loss[0] != '\0' && !errors->lossIsEnd))
        return; // a trace message, or a loss already known
    char text[JMSG_LENGTH_MAX];
    errors->pub.format_message(info, text);
    if (ScaledJpeg::losesScanData(QString::fromLatin1(text))) {
        std::snprintf(errors->loss, sizeof errors->loss, "%s", text);
        errors->lossIsEnd = errors->pub.msg_code == JWRN_JPEG_EOF;
    }
}

// The colour profile as Qt's reader takes it: the data of every ICC_PROFILE marker, in the file's
// order, so that both readers give a picture the same colours.
QByteArray iccProfileOf(const jpeg_decompress_struct &info)
{
    static constexpr char signature[] = "ICC_PROFILE";
    constexpr unsigned int header = sizeof signature + 2; // the signature, its NUL, 2 counts
    QByteArray profile;
    for (jpeg_saved_marker_ptr m = info.marker_list; m != nullptr; m = m->next) {
        if (m->marker == JPEG_APP0 + 2 && m->data_length > header &&
            std::memcmp(m->data, signature, sizeof signature) == 0)
            profile.append(reinterpret_cast<const char *>(m->data) + header,
                           qsizetype(m->data_length - header));
    }
    return profile;
}

// One decode in steps, each guarded by its own setjmp: no C++ object lives between a setjmp and
// a jump to it.
class Decoder
{
public:
    explicit Decoder(const QByteArray &bytes)
    {
        info.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = errorExit;
        errors.pub.emit_message = emitMessage;
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info,
                     reinterpret_cast<const unsigned char *>(bytes.constData()),
                     static_cast<unsigned long>(bytes.size()));
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    // Reads the header and sets the scale; false for an error or a picture left to Qt.
    bool start(int eighths, qint64 limitBytes)
    {
        if (setjmp(errors.jump))
            return false;
        jpeg_save_markers(&info, JPEG_APP0 + 2, 0xffff); // the colour profile
        if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
            return false;
        const J_COLOR_SPACE space = info.jpeg_color_space;
        if (space != JCS_YCbCr && space != JCS_RGB && space != JCS_GRAYSCALE)
            return false;
        // The whole picture's size is what the usual reader refuses by, and libjpeg's own
        // buffers (a progressive picture's coefficients) follow it.
        if (qint64(info.image_width) * info.image_height * 4 > limitBytes)
            return false;
        m_profile = iccProfileOf(info); // the markers are gone once the pixels are read
        info.scale_num = static_cast<unsigned int>(eighths);
        info.scale_denom = 8;
        info.out_color_space = rgb32;
        jpeg_calc_output_dimensions(&info);
        return true;
    }

    QSize outputSize() const { return QSize(int(info.output_width), int(info.output_height)); }

    QByteArray profile() const { return m_profile; }

    // The resolution the file declares, in dots per metre (as Qt's reader computes it); empty
    // when it declares none.
    QSize dotsPerMeter() const
    {
        if (info.density_unit == 1)
            return QSize(int(100. * info.X_density / 2.54), int(100. * info.Y_density / 2.54));
        if (info.density_unit == 2)
            return QSize(int(100. * info.X_density), int(100. * info.Y_density));
        return QSize();
    }

    bool readInto(QImage &image)
    {
        std::vector<JSAMPROW> rows(size_t(image.height()));
        for (int y = 0; y < image.height(); ++y)
            rows[size_t(y)] = image.scanLine(y);
        if (setjmp(errors.jump))
            return false;
        jpeg_start_decompress(&info);
        while (info.output_scanline < info.output_height) {
            jpeg_read_scanlines(
              &info, rows.data() + info.output_scanline, info.output_height - info.output_scanline);
        }
        jpeg_finish_decompress(&info);
        return true;
    }

    QString loss() const { return QString::fromLatin1(errors.loss); }

private:
    ErrorManager errors;
    jpeg_decompress_struct info{};
    QByteArray m_profile;
};

} // namespace

namespace ScaledJpeg {

QSize scaledSize(const QSize &size, int eighths)
{
    return QSize(int((qint64(size.width()) * eighths + 7) / 8),
                 int((qint64(size.height()) * eighths + 7) / 8));
}

int eighthsFor(const QSize &size, const QSize &minimum)
{
    if (!minimum.isValid() || minimum.width() * 2 > size.width() ||
        minimum.height() * 2 > size.height())
        return 8;
    for (const int eighths : { 1, 2 }) {
        const QSize scaled = scaledSize(size, eighths);
        if (scaled.width() >= minimum.width() && scaled.height() >= minimum.height())
            return eighths;
    }
    return 4;
}

bool losesScanData(const QString &warning)
{
    static const QRegularExpression extraneous(
      QStringLiteral("extraneous bytes before marker 0x([0-9a-fA-F]{2})"));
    const QRegularExpressionMatch match = extraneous.match(warning);
    if (!match.hasMatch())
        return true;
    const int marker = match.captured(1).toInt(nullptr, 16);
    return marker == 0xd9 || (marker >= 0xd0 && marker <= 0xd7);
}

Decoded decode(const QByteArray &bytes, int eighths, QImage target, qint64 limitBytes)
{
    Decoder decoder(bytes);
    if (!decoder.start(eighths, limitBytes))
        return {};
    const QSize size = decoder.outputSize();
    if (target.size() != size || target.format() != QImage::Format_RGB32)
        target = QImage(size, QImage::Format_RGB32);
    if (target.isNull() || !decoder.readInto(target))
        return {};
    if (const QSize dpm = decoder.dotsPerMeter(); !dpm.isEmpty()) {
        target.setDotsPerMeterX(dpm.width());
        target.setDotsPerMeterY(dpm.height());
    }
    if (const QByteArray profile = decoder.profile(); !profile.isEmpty())
        target.setColorSpace(QColorSpace::fromIccProfile(profile));
    return { target, decoder.loss() };
}

} // namespace ScaledJpeg
