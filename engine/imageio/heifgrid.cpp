#include "heifgrid.h"

#include <QByteArray>
#include <QIODevice>

#include <climits>
#include <optional>

namespace {

// Bounds of the walk: the metadata box of any real picture is a few kilobytes, of a large
// grid's tile index a few hundred.
constexpr qint64 maxMetaBytes = 16 << 20;
constexpr int maxTopLevelBoxes = 1024;

// Big-endian fields of a byte range; a read past the range's end marks the cursor failed and
// gives 0, so a crafted length can never lead outside the data.
class Cursor
{
public:
    Cursor(const QByteArray &data, qint64 begin, qint64 end)
      : m_data(data)
      , m_at(begin)
      , m_end(end)
    {
    }

    quint64 read(int bytes)
    {
        if (bytes < 0 || bytes > 8 || m_end - m_at < bytes) {
            m_failed = true;
            m_at = m_end;
            return 0;
        }
        quint64 value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | quint8(m_data.at(m_at + i));
        m_at += bytes;
        return value;
    }
    void skip(qint64 bytes)
    {
        if (bytes < 0 || m_end - m_at < bytes) {
            m_failed = true;
            bytes = m_end - m_at;
        }
        m_at += bytes;
    }
    qint64 at() const { return m_at; }
    qint64 end() const { return m_end; }
    bool failed() const { return m_failed; }

private:
    const QByteArray &m_data;
    qint64 m_at;
    qint64 m_end;
    bool m_failed = false;
};

struct Box
{
    quint32 type = 0;
    qint64 payload = 0; // where the box's content starts
    qint64 end = 0;
};

constexpr quint32 fourcc(const char (&name)[5])
{
    return quint32(quint8(name[0])) << 24 | quint32(quint8(name[1])) << 16 |
           quint32(quint8(name[2])) << 8 | quint8(name[3]);
}

// The box whose header is at the cursor, at most room bytes long; its offsets are the cursor's
// plus origin (where the cursor's data starts in the file, for the top level).
std::optional<Box> boxAt(Cursor &cursor, qint64 room, qint64 origin = 0)
{
    const qint64 start = cursor.at();
    quint64 size = cursor.read(4);
    Box box;
    box.type = quint32(cursor.read(4));
    if (size == 1)
        size = cursor.read(8);
    else if (size == 0)
        size = quint64(room);
    const qint64 header = cursor.at() - start;
    if (cursor.failed() || size < quint64(header) || size > quint64(room))
        return std::nullopt;
    box.payload = origin + cursor.at();
    box.end = origin + start + qint64(size);
    return box;
}

// The boxes of the meta box's content that say where the primary item is.
struct MetaBoxes
{
    std::optional<Box> pitm, iinf, iloc, idat;
};

MetaBoxes childrenOf(const QByteArray &data)
{
    MetaBoxes found;
    Cursor cursor(data, 4, data.size()); // after the meta box's version and flags
    while (const std::optional<Box> box = boxAt(cursor, cursor.end() - cursor.at())) {
        switch (box->type) {
            case fourcc("pitm"):
                found.pitm = box;
                break;
            case fourcc("iinf"):
                found.iinf = box;
                break;
            case fourcc("iloc"):
                found.iloc = box;
                break;
            case fourcc("idat"):
                found.idat = box;
                break;
            default:
                break;
        }
        cursor.skip(box->end - cursor.at());
    }
    return found;
}

std::optional<quint32> primaryItem(const QByteArray &data, const Box &pitm)
{
    Cursor cursor(data, pitm.payload, pitm.end);
    const int version = int(cursor.read(1));
    cursor.skip(3);
    const quint64 id = cursor.read(version == 0 ? 2 : 4);
    return cursor.failed() ? std::nullopt : std::optional<quint32>(quint32(id));
}

// Whether item is of type 'grid' by its item info entry (versions 2 and 3 carry the type).
bool isGrid(const QByteArray &data, const Box &iinf, quint32 item)
{
    Cursor cursor(data, iinf.payload, iinf.end);
    const int version = int(cursor.read(1));
    cursor.skip(3);
    cursor.read(version == 0 ? 2 : 4); // the entry count; the boxes themselves are walked
    while (const std::optional<Box> entry = boxAt(cursor, cursor.end() - cursor.at())) {
        if (entry->type == fourcc("infe")) {
            Cursor fields(data, entry->payload, entry->end);
            const int entryVersion = int(fields.read(1));
            fields.skip(3);
            if (entryVersion >= 2) {
                const quint64 id = fields.read(entryVersion == 2 ? 2 : 4);
                fields.skip(2); // protection index
                const quint32 type = quint32(fields.read(4));
                if (!fields.failed() && id == item)
                    return type == fourcc("grid");
            }
        }
        cursor.skip(entry->end - cursor.at());
    }
    return false;
}

// Where an item's bytes are: in the file (method 0) or in the idat box (method 1), by extents.
struct Location
{
    int method = 0;
    QList<std::pair<quint64, quint64>> extents; // offset, length
};

std::optional<Location> locationOf(const QByteArray &data, const Box &iloc, quint32 item)
{
    Cursor cursor(data, iloc.payload, iloc.end);
    const int version = int(cursor.read(1));
    cursor.skip(3);
    const int sizes = int(cursor.read(2));
    const int offsetSize = sizes >> 12 & 0xf;
    const int lengthSize = sizes >> 8 & 0xf;
    const int baseSize = sizes >> 4 & 0xf;
    const int indexSize = version == 1 || version == 2 ? sizes & 0xf : 0;
    const quint64 count = cursor.read(version < 2 ? 2 : 4);
    for (quint64 i = 0; i < count && !cursor.failed(); ++i) {
        Location location;
        const quint64 id = cursor.read(version < 2 ? 2 : 4);
        if (version == 1 || version == 2)
            location.method = int(cursor.read(2) & 0xf);
        cursor.skip(2); // data reference index
        const quint64 base = cursor.read(baseSize);
        const quint64 extents = cursor.read(2);
        for (quint64 e = 0; e < extents && !cursor.failed(); ++e) {
            cursor.read(indexSize);
            const quint64 offset = cursor.read(offsetSize);
            const quint64 length = cursor.read(lengthSize);
            if (id == item)
                location.extents.append({ base + offset, length });
        }
        if (id == item && !cursor.failed())
            return location;
    }
    return std::nullopt;
}

// The first bytes of an item, at most count of them.
QByteArray itemBytes(QIODevice &file,
                     const QByteArray &meta,
                     const MetaBoxes &boxes,
                     const Location &location,
                     int count)
{
    QByteArray bytes;
    for (const auto &[offset, length] : location.extents) {
        const int wanted = int(std::min<quint64>(length, quint64(count - bytes.size())));
        if (location.method == 0) {
            if (offset > quint64(file.size()) || !file.seek(qint64(offset)))
                return QByteArray();
            bytes += file.read(wanted);
        } else if (location.method == 1 && boxes.idat) {
            const quint64 room = quint64(boxes.idat->end - boxes.idat->payload);
            if (offset > room)
                return QByteArray();
            bytes += meta.mid(boxes.idat->payload + qint64(offset),
                              qint64(std::min<quint64>(quint64(wanted), room - offset)));
        } else {
            return QByteArray(); // an item built from another item's data: not for a grid
        }
        if (bytes.size() >= count)
            break;
    }
    return bytes;
}

// The meta box's content (after its header), read from the top level of the file.
QByteArray metaBox(QIODevice &file)
{
    qint64 at = 0;
    for (int i = 0; i < maxTopLevelBoxes && at + 8 <= file.size() && file.seek(at); ++i) {
        const QByteArray head = file.read(16);
        Cursor cursor(head, 0, head.size());
        const std::optional<Box> box = boxAt(cursor, file.size() - at, at);
        if (!box)
            return QByteArray();
        if (box->type == fourcc("meta")) {
            if (box->end - box->payload > maxMetaBytes || !file.seek(box->payload))
                return QByteArray();
            return file.read(box->end - box->payload);
        }
        at = box->end;
    }
    return QByteArray();
}

} // namespace

