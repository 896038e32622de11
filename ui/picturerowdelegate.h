#pragma once

#include <QStyledItemDelegate>

class ThumbnailLoader;

// path as it fits width: whole when it can be; else with the leading folders replaced by "…"
// ("…/in/landscape_01.jpg"), as many kept as fit; the file name alone elided in its middle only
// when even "…/name" is too wide.
QString elidedPath(const QString &path, const QFontMetrics &metrics, int width);

// Draws a row of the file list: its thumbnail and its path (the row's text, which runs read)
// elided so that the file name stays readable. The row's tooltip is its full path.
class PictureRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    PictureRowDelegate(ThumbnailLoader *thumbnails, QObject *parent = nullptr);

    // As narrow as a thumbnail: the text is elided to the row, so the list never scrolls sideways.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event,
                   QAbstractItemView *view,
                   const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    ThumbnailLoader *m_thumbnails;
};
