#include "tags/TagFilterOptionsWindowController.h"

#include "platform/brisa/core/StringHelpers.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/SegmentedButtons.h"

#include "ui_TagFilterOptionsWindow.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

namespace corvelle {

namespace {

using Filter = halvex::TagValueTableFilter;
using StringConstraint = Filter::StringConstraint;

void showConstraint(const StringConstraint& constraint, QLineEdit* field, QComboBox* popUp)
{
    field->setText(constraint.kind() == StringConstraint::Kind::none ? QString() : constraint.text());
    popUp->setCurrentIndex(constraint.kind() == StringConstraint::Kind::regularExpression ? 1 : 0);
}

StringConstraint readConstraint(const QLineEdit* field, const QComboBox* popUp)
{
    const std::optional<QString> text = brisa::nonBlank(field->text());
    if (!text)
        return StringConstraint::none();
    switch (popUp->currentIndex()) {
    case 0: return StringConstraint::plainText(*text);
    case 1: return StringConstraint::regularExpression(*text);
    default: return StringConstraint::none();
    }
}

} // namespace

TagFilterOptionsWindowController::TagFilterOptionsWindowController(QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::TagFilterOptionsWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    for (QComboBox* popUp : {ui_->tagNameMatchPopUp, ui_->tagValueMatchPopUp}) {
        popUp->clear();
        popUp->addItem(localizedString(QStringLiteral("EditionFileFilterSearchValueTitle")));
        popUp->addItem(localizedString(QStringLiteral("EditionFileFilterUseRegexTitle")));
    }
    valueEdition_ = SegmentedButtons::make(ui_->valueEditionSegmentControl,
                                 {QStringLiteral("EditionTagFilterIgnoreValueEditionTitle"),
                                  QStringLiteral("EditionTagFilterEditedValueEditionTitle"),
                                  QStringLiteral("EditionTagFilterUneditedValueEditionTitle")});
    valueState_ = SegmentedButtons::make(ui_->valueStateSegmentControl,
                               {QStringLiteral("EditionTagFilterIgnoreValueStateTitle"),
                                QStringLiteral("EditionTagFilterWithValueStateTitle"),
                                QStringLiteral("EditionTagFilterWithoutValueStateTitle")});
    connect(ui_->resetButton, &QAbstractButton::clicked, this, &TagFilterOptionsWindowController::resetFilter);
    connect(ui_->cancelButton, &QAbstractButton::clicked, this, &TagFilterOptionsWindowController::cancelSheet);
    connect(ui_->applyButton, &QAbstractButton::clicked, this, &TagFilterOptionsWindowController::validateSheet);

    dynamicTouchBar_.addItemSet({}).addSheetButtons(
        this, localizedString(QStringLiteral("EditorPanelCancelTouchButton")), [this] { cancelSheet(); },
        localizedString(QStringLiteral("EditorPanelApplyTouchButton")), [this] { validateSheet(); });
    updateInterface();
}

TagFilterOptionsWindowController::~TagFilterOptionsWindowController() = default;

QLineEdit* TagFilterOptionsWindowController::tagNameTextField() const
{
    return ui_->tagNameTextField;
}

QComboBox* TagFilterOptionsWindowController::tagNameMatchPopUp() const
{
    return ui_->tagNameMatchPopUp;
}

QLineEdit* TagFilterOptionsWindowController::tagValueTextField() const
{
    return ui_->tagValueTextField;
}

QComboBox* TagFilterOptionsWindowController::tagValueMatchPopUp() const
{
    return ui_->tagValueMatchPopUp;
}

void TagFilterOptionsWindowController::setTagFilter(const halvex::TagValueTableFilter& filter)
{
    if (filter == tagFilter_)
        return;
    tagFilter_ = filter;
    updateInterface();
}

void TagFilterOptionsWindowController::updateInterface()
{
    dynamicTouchBar_.reloadDisplayedItems();
    showConstraint(tagFilter_.nameConstraint, ui_->tagNameTextField, ui_->tagNameMatchPopUp);
    showConstraint(tagFilter_.valueConstraint, ui_->tagValueTextField, ui_->tagValueMatchPopUp);
    SegmentedButtons::selectCase(valueEdition_, tagFilter_.valueEdition);
    SegmentedButtons::selectCase(valueState_, tagFilter_.valueState);
}

halvex::TagValueTableFilter TagFilterOptionsWindowController::readControls() const
{
    Filter filter;
    filter.nameConstraint = readConstraint(ui_->tagNameTextField, ui_->tagNameMatchPopUp);
    filter.valueConstraint = readConstraint(ui_->tagValueTextField, ui_->tagValueMatchPopUp);
    filter.valueEdition = SegmentedButtons::selectedCase<Filter::ValueEditionConstraint>(valueEdition_);
    filter.valueState = SegmentedButtons::selectedCase<Filter::ValueStateConstraint>(valueState_);
    return filter;
}

void TagFilterOptionsWindowController::resetFilter()
{
    setTagFilter(Filter());
}

void TagFilterOptionsWindowController::cancelSheet()
{
    if (isVisible())
        done(QDialog::Rejected);
}

void TagFilterOptionsWindowController::validateSheet()
{
    if (!isVisible())
        return;
    // The text being typed counts: the fields are read as they stand.
    tagFilter_ = readControls();
    done(QDialog::Accepted);
}

} // namespace corvelle
