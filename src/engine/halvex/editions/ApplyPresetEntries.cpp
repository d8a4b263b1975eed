#include "engine/halvex/editions/ApplyPresetEntries.h"

#include "engine/halvex/dates/DateEdition.h"
#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/TextReplacement.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagFamilies.h"
#include "engine/ostrak/ValueConverter.h"

#include <QCollator>

#include <algorithm>

namespace halvex {

namespace {

using Action = UseCustomActionSettings::Action;
using Formatter = CopyTagValueSettings::Formatter;
using ostrak::TagName;

// An entry with what it needs prepared once for every editor.
struct PreparedEntry {
    PresetItem::Entry entry;
    ostrak::TagItem tagItem;
    // The tag holds a list of items. Language alternatives (Alt) are one text in several
    // languages, not a list.
    bool isList = false;
    std::optional<TextReplacement> replacement;
    std::optional<DateEdition> dateEdition;
};

// Binary data left in the file: no text stands for it.
bool holdsBinary(const TagEditor& editor, const TagName& tagName)
{
    if (editor.isEdited(tagName))
        return false;
    const std::optional<TagValue> stored = editor.originalValue(tagName);
    return stored && stored->isBinary();
}

// The tag's current items, edits included; none when it has no value or holds binary data.
std::optional<QStringList> currentItems(const TagEditor& editor, const TagName& tagName)
{
    if (holdsBinary(editor, tagName))
        return std::nullopt;
    return editor.currentValues(tagName);
}

// An empty value is never written: an edit left without item removes the tag.
void setItems(TagEditor& editor, const TagName& tagName, QStringList items)
{
    items.removeAll(QString());
    if (items.isEmpty())
        editor.clearValue(tagName);
    else
        editor.setValues(items, tagName);
}

QString capitalized(const QString& text)
{
    QString result;
    bool wordStart = true;
    for (const char32_t c : text.toUcs4()) {
        if (wordStart) {
            const char32_t title = QChar::toTitleCase(c);
            result.append(QString::fromUcs4(&title, 1));
        } else {
            result.append(QString::fromUcs4(&c, 1).toLower());
        }
        wordStart = QChar::isSpace(c);
    }
    return result;
}

QStringList sorted(QStringList items, bool ascending)
{
    // The C locale orders by code points, which puts "école" after "zèbre".
    QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(items.begin(), items.end(), [&collator, ascending](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return ascending ? order < 0 : order > 0;
    });
    return items;
}

QStringList acted(const QStringList& items, Action action)
{
    QStringList result;
    for (const QString& item : items) {
        switch (action) {
        case Action::lowercase:
            result.append(item.toLower());
            break;
        case Action::uppercase:
            result.append(item.toUpper());
            break;
        case Action::capitalize:
            result.append(capitalized(item));
            break;
        case Action::trimWhiteSpace:
            result.append(item.trimmed());
            break;
        default:
            result.append(item);
            break;
        }
    }
    if (action == Action::sortAscending || action == Action::sortDescending)
        return sorted(result, action == Action::sortAscending);
    return result;
}

void applyCustomAction(TagEditor& editor, const TagName& tagName, Action action)
{
    if (action == Action::remove) {
        editor.clearValue(tagName);
        return;
    }
    if (action == Action::restoreOriginal) {
        editor.restoreValue(tagName);
        return;
    }
    if (const std::optional<QStringList> items = currentItems(editor, tagName))
        setItems(editor, tagName, acted(*items, action));
}

// A value that a choice tag holds is either its stored value or its description.
QString rawItem(const ostrak::TagItem& item, const QString& value)
{
    if (item.choices().isEmpty() || item.indexOfValue(value))
        return value;
    return item.valueOfDescription(value).value_or(value);
}

QString prettyItem(const ostrak::TagItem& item, const QString& value)
{
    return item.descriptionOfValue(value).value_or(value);
}

std::optional<QStringList> copiedItems(const TagEditor& editor, const TagName& source, Formatter formatter)
{
    if (const std::optional<TagEdit> edit = editor.edit(source)) {
        if (!edit->values)
            return std::nullopt;
        const ostrak::TagItem item = TagEditor::tagItem(source);
        QStringList items;
        for (const QString& value : *edit->values)
            items.append(formatter == Formatter::raw ? rawItem(item, value) : prettyItem(item, value));
        return items;
    }
    const std::optional<TagValue> stored = editor.originalValue(source);
    if (!stored || stored->isBinary())
        return std::nullopt;
    if (formatter == Formatter::pretty)
        return stored->values();
    return stored->isList() ? stored->numericItems() : QStringList{stored->numericText()};
}

QStringList inserted(const std::optional<QStringList>& current, const QStringList& added,
                     PresetValueInsertion insertion, bool isList)
{
    if (insertion == PresetValueInsertion::replace || !current)
        return added;
    if (isList)
        return insertion == PresetValueInsertion::prepend ? added + *current : *current + added;
    const QString text = current->join(QStringLiteral(", "));
    const QString addedText = added.join(QStringLiteral(", "));
    return {insertion == PresetValueInsertion::prepend ? addedText + text : text + addedText};
}

// Puts new items into the tag, as the insertion says.
void insert(TagEditor& editor, const PreparedEntry& prepared, const QStringList& added, PresetValueInsertion insertion)
{
    const TagName& tagName = prepared.entry.tagName;
    std::optional<QStringList> current;
    if (insertion != PresetValueInsertion::replace) {
        // Binary data has no text to add to.
        if (holdsBinary(editor, tagName))
            return;
        current = currentItems(editor, tagName);
    }
    setItems(editor, tagName, inserted(current, added, insertion, prepared.isList));
}

void applyDateEdition(TagEditor& editor, const TagName& tagName, const DateEdition& edition)
{
    // A text, or the restore and clear markers, which the editor acts on; none when no real date
    // comes out, and the tag is then left as it is.
    if (const std::optional<QString> edited = edition.editedValue(editor.currentValue(tagName)))
        editor.setValue(edited, tagName);
}

void apply(TagEditor& editor, const PreparedEntry& prepared)
{
    const TagName& tagName = prepared.entry.tagName;
    const PresetEdition& edition = prepared.entry.edition;
    const std::optional<UseCustomActionSettings> action = edition.customActionSettings();
    if (!prepared.tagItem.isWritable() && !(action && action->action == Action::restoreOriginal))
        return;
    // An entry for a block the file's format has no room for does nothing: a location preset
    // names every family, and a photo takes no QuickTime atoms.
    if (!TagFamilies::canHold(editor, tagName))
        return;

    switch (edition.kind()) {
    case PresetEdition::Kind::keepCurrentValue:
        return;
    case PresetEdition::Kind::useCustomAction:
        applyCustomAction(editor, tagName, action->action);
        return;
    case PresetEdition::Kind::copyTagValue: {
        const CopyTagValueSettings settings = *edition.copyTagValueSettings();
        const std::optional<QStringList> copied = copiedItems(editor, settings.tagName, settings.formatter);
        if (!copied)
            return;
        insert(editor, prepared,
               prepared.isList ? *copied : QStringList{copied->join(QStringLiteral(", "))},
               settings.insertion);
        return;
    }
    case PresetEdition::Kind::useCustomValue: {
        if (prepared.dateEdition) {
            applyDateEdition(editor, tagName, *prepared.dateEdition);
            return;
        }
        const UseCustomValueSettings settings = *edition.customValueSettings();
        const QStringList added = prepared.isList
                                      ? prepared.tagItem.converter().objectValueFromStringValue(settings.value).toStringList()
                                      : QStringList{settings.value};
        insert(editor, prepared, added, settings.insertion);
        return;
    }
    case PresetEdition::Kind::searchAndReplace: {
        if (!prepared.replacement->isValid())
            return;
        const std::optional<QStringList> items = currentItems(editor, tagName);
        if (!items)
            return;
        QStringList replaced;
        for (const QString& item : *items)
            replaced.append(prepared.replacement->apply(item));
        setItems(editor, tagName, replaced);
        return;
    }
    }
}

} // namespace

QList<LocalizedText> applyPresetEntries(const QList<std::shared_ptr<TagEditor>>& editors,
                                        const QList<PresetItem::Entry>& entries)
{
    // One edition: a direct call flushes its history once, a call inside an edition task joins it.
    const EditionManager::Scope edition;
    QList<LocalizedText> problems;
    QList<PreparedEntry> prepared;
    for (const PresetItem::Entry& entry : entries) {
        PreparedEntry ready{entry, TagEditor::tagItem(entry.tagName), false, std::nullopt, std::nullopt};
        const ostrak::TagItem::ListKind listKind = ready.tagItem.listKind();
        ready.isList = listKind != ostrak::TagItem::ListKind::None && listKind != ostrak::TagItem::ListKind::Alt;
        if (const auto settings = entry.edition.searchAndReplaceSettings()) {
            ready.replacement.emplace(*settings);
            if (!ready.replacement->isValid()) {
                const LocalizedText problem{QStringLiteral("PresetSearchPatternError"),
                                            {settings->searchString, ready.replacement->errorString()}};
                if (!problems.contains(problem))
                    problems.append(problem);
            }
        }
        if (const auto settings = entry.edition.customValueSettings()) {
            if (ready.tagItem.type().isDateTimeOrPartial())
                ready.dateEdition = DateEdition::fromDescription(settings->value);
        }
        prepared.append(ready);
    }
    for (const std::shared_ptr<TagEditor>& editor : editors) {
        if (!editor)
            continue;
        for (const PreparedEntry& entry : prepared)
            apply(*editor, entry);
    }
    return problems;
}

} // namespace halvex
