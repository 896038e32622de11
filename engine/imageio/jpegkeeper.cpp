#include "jpegkeeper.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QRect>

#include <array>
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

[[noreturn]] void errorExit(j_common_ptr info);
void emitMessage(j_common_ptr info, int level);
void outputMessage(j_common_ptr) {}

// libjpeg reports errors by calling error_exit, which must not return: it jumps back to the
// setjmp of the function that owns this. A warning (corrupt data) is an error too: such a file
// takes the normal path.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {}; // libjpeg's own words for the error

    ErrorManager()
    {
        jpeg_std_error(&pub);
        pub.error_exit = errorExit;
        pub.emit_message = emitMessage;
        pub.output_message = outputMessage;
    }
};

void errorExit(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    errors->pub.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void emitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        errorExit(info);
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
    // Blocks are copied by whole iMCUs: every component must divide the largest sampling.
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info &comp = info.comp_info[c];
        if (info.max_h_samp_factor % comp.h_samp_factor != 0 ||
            info.max_v_samp_factor % comp.v_samp_factor != 0)
            return Text::tr("JPEG with fractional sampling");
    }
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

// Everything one stamp uses, made before libjpeg's error jump is set: a jump from a step
// below lands in stamp(), whose frame owns all of it, so no step owns anything across a call
// into libjpeg and no destructor is ever skipped.
struct Session
{
    explicit Session(const QByteArray &source)
      : bytes(source)
      , src(errors)
      , boxJpeg(errors, 1 << 20)
      , boxRead(errors)
      , region(errors, 1 << 20)
      , patch(errors)
      // About the source's size: the output differs from it only by the mark's blocks.
      , out(errors, size_t(source.size()) + (1 << 20))
    {
    }

    const QByteArray &bytes;
    ErrorManager errors;
    Decompress src;
    Compress boxJpeg; // the box's blocks as a JPEG of their own
    Decompress boxRead;
    Compress region; // the stamped box, encoded with the source's tables
    Decompress patch;
    Compress out;
    jvirt_barray_ptr *coefficients = nullptr;
    std::array<jvirt_barray_ptr, MAX_COMPONENTS> boxArrays{};
    QRect box;               // in the stored frame, aligned to iMCUs
    QImage before;           // the box's stored pixels as decoded
    QImage picture;          // upright at full size, its pixels set only inside the box
    QImage pixels;           // the box's stored pixels after drawing
    std::vector<bool> drawn; // which of them the mark changed
};

// Reads the source's header and coefficients; a problem when they cannot be kept.
QString readSource(Session &s)
{
    source(s.src, s.bytes);
    jpeg_save_markers(&s.src.info, JPEG_APP0, 0xffff);      // JFIF
    jpeg_save_markers(&s.src.info, JPEG_APP0 + 2, 0xffff);  // ICC
    jpeg_save_markers(&s.src.info, JPEG_APP0 + 14, 0xffff); // Adobe
    jpeg_read_header(&s.src.info, TRUE);
    if (QString why = headerProblem(s.src.info); !why.isEmpty())
        return why;
    s.coefficients = jpeg_read_coefficients(&s.src.info);
    return QString();
}

