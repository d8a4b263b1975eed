#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>

class QKeyEvent;

namespace corvelle {

// The floating panel of the Quick Look window, without frame, moved by dragging its
// background. It never becomes the main window; it takes the keyboard while it is shown.
class QuickLookWindow : public QWidget {
    Q_OBJECT

public:
    // `content` fills the panel.
    explicit QuickLookWindow(QWidget* content, QWidget* parent = nullptr);

Q_SIGNALS:
    // The space key, which never reaches the panel's own handling.
    void spaceKeyPressed();
    // Any other key; a handler that does not take the event leaves it ignored.
    void keyPressed(QKeyEvent* event);
    // Another window became active.
    void didResignKey();
    void willClose();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPoint dragOffset_;
};

} // namespace corvelle
