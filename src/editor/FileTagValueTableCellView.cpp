#include "editor/FileTagValueTableCellView.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/HistoryEdition.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ValueConverter.h"

#include <QDateTime>
#include <QLocale>
#include <QtConcurrent>

namespace corvelle {

namespace {

QVariant objectValue(const halvex::TagEditor& editor, const ostrak::TagItem& item)
{
    const std::optional<QString> value = editor.currentValue(item.tagName());
    if (!value)
        return {};
    return ostrak::ValueConverter(item).objectValueFromStringValue(value);
}

} // namespace

FileTagValueTableCellView::FileTagValueTableCellView(QWidget* parent)
    : FileTextTableCellView(parent)
{
}

void FileTagValueTableCellView::updateContent()
{
    setText(QStringLiteral("-"));
    reloadValue();
}

void FileTagValueTableCellView::reloadValue()
{
    if (!file())
        return;
    const std::shared_ptr<halvex::TagEditor> editor = file()->editor();
    QtConcurrent::run([maker = makeStringValue(), editor] { return maker(*editor); })
        .then(this, [this, editor](const QString& text) {
            // The cell may show another file by now.
            if (file() && file()->editor() == editor)
                setText(text);
        });
}

void FileTagValueTableCellView::startObserving()
{
    editionsManagerDidFlushHistorySubscriber_.subscribe(
        halvex::EditionManager::didFlushHistoryNotification, nullptr, [this](const brisa::Notification& note) {
            const std::optional<halvex::HistoryEdition> history = halvex::EditionManager::history(note);
            if (history && file() && history->hasEditions({file()->editor()}, {displayedTagItem().tagName()}))
                reloadValue();
        });
}

void FileTagValueTableCellView::stopObserving()
{
    editionsManagerDidFlushHistorySubscriber_.unsubscribe();
}

FileTableColumn FileTagValueTableCellView::makeTagValueTableColumn(const QString& identifier,
                                                                   const ostrak::TagItem& item)
{
    return FileTableColumn::fixed(identifier, 150, item.title());
}

QString FileTagValueTableCellView::plainText(const halvex::TagEditor& editor, const ostrak::TagItem& item)
{
    const QVariant value = objectValue(editor, item);
    if (value.typeId() != QMetaType::QString || value.toString().isEmpty())
        return QStringLiteral("-");
    return value.toString();
}

QString FileTagValueTableCellView::dateTimeText(const halvex::TagEditor& editor, const ostrak::TagItem& item)
{
    const QVariant value = objectValue(editor, item);
    if (value.typeId() != QMetaType::QDateTime || !value.toDateTime().isValid())
        return QStringLiteral("-");
    return QLocale().toString(value.toDateTime(), QLocale::ShortFormat);
}

} // namespace corvelle
