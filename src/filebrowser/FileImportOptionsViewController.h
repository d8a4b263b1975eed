#pragma once

#include "platform/brisa/core/NoteSubscriber.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QAbstractButton;
class QPushButton;
class QWidget;

namespace Ui {
class FileImportOptionsView;
} // namespace Ui

namespace corvelle {

class TokenField;

// The options for folders being opened: whether a folder gives its files instead of itself,
// whether its subfolders are gone through too, and which file types are kept. The controls
// write the standard settings directly and follow them while shown; the pane ends its sheet
// through its Continue button only, with return code 1.
class FileImportOptionsViewController : public QObject {
    Q_OBJECT

public:
    explicit FileImportOptionsViewController(QObject* parent = nullptr);
    ~FileImportOptionsViewController() override;

    // Made from the form FileImportOptionsView on first request; the controller's own.
    QWidget* view();
    bool isViewLoaded() const { return !view_.isNull(); }

    QAbstractButton* unfoldFoldersRadioButton() const;
    QAbstractButton* useRecursiveRadioButton() const;
    TokenField* unfoldAllowedTypesField() const;
    QPushButton* continueButton() const;
    // The number of allowed types the field showed when the settings were last read.
    int lastAllowedTypesCount() const { return lastAllowedTypesCount_; }

    // Shows the three settings; the dependent controls are enabled only while unfolding is on.
    void reloadControls();

public Q_SLOTS:
    void changeUnfoldFolders();
    void changeRecursiveUnfold();
    void changeUnfoldAllowedTypes();
    // Ends the editing in the sheet, then the sheet with return code 1; a field that refuses to
    // end its editing keeps the sheet open.
    void continueSheetView();

private:
    void viewDidLoad();
    void userDefaultsDidSetKey(const brisa::Notification& note);
    // Stores the tokens as soon as their number changes while the user types.
    void controlTextDidChange();

    std::unique_ptr<Ui::FileImportOptionsView> ui_;
    QPointer<QWidget> view_;
    int lastAllowedTypesCount_ = 0;
    brisa::NoteSubscriber userSettingsDidSyncKeySubscriber_;
};

} // namespace corvelle
