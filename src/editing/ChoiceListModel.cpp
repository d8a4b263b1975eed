#include "editing/ChoiceListModel.h"

#include "platform/brisa/core/StringHelpers.h"

#include <QRegularExpression>

namespace corvelle {

void ChoiceListModel::setChoices(const QList<Choice>& choices)
{
    choices_ = choices;
    filter();
}

void ChoiceListModel::setSearchText(const QString& text)
{
    searchText_ = text;
    filter();
}

std::optional<int> ChoiceListModel::rowOfValue(const QString& value) const
{
    for (int row = 0; row < filtered_.size(); ++row) {
        if (filtered_.at(row).value == value)
            return row;
    }
    return std::nullopt;
}

std::optional<QString> ChoiceListModel::valueAtRow(int row) const
{
    if (row < 0 || row >= filtered_.size())
        return std::nullopt;
    return filtered_.at(row).value;
}

int ChoiceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(filtered_.size());
}

QVariant ChoiceListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Choice& choice = filtered_.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return choice.displayText;
    if (role == ValueRole)
        return choice.value;
    return QVariant();
}

void ChoiceListModel::filter()
{
    beginResetModel();
    const QStringList words = searchText_.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        filtered_ = choices_;
    } else {
        filtered_.clear();
        for (const Choice& choice : choices_) {
            for (const QString& text : choice.searchTexts) {
                if (brisa::containsAllWords(words, text)) {
                    filtered_.append(choice);
                    break;
                }
            }
        }
    }
    endResetModel();
}

} // namespace corvelle
