#include "widgets/controls/DropFilesView.h"

#include <QDropEvent>
#include <QMimeData>

namespace corvelle {

namespace {

QList<QUrl> fileUrls(const QMimeData* data)
{
    QList<QUrl> files;
    if (!data)
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files << url;
    }
    return files;
}

bool refuse(const QList<QUrl>&)
{
    return false;
}

} // namespace

DropFilesView::DropFilesView(QWidget* parent)
    : QWidget(parent)
    , canImportHandler_(refuse)
    , importHandler_(refuse)
{
    setAcceptDrops(true);
}

void DropFilesView::setCanImportHandler(Handler handler)
{
    canImportHandler_ = handler ? std::move(handler) : Handler(refuse);
}

void DropFilesView::setImportHandler(Handler handler)
{
    importHandler_ = handler ? std::move(handler) : Handler(refuse);
}

// The answer given on entering stands for the whole drag: Qt carries it over to every move.
void DropFilesView::dragEnterEvent(QDragEnterEvent* event)
{
    offerTo(canImportHandler_, event);
}

void DropFilesView::dropEvent(QDropEvent* event)
{
    offerTo(importHandler_, event);
}

void DropFilesView::offerTo(const Handler& handler, QDropEvent* event) const
{
    const QList<QUrl> files = fileUrls(event->mimeData());
    if (files.isEmpty() || !(event->possibleActions() & Qt::CopyAction) || !handler(files)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

} // namespace corvelle
