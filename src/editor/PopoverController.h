#pragma once

#include "editor/ViewController.h"

#include <QPointer>

#include <functional>

class QFrame;

namespace corvelle {

// A controller whose view is shown in a popover: a Qt::Popup frame next to another widget (a
// toolbar button, say), which closes when the user clicks elsewhere. At most one popover is
// open: showing one closes any other.
//
// A reload requested while the popover is open never changes the content under the user's
// eyes: the popover closes, the content reloads and it opens again at the requested place.
class PopoverController : public ViewController {
    Q_OBJECT

public:
    enum class Edge { top, bottom, left, right };

    explicit PopoverController(QWidget* parent = nullptr);
    ~PopoverController() override;

    // The frame holding the view, made on first request.
    QFrame* popover();
    bool isShown() const;
    // The widget the popover is shown next to; null while closed.
    QWidget* anchor() const;

    // Shows the popover at that edge of `view`, or moves it there when it is open.
    void show(QWidget* view, Edge edge);
    void close();
    // Closes the popover when open, else shows it.
    void toggle(QWidget* view, Edge edge);
    // Runs `reload`, then shows the popover; when it is open, it first closes, and the reload
    // and the showing wait until it has. A later request made meanwhile replaces the earlier.
    void reloadAndShow(QWidget* view, Edge edge, const std::function<void()>& reload);

    // Runs once the popover has closed (on the next turn of the event loop): runs the pending
    // reload-and-show, if any, once.
    virtual void popoverDidClose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QPointer<QFrame> popover_;
    QPointer<QWidget> anchor_;
    Edge edge_ = Edge::bottom;
    // Closed, but its did-close work has not run yet.
    bool closing_ = false;
    std::function<void()> afterCloseToggleReloadBlock_;

    static QPointer<PopoverController> shownPopover_;
};

} // namespace corvelle
