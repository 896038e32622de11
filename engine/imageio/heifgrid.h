#pragma once

#include <QSize>

class QIODevice;

// The output size a HEIF-family file's primary item declares when it is a grid of tiles, read
// from the boxes themselves (meta → pitm, iinf/infe, iloc, idat). The decoder sizes a grid's
// canvas by this header alone, never by the item's 'ispe', so it must be checked before decoding.
namespace HeifGrid {

struct Header
{
    enum class Kind { NoGrid, Grid, Unreadable };
    Kind kind = Kind::NoGrid;
    QSize size; // the grid's output size, for Grid
};

// Walks the boxes of file with a bounded budget: Unreadable when the primary item is a grid
// whose header cannot be found or read, NoGrid when the primary item is something else (or the
// file is no HEIF at all; the decoder then says why).
Header primaryGrid(QIODevice &file);

} // namespace HeifGrid
