#pragma once

#include "engine/ostrak/ETPathFilter.h"

#include <QDialog>

#include <memory>
#include <optional>

class QAbstractButton;

namespace Ui {
class FolderSettingsWindow;
} // namespace Ui

namespace corvelle {

class TokenField;

// The sheet that edits an opened folder's two settings: whether its subfolders are searched, and
// the filter on the paths of its files, one token per path text. The caller sets both before the
// sheet shows and, when it ends with 1, writes them back to the folder's editor; the sheet never
// touches the editor. The path texts travel as a list from the filter to the tokens and back, so
// a path text holding a comma stays one entry.
class FolderSettingsWindowController : public QDialog {
    Q_OBJECT

public:
    explicit FolderSettingsWindowController(QWidget* parent = nullptr);
    ~FolderSettingsWindowController() override;

    bool recurseSubfolders() const { return recurseSubfolders_; }
    void setRecurseSubfolders(bool recurse);
    // None: the folder has no filter; after Apply there is always one, empty when no token is left.
    const std::optional<ostrak::ETPathFilter>& filePathFilter() const { return filePathFilter_; }
    void setFilePathFilter(const std::optional<ostrak::ETPathFilter>& filter);

    QAbstractButton* recurseSearchButton() const;
    TokenField* filePathsField() const;
    QAbstractButton* cancelButton() const;
    QAbstractButton* applyButton() const;

    void reloadControls();
    void readControls();

public Q_SLOTS:
    void cancelSheet();
    // Ends the typing (the text being typed becomes a token), reads the controls, ends with 1.
    void applySheet();

private:
    std::unique_ptr<Ui::FolderSettingsWindow> ui_;
    bool recurseSubfolders_ = false;
    std::optional<ostrak::ETPathFilter> filePathFilter_;
};

} // namespace corvelle