namespace HeifGrid {

Header primaryGrid(QIODevice &file)
{
    Header header;
    const QByteArray meta = metaBox(file);
    if (meta.isEmpty())
        return header;
    const MetaBoxes boxes = childrenOf(meta);
    if (!boxes.pitm || !boxes.iinf)
        return header;
    const std::optional<quint32> primary = primaryItem(meta, *boxes.pitm);
    if (!primary || !isGrid(meta, *boxes.iinf, *primary))
        return header;
    header.kind = Header::Kind::Unreadable;
    const std::optional<Location> location =
      boxes.iloc ? locationOf(meta, *boxes.iloc, *primary) : std::nullopt;
    if (!location)
        return header;
    // The grid's header: version, flags, rows - 1, columns - 1, then the output width and
    // height in 16 bits, or 32 when the flags' lowest bit is set.
    const QByteArray grid = itemBytes(file, meta, boxes, *location, 12);
    Cursor cursor(grid, 0, grid.size());
    cursor.skip(1);
    const int fieldBytes = (int(cursor.read(1)) & 1) ? 4 : 2;
    cursor.skip(2);
    const quint64 width = cursor.read(fieldBytes);
    const quint64 height = cursor.read(fieldBytes);
    if (cursor.failed() || width == 0 || height == 0 || width > INT_MAX || height > INT_MAX)
        return header;
    header.kind = Header::Kind::Grid;
    header.size = QSize(int(width), int(height));
    return header;
}

} // namespace HeifGrid
