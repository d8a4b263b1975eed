#include "editing/GenericEditionViewController.h"

#include "editing/ValueDisplayTexts.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

GenericEditionViewController::GenericEditionViewController(QWidget* parent)
    : QWidget(parent)
{
}

GenericEditionViewController::~GenericEditionViewController() = default;

ContentValue GenericEditionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    ContentValue value;
    value.title = row.tagItem().title();
    value.alternateTitle = row.tagItem().tagName().rawValue();
    value.notes = tagNote(row.tagItem().tagName());
    value.source = QVariant::fromValue(row);
    switch (row.valueState()) {
    case halvex::TagValueTableRowValue::ValueState::single:
        value.item = ContentValue::Item::text(row.valueText());
        break;
    case halvex::TagValueTableRowValue::ValueState::multiple:
        value.item = ContentValue::Item::text(localizedString(QStringLiteral("EditionViewTagMuliValueTitle")));
        value.mode = ContentValue::Mode::placeholder;
        break;
    default:
        value.item = ContentValue::Item::text(localizedString(QStringLiteral("EditionViewTagNoValueTitle")));
        value.mode = ContentValue::Mode::placeholder | ContentValue::Mode::dimmed;
        break;
    }
    if (!row.isWritable())
        value.subtitle = localizedString(QStringLiteral("EditionViewTagCannotBeEditedTitle"));
    if (row.isEdited())
        value.mode.insert(ContentValue::Mode::edited);
    return value;
}

QList<FlatPresetEdition> GenericEditionViewController::supportedPresetEditions()
{
    return FlatPresetEdition::allCases();
}

bool GenericEditionViewController::supportsInsertion()
{
    return false;
}

ContentValue GenericEditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    using Kind = halvex::PresetEdition::Kind;
    using Insertion = halvex::PresetValueInsertion;
    ContentValue value;
    value.title = row.tagItem.title();
    value.alternateTitle = row.tagItem.tagName().rawValue();
    value.source = QVariant::fromValue(row);
    value.mode = ContentValue::Mode::placeholder;

    const auto byInsertion = [](Insertion insertion, const char* replace, const char* prepend, const char* append) {
        switch (insertion) {
        case Insertion::prepend:
            return QString::fromLatin1(prepend);
        case Insertion::append:
            return QString::fromLatin1(append);
        case Insertion::replace:
            break;
        }
        return QString::fromLatin1(replace);
    };

    QString text;
    switch (row.edition.kind()) {
    case Kind::keepCurrentValue:
        text = localizedString(QStringLiteral("PresetEditionKeepCurrentValue"));
        value.mode.insert(ContentValue::Mode::dimmed);
        break;
    case Kind::useCustomAction:
        text = FlatPresetEdition::fromPresetEdition(row.edition).title();
        break;
    case Kind::copyTagValue: {
        const halvex::CopyTagValueSettings settings = *row.edition.copyTagValueSettings();
        const QString key = settings.formatter == halvex::CopyTagValueSettings::Formatter::raw
            ? byInsertion(settings.insertion, "PresetEditionTagCopyRawReplace", "PresetEditionTagCopyRawPrepend",
                          "PresetEditionTagCopyRawAppend")
            : byInsertion(settings.insertion, "PresetEditionTagCopyPrettyReplace", "PresetEditionTagCopyPrettyPrepend",
                          "PresetEditionTagCopyPrettyAppend");
        text = localizedString(key, {settings.tagName.rawValue()});
        break;
    }
    case Kind::useCustomValue: {
        const halvex::UseCustomValueSettings settings = *row.edition.customValueSettings();
        text = localizedString(byInsertion(settings.insertion, "PresetEditionReplaceCustomValue",
                                           "PresetEditionPrependCustomValue", "PresetEditionAppendCustomValue"),
                               {settings.value});
        break;
    }
    case Kind::searchAndReplace: {
        const halvex::SearchAndReplaceSettings settings = *row.edition.searchAndReplaceSettings();
        text = localizedString(QStringLiteral("PresetEditionFindAndReplaceActionLabel"),
                               {settings.searchString, settings.replaceString});
        break;
    }
    }
    value.item = ContentValue::Item::text(text);
    return value;
}

void GenericEditionViewController::loadView()
{
    if (viewLoaded_)
        return;
    viewLoaded_ = true;
    setupViews();
    startObserving();
}

void GenericEditionViewController::resetValue()
{
    setHasValueChanges(false);
}

void GenericEditionViewController::setHasValueChanges(bool changed)
{
    if (hasValueChanges_ == changed)
        return;
    hasValueChanges_ = changed;
    changesHandler_();
}

void GenericEditionViewController::setChangesHandler(std::function<void()> handler)
{
    changesHandler_ = handler ? std::move(handler) : [] {};
}

void GenericEditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>&)
{
    resetValue();
}

void GenericEditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>&)
{
    resetValue();
}

void GenericEditionViewController::setVerticalLayout(bool)
{
}

void GenericEditionViewController::markValueChanged()
{
    setHasValueChanges(true);
}

void GenericEditionViewController::cancelHostEdition()
{
    Q_EMIT cancelEditionRequested();
}

void GenericEditionViewController::validateHostEdition()
{
    Q_EMIT validateEditionRequested();
}

QList<FlatPresetEdition> GenericEditionViewController::presetEditionsWithout(const QList<FlatPresetEdition>& removed)
{
    QList<FlatPresetEdition> editions = FlatPresetEdition::allCases();
    for (const FlatPresetEdition edition : removed)
        editions.removeOne(edition);
    return editions;
}

QList<FlatPresetEdition> GenericEditionViewController::presetEditionsWithoutTextOperations()
{
    return presetEditionsWithout({FlatPresetEdition::lowercaseText, FlatPresetEdition::uppercaseText,
                                  FlatPresetEdition::capitalizeText, FlatPresetEdition::sortInAscendingOrder,
                                  FlatPresetEdition::sortInDescendingOrder});
}

std::optional<halvex::UseCustomValueSettings> GenericEditionViewController::customValue(const PresetEditionRowValue& row)
{
    return row.edition.customValueSettings();
}

} // namespace corvelle
