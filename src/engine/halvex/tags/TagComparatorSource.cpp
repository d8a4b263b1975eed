#include "engine/halvex/tags/TagComparatorSource.h"

namespace halvex {

void TagComparatorSource::setSearch(const QString& search)
{
    if (search == search_)
        return;
    search_ = search;
    narrow();
}

void TagComparatorSource::setTable(std::shared_ptr<const TagComparatorTable> table)
{
    table_ = std::move(table);
    narrow();
}

std::shared_ptr<const TagComparatorTable> TagComparatorSource::exportTable() const
{
    return shown_ && shown_->hasTagRows() ? shown_ : nullptr;
}

bool TagComparatorSource::isEmpty() const
{
    return !table_ || !table_->hasTagRows();
}

int TagComparatorSource::numberOfRows() const
{
    return shown_ ? int(shown_->rows().size()) : 0;
}

int TagComparatorSource::numberOfColumns() const
{
    return shown_ ? shown_->numberOfColumns() : 0;
}

QString TagComparatorSource::columnTitle(int column) const
{
    return shown_ ? shown_->columnTitle(column) : QString();
}

TagComparatorRow TagComparatorSource::row(int index) const
{
    if (!shown_ || index < 0 || index >= shown_->rows().size())
        return TagComparatorRow(QString());
    return shown_->rows().at(index);
}

void TagComparatorSource::narrow()
{
    if (!table_) {
        shown_.reset();
        return;
    }
    shown_ = search_.trimmed().isEmpty() ? table_ : std::make_shared<const TagComparatorTable>(table_->narrowed(search_));
}

} // namespace halvex
