#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// Hands a window's extra size to its controls when the window is larger than its form, whose
// geometry is absolute. Extra width goes a third to the list column and two thirds to the preview
// column; extra height to both. At the form's own size every control is where the form put it.
class WindowGrowth
{
public:
    enum class Across {
        Stay,
        WidenList,    // the list: its third of the extra width
        AfterList,    // between the list and the preview: moves by the list's growth
        WidenPreview, // the preview column: moves by the list's growth, widens by its own
        Right,        // right of the preview: moves by all the extra width
        Middle,       // stays in the middle of the window
        Widen,        // spans the window: widens by all the extra width
    };
    enum class Down {
        Stay,
        Grow,  // beside the list and the preview: takes the extra height
        Below, // below them: moves down by it
    };
    struct Rule
    {
        QWidget *widget;
        Across across;
        Down down;
    };

    // Takes each widget's geometry now as its place in the form of formSize.
    WindowGrowth(const QSize &formSize, const QList<Rule> &rules);

    const QSize &formSize() const { return m_formSize; }
    // Places every control for a window of size (never smaller than the form).
    void apply(const QSize &size) const;

private:
    struct Placed
    {
        Rule rule;
        QRect form;
    };
    QSize m_formSize;
    QList<Placed> m_placed;
};
