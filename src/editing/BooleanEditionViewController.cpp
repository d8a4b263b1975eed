#include "editing/BooleanEditionViewController.h"

#include "editing/ValueDisplayTexts.h"
#include "engine/ostrak/ValueConverter.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_BooleanEditionView.h"

#include <QComboBox>

namespace corvelle {

BooleanEditionViewController::BooleanEditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::BooleanEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

BooleanEditionViewController::~BooleanEditionViewController() = default;

QList<FlatPresetEdition> BooleanEditionViewController::supportedPresetEditions()
{
    return presetEditionsWithout({FlatPresetEdition::searchAndReplace, FlatPresetEdition::lowercaseText,
                                  FlatPresetEdition::uppercaseText, FlatPresetEdition::capitalizeText,
                                  FlatPresetEdition::sortInAscendingOrder, FlatPresetEdition::sortInDescendingOrder});
}

ContentValue BooleanEditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    ContentValue value = GenericEditionViewController::presetEditionContentValue(row);
    if (const auto settings = customValue(row)) {
        QString text = yesNoDisplayText(row.tagItem, settings->value);
        // Each word starts with a capital, as a choice reads on its own.
        bool startOfWord = true;
        for (QChar& character : text) {
            if (startOfWord && character.isLetter())
                character = character.toUpper();
            startOfWord = character.isSpace();
        }
        value.item = ContentValue::Item::text(text);
        value.mode = 0;
    }
    return value;
}

void BooleanEditionViewController::setupViews()
{
    ui_->valuePopUpButton->addItem(localizedString(QStringLiteral("EditionViewTagValuePopUpYesTitle")));
    ui_->valuePopUpButton->addItem(localizedString(QStringLiteral("EditionViewTagValuePopUpNoTitle")));
    ui_->valuePopUpButton->setPlaceholderText(localizedString(QStringLiteral("EditionViewTagNoValueTitle")));
    connect(ui_->valuePopUpButton, &QComboBox::currentIndexChanged, this, [this] {
        if (!loading_)
            markValueChanged();
    });
}

void BooleanEditionViewController::resetValue()
{
    GenericEditionViewController::resetValue();
    selectQuietly(-1);
    ui_->valuePopUpButton->setEnabled(true);
}

void BooleanEditionViewController::focus()
{
    ui_->valuePopUpButton->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> BooleanEditionViewController::editedValue() const
{
    return valueForIndex(ui_->valuePopUpButton->currentIndex());
}

void BooleanEditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    resetValue();
    if (!row)
        return;
    const auto settings = customValue(*row);
    if (!settings)
        return;
    tagItem_ = row->tagItem;
    selectQuietly(indexForValue(settings->value));
}

void BooleanEditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    resetValue();
    if (!valueSet || valueSet->tagItems().isEmpty())
        return;
    tagItem_ = valueSet->tagItems().constFirst();
    ui_->valuePopUpButton->setEnabled(valueSet->isWritable());
    const auto& common = valueSet->commonValue();
    if (common.kind() == halvex::MultiValuedString::Kind::single)
        selectQuietly(indexForValue(*common.value()));
}

int BooleanEditionViewController::indexForValue(const QString& value) const
{
    if (!tagItem_)
        return -1;
    const QVariant typed = tagItem_->converter().typedValueFromStringValue(value);
    if (typed.metaType().id() != QMetaType::Bool)
        return -1;
    return typed.toBool() ? 0 : 1;
}

QString BooleanEditionViewController::valueForIndex(int index) const
{
    if (!tagItem_ || (index != 0 && index != 1))
        return QString();
    return tagItem_->converter().stringValueFromTypedValue(QVariant(index == 0)).value_or(QString());
}

QComboBox* BooleanEditionViewController::valuePopUpButton() const
{
    return ui_->valuePopUpButton;
}

void BooleanEditionViewController::selectQuietly(int index)
{
    loading_ = true;
    ui_->valuePopUpButton->setCurrentIndex(index);
    loading_ = false;
}

} // namespace corvelle
