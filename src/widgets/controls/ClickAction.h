#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace corvelle {

// Makes a widget act like a button: every press of the left button (the second press of a
// double click too) runs the action, and no mouse press, drag or release reaches the widget,
// so a click never starts editing, selecting or pasting.
class ClickAction : public QObject {
    Q_OBJECT
public:
    // Watches `widget` and lives as long as it.
    ClickAction(QWidget* widget, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget_;
    std::function<void()> action_;
};

} // namespace corvelle
