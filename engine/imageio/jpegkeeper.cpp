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

// One row of blocks of a coefficient array.
template<typename Info>
JBLOCKROW blockRow(Info &info, jvirt_barray_ptr array, int row, bool writable)
{
    return info.mem->access_virt_barray(
      reinterpret_cast<j_common_ptr>(&info), array, JDIMENSION(row), 1, writable ? TRUE : FALSE)[0];
}

// The sampling of a picture: its iMCU's size in pixels and each component's block size.
struct Sampling
{
    int mcuW = 8;
    int mcuH = 8;
    explicit Sampling(const jpeg_decompress_struct &info)
      : mcuW(8 * info.max_h_samp_factor)
      , mcuH(8 * info.max_v_samp_factor)
    {
    }
    QSize block(const jpeg_component_info &comp) const
    {
        return QSize(mcuW / comp.h_samp_factor, mcuH / comp.v_samp_factor);
    }
    // Blocks of comp over width × height pixels, in whole iMCUs (as the library stores them).
    QSize blocks(const jpeg_component_info &comp, int width, int height) const
    {
        return QSize((width + mcuW - 1) / mcuW * comp.h_samp_factor,
                     (height + mcuH - 1) / mcuH * comp.v_samp_factor);
    }
};

// Encodes the blocks of box (aligned to iMCUs) as a JPEG of their own, with the source's tables,
// and decodes it: the stored pixels of box, exactly as the whole picture would show them there
// but for the outer iMCU, whose chroma lacks its neighbours.
QImage decodeBox(jpeg_decompress_struct &src,
                 jvirt_barray_ptr *coefficients,
                 const QRect &box,
                 Compress &boxJpeg,
                 Decompress &boxRead)
{
    const Sampling sampling(src);
    jpeg_copy_critical_parameters(&src, &boxJpeg.info);
    boxJpeg.info.image_width = JDIMENSION(box.width());
    boxJpeg.info.image_height = JDIMENSION(box.height());
    boxJpeg.info.write_JFIF_header = FALSE;
    boxJpeg.info.write_Adobe_marker = FALSE;
    std::vector<jvirt_barray_ptr> arrays(size_t(src.num_components));
    for (int c = 0; c < src.num_components; ++c) {
        const jpeg_component_info &comp = src.comp_info[c];
        const QSize blocks = sampling.blocks(comp, box.width(), box.height());
        arrays[size_t(c)] =
          boxJpeg.info.mem->request_virt_barray(reinterpret_cast<j_common_ptr>(&boxJpeg.info),
                                                JPOOL_IMAGE,
                                                TRUE,
                                                JDIMENSION(blocks.width()),
                                                JDIMENSION(blocks.height()),
                                                JDIMENSION(comp.v_samp_factor));
    }
    boxJpeg.info.mem->realize_virt_arrays(reinterpret_cast<j_common_ptr>(&boxJpeg.info));
    for (int c = 0; c < src.num_components; ++c) {
        const jpeg_component_info &comp = src.comp_info[c];
        const QSize block = sampling.block(comp);
        const QSize blocks = sampling.blocks(comp, box.width(), box.height());
        const int firstColumn = box.x() / block.width();
        const int firstRow = box.y() / block.height();
        for (int y = 0; y < blocks.height(); ++y) {
            std::memcpy(blockRow(boxJpeg.info, arrays[size_t(c)], y, true),
                        blockRow(src, coefficients[c], firstRow + y, false) + firstColumn,
                        size_t(blocks.width()) * sizeof(JBLOCK));
        }
    }
    jpeg_write_coefficients(&boxJpeg.info, arrays.data());
    jpeg_finish_compress(&boxJpeg.info);

    jpeg_mem_src(&boxRead.info, boxJpeg.buffer, boxJpeg.size);
    jpeg_read_header(&boxRead.info, TRUE);
    boxRead.info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&boxRead.info);
    QImage pixels(box.size(), QImage::Format_RGB32);
    while (boxRead.info.output_scanline < boxRead.info.output_height) {
        JSAMPROW row = pixels.scanLine(int(boxRead.info.output_scanline));
        jpeg_read_scanlines(&boxRead.info, &row, 1);
    }
    jpeg_finish_decompress(&boxRead.info);
    return pixels;
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

Header inspect(const QByteArray &bytes)
{
    Header header;
    ErrorManager errors;
    setUp(errors);
    Decompress d(errors);
    if (setjmp(errors.jump)) {
        header.problem = Text::tr("damaged JPEG");
        return header;
    }
    source(d, bytes);
    jpeg_save_markers(&d.info, JPEG_APP0 + 2, 0xffff);
    jpeg_read_header(&d.info, TRUE);
    header.problem = headerProblem(d.info);
    header.size = QSize(int(d.info.image_width), int(d.info.image_height));
    JOCTET *icc = nullptr;
    unsigned int iccSize = 0;
    if (jpeg_read_icc_profile(&d.info, &icc, &iccSize)) {
        header.iccProfile = QByteArray(reinterpret_cast<const char *>(icc), int(iccSize));
        std::free(icc);
    }
    return header;
}

