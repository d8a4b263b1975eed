#pragma once

#include "editor/EditorBarController.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QList>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QToolButton;

namespace Ui {
class EditorMapSidebar;
} // namespace Ui

namespace corvelle {

// The sidebar of the map section: the selected files' GPS position in four notations and their
// IPTC address on one line, each "-" when the files have none in common, or a placeholder when
// no file is selected. Above the values, seven location commands (copy, cut, paste, clear,
// restore, import and search), and copy, cut and paste again as buttons beneath. The sidebar
// changes no tag itself: each command goes to the window's location commands, and only while
// its rule holds. The values follow the file list and its selection, and every edit that
// touches the location tags of the selected files.
class EditorMapSidebarController : public EditorBarController {
    Q_OBJECT

public:
    // The seven commands, in the order of the segments, by the window command each sends.
    enum Segment { copySegment, cutSegment, pasteSegment, clearSegment, restoreSegment, importSegment, searchSegment };
    static const QStringList windowCommands;

    explicit EditorMapSidebarController(EditorViewController* editorViewController);
    ~EditorMapSidebarController() override;

    QWidget* editionView() const;
    QWidget* placeholderView() const;
    QLineEdit* coordinateDDdddddField() const;
    QLineEdit* coordinateDDMMmmmField() const;
    QLineEdit* coordinateDDMMSSsField() const;
    QLineEdit* coordinateISO6709Field() const;
    QLineEdit* addressIPTCField() const;
    QToolButton* segmentButton(int segment) const;
    QToolButton* copyButton() const;
    QToolButton* cutButton() const;
    QToolButton* pasteButton() const;
    // The action of each segment; the three buttons send the first three.
    QAction* segmentAction(int segment) const { return actions_.value(segment); }

    void setupViews() override;
    void updateInterface() override;
    void startObserving() override;
    void stopObserving() override;

    void reloadValues();

    bool canCopy() const;
    bool canCut() const;
    bool canPaste() const;
    bool canClear() const;
    bool canRestore() const;
    bool canImport() const;
    bool canSearch() const;
    bool canPerform(int segment) const;
    // Sends the segment's command to the window when its rule holds; a segment outside the
    // seven does nothing.
    void perform(int segment);

protected:
    void loadView() override;

private:
    void editionManagerDidFlushHistory(const brisa::Notification& note);
    bool hasSelection() const;
    bool windowAllows(const QString& command) const;

    std::unique_ptr<Ui::EditorMapSidebar> ui_;
    QList<QAction*> actions_;
    brisa::NoteSubscriber editionsManagerDidFlushHistorySubscriber_;
    brisa::NoteSubscriber fileListDidChangeFilesSubscriber_;
    brisa::NoteSubscriber taskManagerDidRemoveTaskSubscriber_;
};

} // namespace corvelle