// Encodes the blocks of the box as a JPEG of their own, with the source's tables, and decodes
// it into before: the stored pixels of the box, exactly as the whole picture would show them
// there but for the outer iMCU, whose chroma lacks its neighbours.
void decodeBox(Session &s)
{
    jpeg_decompress_struct &src = s.src.info;
    jpeg_compress_struct &boxJpeg = s.boxJpeg.info;
    const Sampling sampling(src);
    jpeg_copy_critical_parameters(&src, &boxJpeg);
    boxJpeg.image_width = JDIMENSION(s.box.width());
    boxJpeg.image_height = JDIMENSION(s.box.height());
    boxJpeg.write_JFIF_header = FALSE;
    boxJpeg.write_Adobe_marker = FALSE;
    for (int c = 0; c < src.num_components; ++c) {
        const jpeg_component_info &comp = src.comp_info[c];
        const QSize blocks = sampling.blocks(comp, s.box.width(), s.box.height());
        s.boxArrays[size_t(c)] =
          boxJpeg.mem->request_virt_barray(reinterpret_cast<j_common_ptr>(&boxJpeg),
                                           JPOOL_IMAGE,
                                           TRUE,
                                           JDIMENSION(blocks.width()),
                                           JDIMENSION(blocks.height()),
                                           JDIMENSION(comp.v_samp_factor));
    }
    boxJpeg.mem->realize_virt_arrays(reinterpret_cast<j_common_ptr>(&boxJpeg));
    for (int c = 0; c < src.num_components; ++c) {
        const jpeg_component_info &comp = src.comp_info[c];
        const QSize block = sampling.block(comp);
        const QSize blocks = sampling.blocks(comp, s.box.width(), s.box.height());
        const int firstColumn = s.box.x() / block.width();
        const int firstRow = s.box.y() / block.height();
        for (int y = 0; y < blocks.height(); ++y) {
            std::memcpy(blockRow(boxJpeg, s.boxArrays[size_t(c)], y, true),
                        blockRow(src, s.coefficients[c], firstRow + y, false) + firstColumn,
                        size_t(blocks.width()) * sizeof(JBLOCK));
        }
    }
    jpeg_write_coefficients(&boxJpeg, s.boxArrays.data());
    jpeg_finish_compress(&boxJpeg);

    jpeg_decompress_struct &read = s.boxRead.info;
    jpeg_mem_src(&read, s.boxJpeg.buffer, s.boxJpeg.size);
    jpeg_read_header(&read, TRUE);
    read.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&read);
    s.before = QImage(s.box.size(), QImage::Format_RGB32);
    if (s.before.isNull())
        return; // no memory: the caller says so once libjpeg is done with the box
    while (read.output_scanline < read.output_height) {
        JSAMPROW row = s.before.scanLine(int(read.output_scanline));
        jpeg_read_scanlines(&read, &row, 1);
    }
    jpeg_finish_decompress(&read);
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

// The reach in the stored frame, grown to whole iMCUs plus one of context (so that chroma at the
// edge of a changed block is upsampled as in the whole picture).
QRect boxAround(const QRect &reach, int orientation, const jpeg_decompress_struct &info)
{
    const int width = int(info.image_width);
    const int height = int(info.image_height);
    const Sampling sampling(info);
    const QPoint p1 = storedPoint(reach.left(), reach.top(), orientation, width, height);
    const QPoint p2 = storedPoint(reach.right(), reach.bottom(), orientation, width, height);
    const QRect stored = QRect(p1, p2).normalized();
    const int x0 = std::max(0, (stored.left() / sampling.mcuW - 1) * sampling.mcuW);
    const int y0 = std::max(0, (stored.top() / sampling.mcuH - 1) * sampling.mcuH);
    const int x1 = std::min(width, (stored.right() / sampling.mcuW + 2) * sampling.mcuW);
    const int y1 = std::min(height, (stored.bottom() / sampling.mcuH + 2) * sampling.mcuH);
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
}

// The pixel of the upright picture at stored point (x, y) of the box.
QRgb *uprightPixel(Session &s, int orientation, int x, int y)
{
    const QPoint u = uprightPoint(s.box.x() + x,
                                  s.box.y() + y,
                                  orientation,
                                  int(s.src.info.image_width),
                                  int(s.src.info.image_height));
    return reinterpret_cast<QRgb *>(s.picture.bits() + u.y() * s.picture.bytesPerLine()) + u.x();
}

// The box's decoded pixels put into the upright picture; the rest of its memory is never
// touched, so it costs no page of its own.
void placeUpright(Session &s, int orientation)
{
    for (int y = 0; y < s.box.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(s.before.constScanLine(y));
        if (orientation == 1) {
            std::memcpy(uprightPixel(s, orientation, 0, y), line, size_t(s.box.width()) * 4);
            continue;
        }
        for (int x = 0; x < s.box.width(); ++x)
            *uprightPixel(s, orientation, x, y) = line[x];
    }
}

