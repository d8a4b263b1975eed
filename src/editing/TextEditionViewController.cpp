#include "editing/TextEditionViewController.h"

#include "engine/ostrak/ValueConverter.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_TextEditionView.h"

#include <QPlainTextEdit>

namespace corvelle {

TextEditionViewController::TextEditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::TextEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

TextEditionViewController::~TextEditionViewController() = default;

ContentValue TextEditionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    ContentValue value = GenericEditionViewController::contentValue(row);
    if (row.valueState() == halvex::TagValueTableRowValue::ValueState::single) {
        const QString text = row.tagItem().converter().stringValueFromStringValue(row.valueText()).value_or(row.valueText());
        value.item = ContentValue::Item::action(std::nullopt, text);
    }
    return value;
}

QList<FlatPresetEdition> TextEditionViewController::supportedPresetEditions()
{
    return presetEditionsWithout({FlatPresetEdition::sortInAscendingOrder, FlatPresetEdition::sortInDescendingOrder});
}

void TextEditionViewController::describeCustomValue(ContentValue& value, const halvex::UseCustomValueSettings& settings,
                                                    const ContentValue::Item& valueItem)
{
    using Insertion = halvex::PresetValueInsertion;
    if (settings.value.isEmpty()) {
        if (settings.insertion == Insertion::replace) {
            value.item = ContentValue::Item::text(localizedString(QStringLiteral("PresetEditionRemoveCurrentValue")));
            value.mode = ContentValue::Mode::placeholder;
        } else {
            value.item = ContentValue::Item::text(localizedString(QStringLiteral("PresetEditionKeepCurrentValue")));
            value.mode = ContentValue::Mode::placeholder | ContentValue::Mode::dimmed;
        }
        return;
    }
    QString labelKey = QStringLiteral("PresetEditionReplaceTextActionLabel");
    if (settings.insertion == Insertion::prepend)
        labelKey = QStringLiteral("PresetEditionPrependTextActionLabel");
    else if (settings.insertion == Insertion::append)
        labelKey = QStringLiteral("PresetEditionAppendTextActionLabel");
    const QString label = localizedString(labelKey);
    value.item = valueItem.kind() == ContentValue::Item::Kind::words ? ContentValue::Item::words(label, valueItem.wordList())
                                                                     : ContentValue::Item::action(label, valueItem.text());
    value.mode = 0;
}

ContentValue TextEditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    ContentValue value = GenericEditionViewController::presetEditionContentValue(row);
    if (const auto settings = customValue(row))
        describeCustomValue(value, *settings, ContentValue::Item::action(std::nullopt, settings->value));
    return value;
}

void TextEditionViewController::setupViews()
{
    ui_->textView->setPlaceholderText(localizedString(QStringLiteral("EditionViewEnterValueHereTitle")));
    ui_->textView->setUndoRedoEnabled(true);
    QFont font = ui_->textView->font();
    font.setPointSizeF(13.0);
    ui_->textView->setFont(font);
    connect(ui_->textView, &QPlainTextEdit::textChanged, this, [this] {
        if (!loading_)
            markValueChanged();
    });
}

void TextEditionViewController::resetValue()
{
    GenericEditionViewController::resetValue();
    setTextQuietly(QString());
    setWritable(true);
}

void TextEditionViewController::focus()
{
    ui_->textView->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> TextEditionViewController::editedValue() const
{
    if (!tagItem_)
        return QString();
    return tagItem_->converter().stringValueFromStringValue(ui_->textView->toPlainText()).value_or(QString());
}

void TextEditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    resetValue();
    if (!row)
        return;
    const auto settings = customValue(*row);
    if (!settings)
        return;
    tagItem_ = row->tagItem;
    setTextQuietly(tagItem_->converter().stringValueFromStringValue(settings->value).value_or(QString()));
}

void TextEditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    resetValue();
    if (!valueSet || valueSet->tagItems().isEmpty())
        return;
    tagItem_ = valueSet->tagItems().constFirst();
    setWritable(valueSet->isWritable());
    const auto& common = valueSet->commonValue();
    if (common.kind() == halvex::MultiValuedString::Kind::single)
        setTextQuietly(tagItem_->converter().stringValueFromStringValue(*common.value()).value_or(QString()));
}

QPlainTextEdit* TextEditionViewController::textView() const
{
    return ui_->textView;
}

void TextEditionViewController::setWritable(bool writable)
{
    ui_->textView->setReadOnly(!writable);
    ui_->textView->setPlaceholderText(localizedString(writable ? QStringLiteral("EditionViewEnterValueHereTitle")
                                                               : QStringLiteral("EditionViewTagCannotBeEditedTitle")));
    ui_->textView->setFocusPolicy(writable ? Qt::StrongFocus : Qt::NoFocus);
}

void TextEditionViewController::setTextQuietly(const QString& text)
{
    loading_ = true;
    ui_->textView->setPlainText(text);
    loading_ = false;
}

} // namespace corvelle
