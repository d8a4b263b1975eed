#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace brisa {

// Subviews that fill their container. A container without a layout gets a grid in which every
// filled subview takes the one cell, so they overlap and the container's size hints follow
// them; a container with a layout of its own keeps it, and the filled subviews lie over it,
// following its size.
class FilledSubview : public QObject {
    Q_OBJECT
public:
    // `view` becomes the container's only subview. The subviews it replaces are taken out
    // hidden and without parent: their owners delete them.
    static void setFilledSubview(QWidget* container, QWidget* view);
    // Adds `view` over the container's subviews, filling it.
    static void addFilledSubview(QWidget* container, QWidget* view);
    // Takes every subview out, as setFilledSubview() does.
    static void removeAllSubviews(QWidget* container);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FilledSubview(QWidget* container);
    static FilledSubview* overlayOf(QWidget* container);
    static void takeOutSubviews(QWidget* container, const QWidget* kept);
    void fit();

    QWidget* container_;
    QList<QPointer<QWidget>> views_;
};

} // namespace brisa
