#include "editing/EditorEditStepSelectTagsViewController.h"

#include "editing/EditionKindTraits.h"
#include "editing/EditorEditValuesInterfaceController.h"
#include "widgets/FormTexts.h"

#include "ui_EditorEditStepSelectTagsView.h"

#include <QScrollBar>

namespace corvelle {

EditorEditStepSelectTagsViewController::EditorEditStepSelectTagsViewController(QWidget* parent)
    : EditionEditStepViewController(parent)
{
    view();
}

EditorEditStepSelectTagsViewController::~EditorEditStepSelectTagsViewController() = default;

void EditorEditStepSelectTagsViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorEditStepSelectTagsView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
    components_ = {
        {EditionKind::text, ui_->textButton, ui_->textField},
        {EditionKind::boolean, ui_->booleanButton, ui_->booleanField},
        {EditionKind::number, ui_->numberButton, ui_->numberField},
        {EditionKind::enumeration, ui_->enumButton, ui_->enumField},
        {EditionKind::country, ui_->countryButton, ui_->countryField},
        {EditionKind::speed, ui_->speedButton, ui_->speedField},
        {EditionKind::dateTime, ui_->dateTimeButton, ui_->dateTimeField},
        {EditionKind::keyword, ui_->keywordsButton, ui_->keywordsField},
    };
    for (const Component& component : components_) {
        QAbstractButton* button = component.button;
        connect(button, &QAbstractButton::clicked, this, [this, button] { editTagsBelow(button); });
    }
}

void EditorEditStepSelectTagsViewController::setupViews()
{
    for (const Component& component : components_) {
        component.field->clear();
        component.field->parentWidget()->hide();
    }
    ui_->scrollView->verticalScrollBar()->setValue(0);
}

QList<ostrak::TagItem> EditorEditStepSelectTagsViewController::tagItemsOf(EditionKind kind) const
{
    QList<ostrak::TagItem> items;
    if (!valueSet_)
        return items;
    for (const ostrak::TagItem& item : valueSet_->tagItems()) {
        if (EditionKindTraits::editionViewControllerKind(item) == kind)
            items.append(item);
    }
    return items;
}

void EditorEditStepSelectTagsViewController::configure(EditorEditValuesInterfaceController* host)
{
    EditionEditStepViewController::configure(host);
    valueSet_ = host ? host->cache().originalValueSet() : std::nullopt;
    if (!valueSet_)
        return;
    for (const Component& component : components_) {
        QStringList lines;
        for (const ostrak::TagItem& item : tagItemsOf(component.kind))
            lines << QStringLiteral("- ") + item.title();
        component.field->setText(lines.join(QLatin1Char('\n')));
        component.field->parentWidget()->setVisible(!lines.isEmpty());
    }
}

void EditorEditStepSelectTagsViewController::editTagsBelow(QAbstractButton* sender)
{
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    if (!host || !valueSet_)
        return;
    const auto found = std::find_if(components_.cbegin(), components_.cend(),
                                    [sender](const Component& component) { return component.button == sender; });
    if (found == components_.cend())
        return;
    host->cache().setFilteredValueSet(EditorEditionCache::ValueSet(valueSet_->editors(), tagItemsOf(found->kind)));
    host->showStep(Step::tagEdition, true);
}

} // namespace corvelle