Result stamp(const QByteArray &bytes,
             int orientation,
             const QRect &reach,
             const std::function<bool(QImage &)> &draw)
{
    Result result;
    // Everything that lives across the jump is made before it: a jump skips no destructor.
    ErrorManager errors;
    setUp(errors);
    Decompress src(errors);
    Compress boxJpeg(errors, 1 << 20);
    Decompress boxRead(errors);
    Compress region(errors, 1 << 20);
    Decompress patch(errors);
    // About the source's size: the output differs from it only by the mark's blocks.
    Compress out(errors, size_t(bytes.size()) + (1 << 20));
    QImage before;
    QImage picture;
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
    const QSize upright = orientation >= 5 ? QSize(height, width) : QSize(width, height);
    const Sampling sampling(src.info);

    if (!reach.isEmpty()) {
        // The reach in the stored frame, grown to whole iMCUs plus one of context (so that
        // chroma at the edge of a changed block is upsampled as in the whole picture).
        const QPoint p1 = storedPoint(reach.left(), reach.top(), orientation, width, height);
        const QPoint p2 = storedPoint(reach.right(), reach.bottom(), orientation, width, height);
        const QRect stored = QRect(p1, p2).normalized();
        const int mcuW = sampling.mcuW;
        const int mcuH = sampling.mcuH;
        const int x0 = std::max(0, (stored.left() / mcuW - 1) * mcuW);
        const int y0 = std::max(0, (stored.top() / mcuH - 1) * mcuH);
        const int x1 = std::min(width, (stored.right() / mcuW + 2) * mcuW);
        const int y1 = std::min(height, (stored.bottom() / mcuH + 2) * mcuH);
        const QRect box(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));

        // The picture upright at full size, its pixels set only inside the box: the rest of its
        // memory is never touched, so it costs no page of its own.
        before = decodeBox(src.info, coefficients, box, boxJpeg, boxRead);
        picture = QImage(upright, QImage::Format_RGB32);
        if (before.isNull() || picture.isNull()) {
            result.problem = Text::tr("there is not enough memory for the picture");
            return result;
        }
        // The pixel of the upright picture at stored point (x, y) of the box.
        uchar *const bits = picture.bits();
        const qsizetype stride = picture.bytesPerLine();
        const auto at = [&](int x, int y) {
            const QPoint u = uprightPoint(x0 + x, y0 + y, orientation, width, height);
            return reinterpret_cast<QRgb *>(bits + u.y() * stride) + u.x();
        };
        for (int y = 0; y < box.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(before.constScanLine(y));
            if (orientation == 1) {
                std::memcpy(at(0, y), line, size_t(box.width()) * sizeof(QRgb));
                continue;
            }
            for (int x = 0; x < box.width(); ++x)
                *at(x, y) = line[x];
        }
        if (!draw(picture)) {
            result.problem = Text::tr("there is not enough memory for the picture");
            return result;
        }

        // The stamped pixels of the box in the stored frame, and which of them were drawn.
        pixels = QImage(box.size(), QImage::Format_RGB32);
        drawn.assign(size_t(box.width()) * size_t(box.height()), false);
        for (int y = 0; y < box.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(pixels.scanLine(y));
            const auto *was = reinterpret_cast<const QRgb *>(before.constScanLine(y));
            for (int x = 0; x < box.width(); ++x) {
                line[x] = *at(x, y);
                drawn[size_t(y) * size_t(box.width()) + size_t(x)] = line[x] != was[x];
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
            const QSize block = sampling.block(src.info.comp_info[c]);
            const int columns = (box.width() + block.width() - 1) / block.width();
            const int rows = (box.height() + block.height() - 1) / block.height();
            for (int by = 0; by < rows; ++by) {
                JBLOCKROW from = blockRow(patch.info, patched[c], by, false);
                JBLOCKROW to = blockRow(src.info, coefficients[c], y0 / block.height() + by, true);
                for (int bx = 0; bx < columns; ++bx) {
                    bool touched = false;
                    for (int y = by * block.height();
                         y < std::min(box.height(), (by + 1) * block.height()) && !touched;
                         ++y) {
                        const size_t line = size_t(y) * size_t(box.width());
                        for (int x = bx * block.width();
                             x < std::min(box.width(), (bx + 1) * block.width()) && !touched;
                             ++x)
                            touched = drawn[line + size_t(x)];
                    }
                    if (touched)
                        std::memcpy(to[x0 / block.width() + bx], from[bx], sizeof(JBLOCK));
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