// The stamped pixels of the box in the stored frame, and which of them were drawn.
void collectDrawn(Session &s, int orientation)
{
    s.pixels = QImage(s.box.size(), QImage::Format_RGB32);
    s.drawn.assign(size_t(s.box.width()) * size_t(s.box.height()), false);
    for (int y = 0; y < s.box.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(s.pixels.scanLine(y));
        const auto *was = reinterpret_cast<const QRgb *>(s.before.constScanLine(y));
        for (int x = 0; x < s.box.width(); ++x) {
            line[x] = *uprightPixel(s, orientation, x, y);
            s.drawn[size_t(y) * size_t(s.box.width()) + size_t(x)] = line[x] != was[x];
        }
    }
}

// Whether a drawn pixel lies in the block at (bx, by) of blocks of size block in the box.
bool blockTouched(const Session &s, const QSize &block, int bx, int by)
{
    const int bottom = std::min(s.box.height(), (by + 1) * block.height());
    const int right = std::min(s.box.width(), (bx + 1) * block.width());
    for (int y = by * block.height(); y < bottom; ++y) {
        const size_t line = size_t(y) * size_t(s.box.width());
        for (int x = bx * block.width(); x < right; ++x) {
            if (s.drawn[line + size_t(x)])
                return true;
        }
    }
    return false;
}

// The stamped box encoded with the source's tables and sampling; each component's blocks that
// hold a drawn pixel take its coefficients.
void patchBlocks(Session &s)
{
    jpeg_decompress_struct &src = s.src.info;
    jpeg_compress_struct &region = s.region.info;
    jpeg_copy_critical_parameters(&src, &region);
    region.image_width = JDIMENSION(s.box.width());
    region.image_height = JDIMENSION(s.box.height());
    region.input_components = 4;
    region.in_color_space = JCS_EXT_BGRX;
    region.write_JFIF_header = FALSE;
    region.write_Adobe_marker = FALSE;
    jpeg_start_compress(&region, TRUE);
    while (region.next_scanline < region.image_height) {
        JSAMPROW row = s.pixels.scanLine(int(region.next_scanline));
        jpeg_write_scanlines(&region, &row, 1);
    }
    jpeg_finish_compress(&region);

    jpeg_mem_src(&s.patch.info, s.region.buffer, s.region.size);
    jpeg_read_header(&s.patch.info, TRUE);
    jvirt_barray_ptr *patched = jpeg_read_coefficients(&s.patch.info);
    const Sampling sampling(src);
    for (int c = 0; c < src.num_components; ++c) {
        const QSize block = sampling.block(src.comp_info[c]);
        const int columns = (s.box.width() + block.width() - 1) / block.width();
        const int rows = (s.box.height() + block.height() - 1) / block.height();
        const int firstColumn = s.box.x() / block.width();
        const int firstRow = s.box.y() / block.height();
        for (int by = 0; by < rows; ++by) {
            JBLOCKROW from = blockRow(s.patch.info, patched[c], by, false);
            JBLOCKROW to = blockRow(src, s.coefficients[c], firstRow + by, true);
            for (int bx = 0; bx < columns; ++bx) {
                if (blockTouched(s, block, bx, by))
                    std::memcpy(to[firstColumn + bx], from[bx], sizeof(JBLOCK));
            }
        }
    }
}

// The whole picture from its coefficients, with the source's own segments.
void writeOutput(Session &s)
{
    jpeg_decompress_struct &src = s.src.info;
    jpeg_compress_struct &out = s.out.info;
    jpeg_copy_critical_parameters(&src, &out);
    out.write_JFIF_header = FALSE;
    out.write_Adobe_marker = FALSE;
    out.restart_interval = src.restart_interval;
    out.arith_code = src.arith_code;
    // Progressive scans need their own Huffman tables; a sequential picture keeps the library's,
    // as cameras do, which saves a second pass over the whole picture.
    if (src.progressive_mode)
        jpeg_simple_progression(&out);
    jpeg_write_coefficients(&out, s.coefficients);
    for (jpeg_saved_marker_ptr m = src.marker_list; m; m = m->next) {
        if (isKeptSegment(m->marker, m->data, m->data_length))
            jpeg_write_marker(&out, m->marker, m->data, m->data_length);
    }
    jpeg_finish_compress(&out);
    jpeg_finish_decompress(&src);
}

} // namespace

