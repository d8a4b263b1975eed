#include "editor/FileTagValueTableCellView.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ValueConverter.h"

#include <QDateTime>
#include <QLocale>

namespace corvelle {

namespace {

QVariant tagObjectValue(const halvex::TagEditor& editor, const ostrak::TagItem& item)
{
    const std::optional<QString> value = editor.currentValue(item.tagName());
    if (!value)
        return {};
    return ostrak::ValueConverter(item).objectValueFromStringValue(value);
}

} // namespace

FileTableColumn FileTagValueTableCellView::makeTagValueTableColumn(const QString& identifier,
                                                                   const ostrak::TagItem& item)
{
    return FileTableColumn::fixed(identifier, 150, item.title());
}

QString FileTagValueTableCellView::plainText(const halvex::TagEditor& editor, const ostrak::TagItem& item)
{
    const QVariant value = tagObjectValue(editor, item);
    if (value.typeId() != QMetaType::QString || value.toString().isEmpty())
        return QStringLiteral("-");
    return value.toString();
}

QString FileTagValueTableCellView::dateTimeText(const halvex::TagEditor& editor, const ostrak::TagItem& item)
{
    const QVariant value = tagObjectValue(editor, item);
    if (value.typeId() != QMetaType::QDateTime || !value.toDateTime().isValid())
        return QStringLiteral("-");
    return QLocale().toString(value.toDateTime(), QLocale::ShortFormat);
}

} // namespace corvelle
