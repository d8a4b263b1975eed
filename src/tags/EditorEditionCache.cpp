#include "tags/EditorEditionCache.h"

#include "editing/EditionKindTraits.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagValueMarker.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/ValueConverter.h"

#include <functional>
#include <memory>

#include <algorithm>

namespace corvelle {

namespace {

using Edition = std::function<void(const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems)>;

QList<ostrak::TagName> tagNamesOf(const QList<ostrak::TagItem>& tagItems)
{
    QList<ostrak::TagName> names;
    names.reserve(tagItems.size());
    for (const ostrak::TagItem& item : tagItems)
        names.append(item.tagName());
    return names;
}

// One unlabelled edition task over the whole set: the closure runs once and edits every editor
// of the captured list together.
void queueEdition(const std::optional<EditorEditionCache::ValueSet>& valueSet, Edition edition)
{
    if (!valueSet)
        return;
    const halvex::TagEditorList editors(valueSet->editors());
    const QList<ostrak::TagItem> tagItems = valueSet->tagItems();
    auto task = std::make_shared<halvex::EditionTask>(
        [editors, tagItems, edition = std::move(edition)] { edition(editors, tagItems); });
    halvex::TaskManager::shared().add(task);
}

void setEveryTag(const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems,
                 const std::optional<QString>& marker)
{
    halvex::TagEditorList::Values values;
    for (const ostrak::TagItem& item : tagItems)
        values.insert(item.tagName(), marker);
    editors.setValues(values);
}

// The text through each tag's converter; tags that refuse it keep their value.
void writeConverted(const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems,
                    const std::optional<QString>& text)
{
    for (const ostrak::TagItem& item : tagItems) {
        const std::optional<QString> value =
            text ? ostrak::ValueConverter(item).stringValueFromStringValue(*text) : std::nullopt;
        if (value)
            editors.setValue(value, item.tagName());
    }
}

} // namespace

EditorEditionCache::EditorEditionCache(const std::optional<ValueSet>& valueSet)
    : originalValueSet_(valueSet), filteredValueSet_(valueSet)
{
    if (hasMixedEditionTypes())
        filteredValueSet_.reset();
}

const std::optional<EditorEditionCache::ValueSet>& EditorEditionCache::valueSet() const
{
    return filteredValueSet_ ? filteredValueSet_ : originalValueSet_;
}

bool EditorEditionCache::hasMixedEditionTypes() const
{
    const std::optional<ValueSet>& set = valueSet();
    if (!set || set->tagItems().isEmpty())
        return false;
    const QList<ostrak::TagItem>& items = set->tagItems();
    const EditionKind first = EditionKindTraits::editionViewControllerKind(items.first());
    for (qsizetype i = 1; i < items.size(); ++i) {
        if (EditionKindTraits::editionViewControllerKind(items.at(i)) != first)
            return true;
    }
    return false;
}

bool EditorEditionCache::hasSingleValue() const
{
    const std::optional<ValueSet>& set = valueSet();
    return set && set->commonValue().kind() == halvex::MultiValuedString::Kind::single;
}

bool EditorEditionCache::hasDateTimeTags() const
{
    const std::optional<ValueSet>& set = valueSet();
    return set && std::any_of(set->tagItems().cbegin(), set->tagItems().cend(),
                              [](const ostrak::TagItem& item) { return item.type().isDateTimeOrPartial(); });
}

bool EditorEditionCache::isWritable() const
{
    const std::optional<ValueSet>& set = valueSet();
    return set && set->isWritable();
}

bool EditorEditionCache::copyValues() const
{
    if (!hasSingleValue())
        return false;
    halvex::TagPasteboard::shared().setText(valueSet()->commonValue().value().value_or(QString()));
    return true;
}

bool EditorEditionCache::cutValues() const
{
    if (!canCut() || !copyValues())
        return false;
    queueEdition(valueSet(), [](const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems) {
        editors.setValue(halvex::TagValueClear, tagNamesOf(tagItems));
    });
    return true;
}

bool EditorEditionCache::pasteValues() const
{
    if (!halvex::TagPasteboard::shared().text())
        return false;
    // The text is read when the task runs, so that a copy queued before this paste is seen.
    queueEdition(valueSet(), [](const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems) {
        halvex::TagPasteboard::shared().pasteTextWhenRun(
            [&](const QString& text) { writeConverted(editors, tagItems, text); })();
    });
    return true;
}

void EditorEditionCache::applyValue(const std::optional<QString>& text) const
{
    queueEdition(valueSet(), [text](const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems) {
        writeConverted(editors, tagItems, text);
    });
}

void EditorEditionCache::applyRawValue(const std::optional<QString>& text) const
{
    queueEdition(valueSet(), [text](const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems) {
        for (const ostrak::TagItem& item : tagItems)
            editors.setValue(text, item.tagName());
    });
}

bool EditorEditionCache::restoreValues() const
{
    if (!isWritable())
        return false;
    queueEdition(valueSet(), [](const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems) {
        setEveryTag(editors, tagItems, halvex::TagValueRestore);
    });
    return true;
}

bool EditorEditionCache::clearValues() const
{
    if (!isWritable())
        return false;
    queueEdition(valueSet(), [](const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems) {
        setEveryTag(editors, tagItems, halvex::TagValueClear);
    });
    return true;
}

bool EditorEditionCache::forceValues() const
{
    if (!isWritable())
        return false;
    queueEdition(valueSet(), [](const halvex::TagEditorList& editors, const QList<ostrak::TagItem>& tagItems) {
        editors.forceValues(tagNamesOf(tagItems));
    });
    return true;
}

} // namespace corvelle