namespace JpegKeeper {

Header inspect(const QByteArray &bytes)
{
    Header header;
    ErrorManager errors;
    Decompress d(errors);
    if (setjmp(errors.jump))
        return { QString::fromLocal8Bit(errors.message), QSize(), QByteArray(), 0 };
    source(d, bytes);
    jpeg_save_markers(&d.info, JPEG_APP0 + 2, 0xffff);
    jpeg_read_header(&d.info, TRUE);
    header.problem = headerProblem(d.info);
    header.size = QSize(int(d.info.image_width), int(d.info.image_height));
    header.components = d.info.num_components;
    JOCTET *icc = nullptr;
    unsigned int iccSize = 0;
    if (jpeg_read_icc_profile(&d.info, &icc, &iccSize)) {
        header.iccProfile = QByteArray(reinterpret_cast<const char *>(icc), int(iccSize));
        std::free(icc);
    }
    return header;
}

QByteArray readHeader(QIODevice &file)
{
    // Segment by segment: FF, the marker, a 16-bit length that counts itself; fill bytes (FF FF)
    // may stand between segments. The headers of real pictures are far below the bound.
    constexpr qint64 maxHeader = 16 << 20;
    QByteArray head = file.read(2);
    if (head != "\xff\xd8")
        return head;
    while (head.size() < maxHeader) {
        char byte = 0;
        if (!file.getChar(&byte))
            return head;
        if (quint8(byte) != 0xff)
            return head; // no marker where one must be: the header check says the file is damaged
        head += byte;
        if (!file.getChar(&byte))
            return head;
        head += byte;
        const quint8 marker = quint8(byte);
        if (marker == 0xff) {
            head.chop(1); // a fill byte: the next one starts the marker again
            continue;
        }
        const QByteArray length = file.read(2);
        head += length;
        if (length.size() < 2)
            return head;
        const int size = quint8(length.at(0)) << 8 | quint8(length.at(1));
        head += file.read(std::max(0, size - 2));
        if (marker == 0xda)
            return head; // the first scan's header: its data follows
    }
    return head;
}

qint64 maxFileSize(const Header &header)
{
    // Even the worst case of Huffman coding stays below 4 bytes a sample; progressive
    // refinement scans add less than as much again.
    constexpr qint64 bytesPerSample = 8;
    return qint64(header.size.width()) * header.size.height() * header.components * bytesPerSample +
           (1 << 20);
}

Result stamp(const QByteArray &bytes,
             int orientation,
             const QRect &reach,
             const std::function<bool(QImage &)> &draw)
{
    Session s(bytes);
    if (setjmp(s.errors.jump))
        return { QByteArray(), QString::fromLocal8Bit(s.errors.message) };
    if (QString why = readSource(s); !why.isEmpty())
        return { QByteArray(), why };
    if (!reach.isEmpty()) {
        s.box = boxAround(reach, orientation, s.src.info);
        decodeBox(s);
        const QSize size(int(s.src.info.image_width), int(s.src.info.image_height));
        s.picture = QImage(orientation >= 5 ? size.transposed() : size, QImage::Format_RGB32);
        if (s.before.isNull() || s.picture.isNull())
            return { QByteArray(), Text::tr("there is not enough memory for the picture") };
        placeUpright(s, orientation);
        if (!draw(s.picture))
            return { QByteArray(), Text::tr("there is not enough memory for the picture") };
        collectDrawn(s, orientation);
        patchBlocks(s);
    }
    writeOutput(s);
    return { s.out.bytes(), QString() };
}

} // namespace JpegKeeper
