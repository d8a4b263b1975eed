#pragma once

#include "widgets/settings/SettingsKeyTypes.h"

#include <QObject>
#include <QPointer>
#include <QSplitter>
#include <QTimer>

#include <chrono>

namespace corvelle {

// Turns the many steps of a divider drag into two notes on the default notification centre,
// with the split view as object: one when the user starts dragging a divider, one once the
// resizing has settled (no step for 0.3 s and the button released). Views suspend costly work
// (a map, row measuring) between the two. Resizing the window never counts: only the user's
// divider moves do.
//
// Given a ratio key, the tracker stores the share of the first pane in it when a resize has
// settled, before the note is posted, and restoreRatio() puts it back.
class SplitViewTracker : public QObject {
    Q_OBJECT

public:
    static const QString willStartResizingNotification;
    static const QString didEndResizingNotification;

    explicit SplitViewTracker(QSplitter* splitView, const Settings::CGFloatKey* ratioKey = nullptr,
                              QObject* parent = nullptr);
    ~SplitViewTracker() override;

    QSplitter* splitView() const { return splitView_; }
    bool isResizingSplitView() const { return isResizingSplitView_; }

    // The first pane's share of the split view's length along its orientation.
    static double ratio(const QSplitter& splitView);
    // Gives the first pane that share (clamped to 0..1); the other panes share the rest in
    // their current proportions.
    static void setRatio(QSplitter& splitView, double ratio);

    void saveRatio() const;
    void restoreRatio();

    static constexpr std::chrono::milliseconds settleDelay{300};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void splitViewWillResizeSubviews();
    void splitViewDidResizeSubviews();
    void settleCheck();
    void watchHandles();

    QPointer<QSplitter> splitView_;
    const Settings::CGFloatKey* ratioKey_;
    bool isResizingSplitView_ = false;
    bool dividerHeld_ = false;
    QTimer settleTimer_;
};

} // namespace corvelle
