#pragma once

#include <QList>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace corvelle {

// An area that takes files dropped on it and hands them to its owner. Only drags that carry
// local files are considered; the owner's canImportHandler decides whether a drag is taken
// (as a copy) when it enters, and its importHandler takes the files when they are dropped.
// Both handlers refuse until the owner sets them.
class DropFilesView : public QWidget {
    Q_OBJECT
public:
    using Handler = std::function<bool(const QList<QUrl>& fileUrls)>;

    explicit DropFilesView(QWidget* parent = nullptr);

    void setCanImportHandler(Handler handler);
    void setImportHandler(Handler handler);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void offerTo(const Handler& handler, QDropEvent* event) const;

    Handler canImportHandler_;
    Handler importHandler_;
};

} // namespace corvelle
