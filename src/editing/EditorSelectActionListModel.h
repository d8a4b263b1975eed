#pragma once

#include "presets/FlatActionEdition.h"

#include <QAbstractListModel>

#include <optional>

namespace corvelle {

// The actions a kind of tag offers, one row each: the title, and whether it is the chosen one
// (CheckedRole, drawn as a check mark; the others as an empty circle).
class EditorSelectActionListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { CheckedRole = Qt::UserRole + 1 };

    explicit EditorSelectActionListModel(QObject* parent = nullptr);

    const QList<FlatActionEdition>& actionEditions() const { return actionEditions_; }
    void setActionEditions(const QList<FlatActionEdition>& editions);
    const std::optional<FlatActionEdition>& chosenEdition() const { return chosen_; }
    // Redraws the rows whose mark changes.
    void setChosenEdition(const std::optional<FlatActionEdition>& edition);
    // The row of an action; -1 when it is not listed.
    int rowOf(const std::optional<FlatActionEdition>& edition) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<FlatActionEdition> actionEditions_;
    std::optional<FlatActionEdition> chosen_;
};

} // namespace corvelle
