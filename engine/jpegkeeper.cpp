#include "jpegkeeper.h"

#include <QCoreApplication>
#include <QRect>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(JpegKeeper)
};

// libjpeg reports errors by calling error_exit, which must not return: it jumps back here. A
// warning (corrupt data) is an error too: such a file takes the normal path.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void emitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        errorExit(info);
}

void outputMessage(j_common_ptr) {}

void setUp(ErrorManager &errors)
{
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = errorExit;
    errors.pub.emit_message = emitMessage;
    errors.pub.output_message = outputMessage;
}

struct Decompress
{
    jpeg_decompress_struct info{};
    explicit Decompress(ErrorManager &errors)
    {
        info.err = &errors.pub;
        jpeg_create_decompress(&info);
    }
    ~Decompress() { jpeg_destroy_decompress(&info); }
};

// Compresses into memory, starting with room for capacity bytes (the library allocates more
// when that is not enough, and leaves the first buffer to us).
struct Compress
{
    jpeg_compress_struct info{};
    unsigned char *first = nullptr;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    Compress(ErrorManager &errors, size_t capacity)
    {
        info.err = &errors.pub;
        jpeg_create_compress(&info);
        first = buffer = static_cast<unsigned char *>(std::malloc(capacity));
        size = buffer ? capacity : 0;
        jpeg_mem_dest(&info, &buffer, &size);
    }
    ~Compress()
    {
        jpeg_destroy_compress(&info);
        if (buffer != first)
            std::free(buffer);
        std::free(first);
    }
    QByteArray bytes() const
    {
        return QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size));
    }
};

