#include "editor/FileTextTableCellView.h"

#include "engine/halvex/tags/TagEditor.h"
#include "filemodel/MetadataFileListModel.h"
#include "platform/brisa/core/FutureDelivery.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QToolTip>
#include <QtConcurrent>

namespace corvelle {

namespace {

// Values kept for rows out of sight; a row scrolled back beyond them is read again.
constexpr int deferredTextsKept = 4096;

} // namespace

FileTextTableCellView::FileTextTableCellView(QObject* parent)
    : FileItemTableCellView(parent)
    , deferredTexts_(deferredTextsKept)
{
}

FileTableCellType FileTextTableCellView::cellType()
{
    return typeOf<FileTextTableCellView>(QStringLiteral("FileTextTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("FileTextTableColumn")};
    });
}

QString FileTextTableCellView::text(const QModelIndex& index) const
{
    const QVariant value = objectValue(index);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

QString FileTextTableCellView::displayedText(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int available = std::max(1, contentRect(option.rect).width());
    return option.fontMetrics.elidedText(text(index), elideMode(), available);
}

void FileTextTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->setFont(option.font);
    painter->setPen(foregroundColor(option));
    painter->drawText(contentRect(option.rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      displayedText(option, index));
}

bool FileTextTableCellView::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                      const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return FileItemTableCellView::helpEvent(event, view, option, index);
    const QString whole = text(index);
    if (whole.isEmpty() || displayedText(option, index) == whole)
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), whole, view ? view->viewport() : nullptr, option.rect);
    return true;
}

QString FileTextTableCellView::deferredText(const QModelIndex& index, const StringValueMaker& maker) const
{
    const MetadataFilePointer shown = file(index);
    if (!shown)
        return QStringLiteral("-");
    const std::shared_ptr<halvex::TagEditor> editor = shown->editor();
    const int revision = index.data(MetadataFileListModel::RevisionRole).toInt();
    if (const DeferredText* known = deferredTexts_.object(editor.get());
        known && known->editor.lock() == editor && known->revision == revision) {
        return known->text;
    }
    // The earlier text stands while the new one is made: an edit does not flash a "-".
    QString standing = QStringLiteral("-");
    if (const DeferredText* earlier = deferredTexts_.object(editor.get()); earlier && earlier->editor.lock() == editor)
        standing = earlier->text;
    deferredTexts_.insert(editor.get(), new DeferredText{editor, revision, standing});
    if (deferredRequests_.isEmpty())
        QMetaObject::invokeMethod(const_cast<FileTextTableCellView*>(this), &FileTextTableCellView::makeDeferredTexts,
                                  Qt::QueuedConnection);
    deferredRequests_.append({editor, revision, maker, QPersistentModelIndex(index)});
    return standing;
}

void FileTextTableCellView::makeDeferredTexts()
{
    const QList<DeferredRequest> requests = std::exchange(deferredRequests_, {});
    if (requests.isEmpty())
        return;
    QList<std::pair<std::shared_ptr<halvex::TagEditor>, StringValueMaker>> work;
    work.reserve(requests.size());
    for (const DeferredRequest& request : requests)
        work.append({request.editor, request.maker});
    const quint64 batch = ++lastDeferredBatch_;
    deferredBatches_.insert(batch, requests);
    brisa::deliverWhenFinished(this, QtConcurrent::run([work] {
        QStringList texts;
        texts.reserve(work.size());
        for (const auto& [editor, maker] : work)
            texts << maker(*editor);
        return texts;
    }), [this, batch](const QStringList& texts) { deferredTextsDidArrive(batch, texts); });
}

void FileTextTableCellView::deferredTextsDidArrive(quint64 batch, const QStringList& texts)
{
    const QList<DeferredRequest> requests = deferredBatches_.take(batch);
    for (qsizetype at = 0; at < requests.size() && at < texts.size(); ++at) {
        const DeferredRequest& request = requests[at];
        DeferredText* entry = deferredTexts_.object(request.editor.get());
        // The row may show another revision, or the entry another editor, by now.
        if (!entry || entry->editor.lock() != request.editor || entry->revision != request.revision)
            continue;
        entry->text = texts[at];
        updateIndex(request.index);
    }
}

} // namespace corvelle
