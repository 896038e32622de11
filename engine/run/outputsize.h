#pragma once

#include <QSize>

#include "outputpolicy.h"

// The size a run writes its pictures at: each picture's own, a box every picture is scaled into
// (stretched or fitted as the policy says), or a long edge.
struct OutputSize
{
    OutputSize() = default;
    // An invalid box keeps each picture's own size.
    OutputSize(const QSize &box) // implicit: a plain box is the common case
      : box(box)
    {
    }
    // Fitted inside n × n with its proportions and never enlarged, whatever the policy says.
    static OutputSize longEdge(int n)
    {
        OutputSize size{ QSize(n, n) };
        size.isLongEdge = true;
        return size;
    }

    bool isValid() const { return box.isValid(); }
    ResizeMode mode(ResizeMode policy) const { return isLongEdge ? ResizeMode::Fit : policy; }
    bool operator==(const OutputSize &other) const
    {
        return box == other.box && isLongEdge == other.isLongEdge;
    }
    bool operator!=(const OutputSize &other) const { return !(*this == other); }

    QSize box;
    bool isLongEdge = false;
};
