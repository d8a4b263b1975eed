#pragma once

#include "tags/EditorEditionCache.h"

#include <QObject>

#include <optional>

class QAbstractButton;
class QAction;
class QWidget;

namespace corvelle {

// The commands both hosts of the edit steps offer, one QAction each, owned by the host widget
// and named after the command: the eight one-click value actions (copy, cut, paste, clear,
// restore, quick actions, raw edit, force, in the order of the segment row), go back and
// continue (Ctrl+Return while the host has the focus). The host connects each action to its
// own body and asks this class to enable them.
class EditionValueActions : public QObject {
    Q_OBJECT

public:
    enum Segment { copy, cut, paste, clear, restore, quickActions, rawEdit, force };
    static constexpr int segmentCount = 8;

    explicit EditionValueActions(QWidget* host);

    QAction* segment(int index) const { return segments_.value(index); }
    const QList<QAction*>& segments() const { return segments_; }
    QAction* goBackAction() const { return goBack_; }
    QAction* continueAction() const { return continue_; }

    // Fills the row (its layout) with one tool button per segment.
    void addSegmentButtons(QWidget* row) const;
    // Copy needs one common value, cut that and writable tags, the others writable tags.
    void updateSegments(const EditorEditionCache& cache) const;
    static bool isSegmentEnabled(int index, const EditorEditionCache& cache);
    // The button and action of continue: "Continue" with Ctrl+Return when a step follows; on the
    // last step "Apply" with Ctrl+Return once there are changes, else "Done" with no key.
    void updateContinue(QAbstractButton* button, const std::optional<EditorEditionCacheStep>& nextStep,
                        bool hasValueChanges, bool canContinue) const;
    // Go back is hidden whenever it is disabled.
    void updateGoBack(QAbstractButton* button, bool canGoBack) const;

private:
    QList<QAction*> segments_;
    QAction* goBack_ = nullptr;
    QAction* continue_ = nullptr;
};

} // namespace corvelle
