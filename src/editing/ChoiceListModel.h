#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvelle {

// The rows of a list of choices that a search narrows: each choice has the value it stands for,
// the text its row shows, and the texts a search looks in.
class ChoiceListModel : public QAbstractListModel {
    Q_OBJECT

public:
    struct Choice {
        QString value;
        QString displayText;
        // A choice passes a search when every word is found in one of these.
        QStringList searchTexts;
    };

    static constexpr int ValueRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    void setChoices(const QList<Choice>& choices);
    // Keeps the choices, in order, that hold every word of the text (case, accents and width
    // ignored); a blank text keeps them all.
    void setSearchText(const QString& text);

    const QList<Choice>& filteredChoices() const { return filtered_; }
    std::optional<int> rowOfValue(const QString& value) const;
    std::optional<QString> valueAtRow(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void filter();

    QList<Choice> choices_;
    QList<Choice> filtered_;
    QString searchText_;
};

} // namespace corvelle
