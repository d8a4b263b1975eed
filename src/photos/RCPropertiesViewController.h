#pragma once

#include "engine/halvex/libraries/PhotosRemoteManager.h"
#include "photos/RCProfileEditableProperty.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QWidget>

#include <memory>
#include <optional>

class QPushButton;
class QTableView;

namespace Ui {
class RCPropertiesView;
}

namespace corvelle {

class ContentTableRowView;
class RCPropertyListModel;
class RCWindowController;

// The right side of the remote-profiles window: the properties of the first selected profile,
// under two headings, each row showing how the profile sets it. A double click, Return or the
// right arrow opens the row's sheet; the button applies the profile.
class RCPropertiesViewController : public QWidget {
    Q_OBJECT

public:
    RCPropertiesViewController(RCWindowController& windowController, halvex::PhotosRemoteManager& manager,
                               QWidget* parent = nullptr);
    ~RCPropertiesViewController() override;

    QTableView* tableView() const;
    QPushButton* applyChangesButton() const;
    QWidget* placeholderView() const;
    RCPropertyListModel* model() const { return model_; }
    const halvex::PhotosRemoteProfilePtr& profile() const;

    // A profile is shown and it holds an edit.
    bool canApplyChanges() const;
    // A profile is shown and a row is selected.
    bool canEditProperty() const;
    std::optional<RCProfileEditableProperty> selectedProperty() const;
    void editSelectedProperty();
    void updateInterface();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void pickProfile();
    void resizeRowHeights();

    RCWindowController& windowController_;
    halvex::PhotosRemoteManager& manager_;
    std::unique_ptr<Ui::RCPropertiesView> ui_;
    RCPropertyListModel* model_;
    ContentTableRowView* rowView_;
    brisa::NoteSubscriber managerSubscriber_;
    brisa::NoteSubscriber infoSubscriber_;
    brisa::NoteSubscriber valuesSubscriber_;
};

} // namespace corvelle
