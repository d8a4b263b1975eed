#pragma once

#include "engine/halvex/libraries/PhotosRemoteProfile.h"
#include "photos/RCProfileEditableProperty.h"
#include "tags/ContentValue.h"

#include <QAbstractListModel>

namespace corvelle {

// The nine rows of a remote profile's properties: two headings, then each property with how
// the profile sets it, drawn by the content cells (ContentValueTableCellView under
// ContentTableRowView). Without a profile every row shows its form for no edition.
class RCPropertyListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit RCPropertyListModel(QObject* parent = nullptr);

    const halvex::PhotosRemoteProfilePtr& profile() const { return profile_; }
    void setProfile(const halvex::PhotosRemoteProfilePtr& profile);
    // The profile's values changed: every row is drawn again.
    void reloadValues();

    static RCProfileEditableProperty property(int row);
    // What a value row shows of the profile (none: the forms for no edition).
    static ContentValue contentValue(RCProfileEditableProperty property, const halvex::PhotosRemoteProfile* profile);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    halvex::PhotosRemoteProfilePtr profile_;
};

} // namespace corvelle
