#include "windowgrowth.h"

#include <QWidget>

WindowGrowth::WindowGrowth(const QSize &formSize, const QList<Rule> &rules)
  : m_formSize(formSize)
{
    for (const Rule &rule : rules)
        m_placed.append({ rule, rule.widget->geometry() });
}

void WindowGrowth::apply(const QSize &size) const
{
    const QSize extra = size.expandedTo(m_formSize) - m_formSize;
    const int list = extra.width() / 3;
    const int preview = extra.width() - list;
    for (const Placed &placed : m_placed) {
        QRect rect = placed.form;
        switch (placed.rule.across) {
            case Across::Stay:
                break;
            case Across::WidenList:
                rect.setWidth(rect.width() + list);
                break;
            case Across::AfterList:
                rect.translate(list, 0);
                break;
            case Across::WidenPreview:
                rect.translate(list, 0);
                rect.setWidth(rect.width() + preview);
                break;
            case Across::Right:
                rect.translate(extra.width(), 0);
                break;
            case Across::Middle:
                rect.translate(extra.width() / 2, 0);
                break;
            case Across::Widen:
                rect.setWidth(rect.width() + extra.width());
                break;
        }
        switch (placed.rule.down) {
            case Down::Stay:
                break;
            case Down::Grow:
                rect.setHeight(rect.height() + extra.height());
                break;
            case Down::Below:
                rect.translate(0, extra.height());
                break;
        }
        placed.rule.widget->setGeometry(rect);
    }
}
