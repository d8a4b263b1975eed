#pragma once

#include "platform/brisa/ui/DynamicTouchBar.h"
#include "tags/ReducedTagSetUserChoice.h"

#include <QDialog>

#include <functional>

class QAbstractItemView;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace corvelle {

// What the tag and stream pickers share: a search field whose every change searches again, a
// busy indicator shown while the search runs, the caller's instructions above the lists, an
// optional tag-set pop-up (a setting shared by every tag picker), Cancel (ends with 0) and
// Apply (ends with 1, only when the picker has something to return), and their touch-bar
// twins. The up and down arrows typed in the search field move the selection of the list of
// results. Open it as a sheet (brisa::SheetPresenter) and read the result after 1.
class TagPickerSheet : public QDialog {
    Q_OBJECT

public:
    ~TagPickerSheet() override;

    // Shows a picker made for one question as a sheet of `host`'s window and deletes it once it
    // is answered; `applied` runs when it ends with Apply (read the picker's result there). A
    // picker that cannot be shown is deleted at once. Returns whether it is shown.
    static bool presentOnce(QWidget* host, TagPickerSheet* picker, std::function<void()> applied);

    const QString& instructions() const { return instructions_; }
    void setInstructions(const QString& text);

    virtual bool canApply() const = 0;
    virtual bool isSearching() const = 0;

    void cancelSheet();
    // Ends the sheet with 1 when canApply(); otherwise nothing.
    void applySheet();

    // Runs the search of the search field's text again.
    virtual void search() = 0;
    void updateInterface();

    brisa::DynamicTouchBar& touchBar() { return touchBar_; }

protected:
    struct Controls {
        QPushButton* cancelButton = nullptr;
        QPushButton* applyButton = nullptr;
        QLineEdit* searchField = nullptr;
        QProgressBar* progressIndicator = nullptr;
        QLabel* instructionsTitleField = nullptr;
        QAbstractItemView* resultsView = nullptr;
        QComboBox* reducedTagSetPopUpButton = nullptr;
        // The title of the touch-bar twin of Apply.
        QString applyTouchButtonKey = QStringLiteral("EditorPanelApplyTouchButton");
    };

    explicit TagPickerSheet(QWidget* parent);
    // Wires the shared controls; call once the form is set up. A sheet without instructions
    // passes no instructions field.
    void setupSheet(const Controls& controls);
    // The controls of the subclass, refreshed by updateInterface().
    virtual void updateControls() {}

    QString searchText() const;
    static ReducedTagSetUserChoice reducedTagSetChoice();
    // Stores the pop-up's choice (chosen tags when none) for every tag picker, then searches.
    void changeTagSet();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Controls controls_;
    QString instructions_;
    brisa::DynamicTouchBar touchBar_;
};

} // namespace corvelle
