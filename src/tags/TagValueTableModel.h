#pragma once

#include "engine/halvex/tags/TagValueTableContent.h"
#include "platform/brisa/core/IndexSet.h"

#include <QAbstractTableModel>

#include <optional>

namespace corvelle {

// The entries of a tag value table's content as rows of one column: a section heading or a tag
// row, each with the object value its cell draws (the heading text, or the row's ContentValue)
// and the cell that draws it. Headings cannot be selected. The model holds a copy of the
// content it shows; the bar hands it each new content in the way the table's note says.
class TagValueTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TagValueTableModel(QObject* parent = nullptr);
    ~TagValueTableModel() override;

    const std::optional<halvex::TagValueTableContent>& content() const { return content_; }

    // Everything may have changed: the model resets.
    void setContent(const std::optional<halvex::TagValueTableContent>& content);
    // The same entries: only these rows' values changed.
    void updateRows(const halvex::TagValueTableContent& content, const brisa::IndexSet& rows);
    // The same entries and values: only the selection changed, which the model does not show.
    void replaceContentQuietly(const halvex::TagValueTableContent& content);

    bool isSection(int row) const;
    // The tag row's display value; none for a heading, a row without one, or a row past the end.
    QVariant rowContent(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const halvex::TagValueTableEntry* entry(int row) const;

    std::optional<halvex::TagValueTableContent> content_;
};

} // namespace corvelle
