#pragma once

#include "editor/FileItemTableCellView.h"

#include <QCache>
#include <QHash>
#include <QPersistentModelIndex>

#include <functional>
#include <memory>

namespace halvex {
class TagEditor;
} // namespace halvex

namespace corvelle {

// A cell showing one line of text, cut where the column is too narrow (at its end unless the
// cell says otherwise), with the whole text as its tool tip when it is cut.
class FileTextTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    explicit FileTextTableCellView(QObject* parent = nullptr);

    static FileTableCellType cellType();

    // The whole text: the cell's value when it is a text, else an empty text.
    virtual QString text(const QModelIndex& index) const;
    virtual Qt::TextElideMode elideMode() const { return Qt::ElideRight; }
    // The text as far as it fits a cell of that rectangle, with an ellipsis where it is cut.
    QString displayedText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Makes the text of an editor; it runs on a worker thread, so it holds no reference to the cell.
    using StringValueMaker = std::function<QString(const halvex::TagEditor& editor)>;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The text `maker` makes of the row's editor off the main thread: "-" until it arrives (the
    // cell is then repainted), again whenever the row's revision changes.
    QString deferredText(const QModelIndex& index, const StringValueMaker& maker) const;

private:
    struct DeferredText {
        std::weak_ptr<halvex::TagEditor> editor;
        int revision = 0;
        QString text;
    };
    struct DeferredRequest {
        std::shared_ptr<halvex::TagEditor> editor;
        int revision = 0;
        StringValueMaker maker;
        QPersistentModelIndex index;
    };
    // The texts asked for while painting are made together, in one job per turn of the event
    // loop: a job per cell would wake a worker thread per cell at every scroll step.
    void makeDeferredTexts();
    void deferredTextsDidArrive(quint64 batch, const QStringList& texts);

    mutable QCache<const halvex::TagEditor*, DeferredText> deferredTexts_;
    mutable QList<DeferredRequest> deferredRequests_;
    // The requests of the jobs under way, kept on this thread (their indexes belong to it).
    QHash<quint64, QList<DeferredRequest>> deferredBatches_;
    quint64 lastDeferredBatch_ = 0;
};

} // namespace corvelle