void source(Decompress &d, const QByteArray &bytes)
{
    jpeg_mem_src(&d.info,
                 reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
}

// Checks a read header; empty when the coefficients can be kept.
QString headerProblem(const jpeg_decompress_struct &info)
{
    if (info.data_precision != 8)
        return Text::tr("%1-bit JPEG").arg(info.data_precision);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        return Text::tr("CMYK JPEG");
    if (info.jpeg_color_space != JCS_YCbCr && info.jpeg_color_space != JCS_GRAYSCALE)
        return Text::tr("JPEG in an unusual colour space");
    return QString();
}

// Upright pixel (x, y) of a picture turned by orientation from stored pixels of width w, height h.
QPoint storedPoint(int x, int y, int orientation, int w, int h)
{
    switch (orientation) {
        case 2:
            return { w - 1 - x, y };
        case 3:
            return { w - 1 - x, h - 1 - y };
        case 4:
            return { x, h - 1 - y };
        case 5:
            return { y, x };
        case 6:
            return { y, h - 1 - x };
        case 7:
            return { w - 1 - y, h - 1 - x };
        case 8:
            return { w - 1 - y, x };
        default:
            return { x, y };
    }
}

// The upright point whose stored point is (x, y): the inverse of storedPoint. The mirrors and the
// half turn are their own inverses; a turn's inverse is the opposite turn, from the upright frame
// (whose width is the stored height).
QPoint uprightPoint(int x, int y, int orientation, int w, int h)
{
    if (orientation < 5)
        return storedPoint(x, y, orientation, w, h);
    const int inverse = orientation == 6 ? 8 : orientation == 8 ? 6 : orientation;
    return storedPoint(x, y, inverse, h, w);
}

// The smallest rectangle holding every pixel that differs between a and b (same size, format).
QRect changedRect(const QImage &a, const QImage &b)
{
    int top = -1, bottom = -1, left = a.width(), right = -1;
    const int pixelBytes = a.depth() / 8;
    const int rowBytes = a.width() * pixelBytes;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *p = a.constScanLine(y);
        const uchar *q = b.constScanLine(y);
        if (std::memcmp(p, q, size_t(rowBytes)) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int i = 0;
        while (p[i] == q[i])
            ++i;
        left = std::min(left, i / pixelBytes);
        i = rowBytes - 1;
        while (p[i] == q[i])
            --i;
        right = std::max(right, i / pixelBytes);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The segments that describe the pixels: JFIF, the ICC profile and Adobe's colour transform.
// The metadata is written afterwards by the choice; a JFXX thumbnail and an MPF index (of
// pictures after the end of this one, which are not kept) go.
bool isKeptSegment(int marker, const JOCTET *data, unsigned length)
{
    const auto startsWith = [&](const char *tag, unsigned size) {
        return length >= size && std::memcmp(data, tag, size) == 0;
    };
    return (marker == JPEG_APP0 && startsWith("JFIF", 5)) ||
           (marker == JPEG_APP0 + 2 && startsWith("ICC_PROFILE", 12)) ||
           (marker == JPEG_APP0 + 14 && startsWith("Adobe", 5));
}

} // namespace

namespace JpegKeeper {

QString problem(const QByteArray &bytes)
{
    ErrorManager errors;
    setUp(errors);
    Decompress d(errors);
    if (setjmp(errors.jump))
        return Text::tr("damaged JPEG");
    source(d, bytes);
    jpeg_read_header(&d.info, TRUE);
    return headerProblem(d.info);
}

Result stamp(const QByteArray &bytes, const QImage &before, const QImage &after, int orientation)
{
    Result result;
    // Painting may have changed a few formats (a palette's): compare in the painted one.
    const QImage a =
      before.format() == after.format() ? before : before.convertToFormat(after.format());
    const QImage &b = after;
    const QRect changed = a.depth() % 8 == 0 ? changedRect(a, b) : QRect(QPoint(0, 0), b.size());

    // Everything that lives across the jump is made before it: a jump skips no destructor.
    ErrorManager errors;
    setUp(errors);
    Decompress src(errors);
    Compress region(errors, 1 << 20);
    Decompress patch(errors);
    // About the source's size: the output differs from it only by the mark's blocks.
    Compress out(errors, size_t(bytes.size()) + (1 << 20));
    QImage pixels;
    std::vector<bool> drawn;
    if (setjmp(errors.jump)) {
        result.problem = Text::tr("damaged JPEG");
        return result;
    }
    source(src, bytes);
    jpeg_save_markers(&src.info, JPEG_APP0, 0xffff);      // JFIF
    jpeg_save_markers(&src.info, JPEG_APP0 + 2, 0xffff);  // ICC
    jpeg_save_markers(&src.info, JPEG_APP0 + 14, 0xffff); // Adobe
    jpeg_read_header(&src.info, TRUE);
    if (QString why = headerProblem(src.info); !why.isEmpty()) {
        result.problem = why;
        return result;
    }
    jvirt_barray_ptr *coefficients = jpeg_read_coefficients(&src.info);
    const int width = int(src.info.image_width);
    const int height = int(src.info.image_height);
    const bool turned = orientation >= 5;
    if ((turned ? QSize(height, width) : QSize(width, height)) != a.size()) {
        result.problem = Text::tr("the decoded size differs from the file's");
        return result;
    }

    if (!changed.isNull()) {
        // The changed pixels in the stored frame, grown to whole iMCUs plus one of context (so
        // that chroma at the edge of a changed block is upsampled as in the whole picture).
        const QPoint p1 = storedPoint(changed.left(), changed.top(), orientation, width, height);
        const QPoint p2 =
          storedPoint(changed.right(), changed.bottom(), orientation, width, height);
        const QRect stored = QRect(p1, p2).normalized();
        const int mcuW = 8 * src.info.max_h_samp_factor;
        const int mcuH = 8 * src.info.max_v_samp_factor;
        const int x0 = std::max(0, (stored.left() / mcuW - 1) * mcuW);
        const int y0 = std::max(0, (stored.top() / mcuH - 1) * mcuH);
        const int x1 = std::min(width, (stored.right() / mcuW + 2) * mcuW);
        const int y1 = std::min(height, (stored.bottom() / mcuH + 2) * mcuH);
        if (x1 <= x0 || y1 <= y0) {
            result.problem = Text::tr("the decoded size differs from the file's");
            return result;
        }
        const QRect box(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));

        // The stamped pixels of the box in the stored frame, and which of them were drawn.
        pixels = QImage(box.size(), QImage::Format_RGB32);
        drawn.assign(size_t(box.width()) * size_t(box.height()), false);
        for (int y = 0; y < box.height(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(pixels.scanLine(y));
            for (int x = 0; x < box.width(); ++x) {
                const QPoint u = uprightPoint(x0 + x, y0 + y, orientation, width, height);
                const QRgb s = b.pixel(u);
                line[x] = s;
                drawn[size_t(y) * size_t(box.width()) + size_t(x)] = s != a.pixel(u);
            }
        }

        // The box encoded with the source's tables and sampling.
        jpeg_copy_critical_parameters(&src.info, &region.info);
        region.info.image_width = JDIMENSION(box.width());
        region.info.image_height = JDIMENSION(box.height());
        region.info.input_components = 4;
        region.info.in_color_space = JCS_EXT_BGRX;
        region.info.write_JFIF_header = FALSE;
        region.info.write_Adobe_marker = FALSE;
        jpeg_start_compress(&region.info, TRUE);
        while (region.info.next_scanline < region.info.image_height) {
            JSAMPROW row = pixels.scanLine(int(region.info.next_scanline));
            jpeg_write_scanlines(&region.info, &row, 1);
        }
        jpeg_finish_compress(&region.info);

        jpeg_mem_src(&patch.info, region.buffer, region.size);
        jpeg_read_header(&patch.info, TRUE);
        jvirt_barray_ptr *patched = jpeg_read_coefficients(&patch.info);

        // Each component's blocks that hold a drawn pixel take the box's coefficients.
        for (int c = 0; c < src.info.num_components; ++c) {
            const jpeg_component_info &comp = src.info.comp_info[c];
            const int blockW = mcuW / comp.h_samp_factor;
            const int blockH = mcuH / comp.v_samp_factor;
            const int columns = (box.width() + blockW - 1) / blockW;
            const int rows = (box.height() + blockH - 1) / blockH;
            for (int by = 0; by < rows; ++by) {
                JBLOCKARRAY from =
                  patch.info.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&patch.info),
                                                     patched[c],
                                                     JDIMENSION(by),
                                                     1,
                                                     FALSE);
                JBLOCKARRAY to =
                  src.info.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&src.info),
                                                   coefficients[c],
                                                   JDIMENSION(y0 / blockH + by),
                                                   1,
                                                   TRUE);
                for (int bx = 0; bx < columns; ++bx) {
                    bool touched = false;
                    for (int y = by * blockH;
                         y < std::min(box.height(), (by + 1) * blockH) && !touched;
                         ++y) {
                        for (int x = bx * blockW; x < std::min(box.width(), (bx + 1) * blockW);
                             ++x) {
                            if (drawn[size_t(y) * size_t(box.width()) + size_t(x)]) {
                                touched = true;
                                break;
                            }
                        }
                    }
                    if (touched)
                        std::memcpy(to[0][x0 / blockW + bx], from[0][bx], sizeof(JBLOCK));
                }
            }
        }
    }

    // The whole picture from its coefficients, with the source's own segments.
    jpeg_copy_critical_parameters(&src.info, &out.info);
    out.info.write_JFIF_header = FALSE;
    out.info.write_Adobe_marker = FALSE;
    out.info.restart_interval = src.info.restart_interval;
    out.info.arith_code = src.info.arith_code;
    // Progressive scans need their own Huffman tables; a sequential picture keeps the library's,
    // as cameras do, which saves a second pass over the whole picture.
    if (src.info.progressive_mode)
        jpeg_simple_progression(&out.info);
    jpeg_write_coefficients(&out.info, coefficients);
    for (jpeg_saved_marker_ptr m = src.info.marker_list; m; m = m->next) {
        if (isKeptSegment(m->marker, m->data, m->data_length))
            jpeg_write_marker(&out.info, m->marker, m->data, m->data_length);
    }
    jpeg_finish_compress(&out.info);
    jpeg_finish_decompress(&src.info);
    result.bytes = out.bytes();
    return result;
}

} // namespace JpegKeeper
