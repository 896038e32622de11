#include "picturerowdelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "thumbnailloader.h"

QString elidedPath(const QString &path, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    const QString ellipsis = QStringLiteral("…");
    const QStringList parts = path.split(QLatin1Char('/'));
    for (qsizetype first = 1; first < parts.size(); ++first) {
        const QString kept = ellipsis + QLatin1Char('/') + parts.mid(first).join(QLatin1Char('/'));
        if (metrics.horizontalAdvance(kept) <= width)
            return kept;
    }
    return metrics.elidedText(parts.constLast(), Qt::ElideMiddle, width);
}

PictureRowDelegate::PictureRowDelegate(ThumbnailLoader *thumbnails, QObject *parent)
  : QStyledItemDelegate(parent)
  , m_thumbnails(thumbnails)
{
}

void PictureRowDelegate::initStyleOption(QStyleOptionViewItem *option,
                                         const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QString path = option->text;
    // Every row keeps room for its thumbnail (the view's icon size), made or not: rows stay one
    // size and never shift.
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = QIcon(m_thumbnails->thumbnail(path));
    const QStyle *style = option->widget ? option->widget->style() : QApplication::style();
    const int margin =
      style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1;
    const QRect textRect =
      style->subElementRect(QStyle::SE_ItemViewItemText, option, option->widget);
    option->text = elidedPath(path, option->fontMetrics, textRect.width() - 2 * margin);
}

QSize PictureRowDelegate::sizeHint(const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    QSize hint = QStyledItemDelegate::sizeHint(option, index);
    hint.setWidth(option.decorationSize.width());
    return hint;
}

bool PictureRowDelegate::helpEvent(QHelpEvent *event,
                                   QAbstractItemView *view,
                                   const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view);
    return true;
}
