#include "filebrowser/FileCollectionViewItem.h"

#include "engine/halvex/places/TagEditorLocation.h"
#include "engine/halvex/tags/TagEditor.h"
#include "filemodel/MetadataFileListModel.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QIcon>
#include <QPainter>
#include <QToolTip>

namespace corvelle {

namespace {

constexpr int badgeSide = 16;

QString singleLine(QString text)
{
    // A name holding line breaks (or other control characters) stays on its one line.
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QChar(0x2423);
    }
    return text;
}

} // namespace

FileCollectionViewItem::FileCollectionViewItem(QObject* parent)
    : ImageCollectionViewItem(parent)
    , coordinates_(2000)
{
}

QPixmap FileCollectionViewItem::image(const QModelIndex& index) const
{
    return index.data(Qt::DecorationRole).value<QPixmap>();
}

QRect FileCollectionViewItem::pictureArea(const QRect& itemRect) const
{
    return itemRect.adjusted(0, 0, 0, -nameHeight);
}

QRect FileCollectionViewItem::nameRect(const QRect& itemRect) const
{
    return QRect(itemRect.left() + contentInset, itemRect.bottom() - nameHeight + 1,
                 std::max(0, itemRect.width() - 2 * contentInset), nameHeight);
}

QFont FileCollectionViewItem::nameFont(const QFont& base) const
{
    QFont font = base;
    font.setPixelSize(nameHeight - 3);
    return font;
}

QString FileCollectionViewItem::displayedName(const QModelIndex& index, const QRect& itemRect, const QFont& font) const
{
    const MetadataFilePointer file = MetadataFileListModel::fileOf(index);
    if (!file)
        return {};
    return QFontMetrics(nameFont(font)).elidedText(singleLine(file->filename()), Qt::ElideMiddle, nameRect(itemRect).width());
}

bool FileCollectionViewItem::hasCoordinate(const QModelIndex& index) const
{
    const MetadataFilePointer file = MetadataFileListModel::fileOf(index);
    if (!file)
        return false;
    const int revision = index.data(MetadataFileListModel::RevisionRole).toInt();
    const void* key = file->editor().get();
    if (const Coordinate* known = coordinates_.object(key); known && known->revision == revision)
        return known->present;
    const bool present = halvex::gpsCoordinate(*file->editor()).has_value();
    coordinates_.insert(key, new Coordinate{revision, present});
    return present;
}

bool FileCollectionViewItem::isEdited(const QModelIndex& index) const
{
    const MetadataFilePointer file = MetadataFileListModel::fileOf(index);
    return file && file->editor()->hasEdits();
}

QSize FileCollectionViewItem::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return itemSize_;
}

bool FileCollectionViewItem::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                       const QModelIndex& index)
{
    if (event->type() == QEvent::ToolTip) {
        if (const MetadataFilePointer file = MetadataFileListModel::fileOf(index)) {
            QToolTip::showText(event->globalPos(), file->url().toLocalFile(), view);
            return true;
        }
    }
    return ImageCollectionViewItem::helpEvent(event, view, option, index);
}

void FileCollectionViewItem::paintExtras(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QPixmap picture = image(index);
    if (!picture.isNull() && hasCoordinate(index)) {
        static const QIcon badge(QStringLiteral(":/icons/mappin.badge.svg"));
        const QRect shown = imageRect(picture.deviceIndependentSize(), option.rect);
        const QRect inner = shown.adjusted(contentInset, contentInset, -contentInset, -contentInset);
        if (inner.width() >= badgeSide && inner.height() >= badgeSide)
            badge.paint(painter, QRect(inner.right() - badgeSide + 1, inner.bottom() - badgeSide + 1, badgeSide, badgeSide));
    } else if (picture.isNull() && !index.data(MetadataFileListModel::ThumbnailMadeRole).toBool()) {
        // Waiting for the thumbnail: three dots in the middle of the picture area.
        const QPoint centre = pictureArea(option.rect).center();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(option.palette.color(QPalette::PlaceholderText));
        for (int dot = -1; dot <= 1; ++dot)
            painter->drawEllipse(QPointF(centre.x() + dot * 7, centre.y()), 2.2, 2.2);
    }
    const QFont font = nameFont(option.font);
    painter->setFont(font);
    painter->setPen(isEdited(index) ? option.palette.color(QPalette::Active, QPalette::Highlight)
                                    : option.palette.color(QPalette::Text));
    painter->drawText(nameRect(option.rect), Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                      displayedName(index, option.rect, option.font));
}

} // namespace corvelle
