#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QWidget;

namespace corvelle {

// Makes a press and drag with the left button on a widget move the widget's window, and keeps
// those mouse events from the widget itself. The window system moves the window where it can;
// elsewhere the window follows the pointer.
class WindowDragArea : public QObject {
    Q_OBJECT
public:
    // Watches `widget` and lives as long as it.
    explicit WindowDragArea(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget_;
    std::optional<QPoint> grabOffset_;   // pointer position relative to the window while dragging
};

} // namespace corvelle
