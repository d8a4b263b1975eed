#include "editing/EditorEditStepEditRawViewController.h"

#include "editing/EditorEditStepEditValueViewController.h"
#include "editing/EditorEditValuesInterfaceController.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_EditorEditStepEditRawView.h"

namespace corvelle {

EditorEditStepEditRawViewController::EditorEditStepEditRawViewController(QWidget* parent)
    : EditionEditStepViewController(parent)
{
    view();
}

EditorEditStepEditRawViewController::~EditorEditStepEditRawViewController() = default;

void EditorEditStepEditRawViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorEditStepEditRawView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
}

QPlainTextEdit* EditorEditStepEditRawViewController::valueTextView() const
{
    return ui_->valueTextView;
}

QString EditorEditStepEditRawViewController::title() const
{
    return ui_->tagTitleTextField->text();
}

void EditorEditStepEditRawViewController::setupViews()
{
    ui_->valueTextView->setPlaceholderText(localizedString(QStringLiteral("EditionViewEnterValueHereTitle")));
    ui_->valueTextView->setUndoRedoEnabled(true);
    QFont font = ui_->valueTextView->font();
    font.setPointSize(13);
    ui_->valueTextView->setFont(font);
}

void EditorEditStepEditRawViewController::updateInterface()
{
    ui_->tagTitleTextField->setText(valueSet_ ? EditorEditStepEditValueViewController::editStepTitle(*valueSet_)
                                              : localizedString(QStringLiteral("EditionViewTagCannotBeEditedTitle")));
}

void EditorEditStepEditRawViewController::configure(EditorEditValuesInterfaceController* host)
{
    EditionEditStepViewController::configure(host);
    valueSet_ = host ? host->cache().valueSet() : std::nullopt;
    reloadValue();
    updateInterface();
}

void EditorEditStepEditRawViewController::reloadValue()
{
    if (!valueSet_)
        return;
    const bool writable = valueSet_->isWritable();
    QPlainTextEdit* text = ui_->valueTextView;
    text->setPlaceholderText(localizedString(writable ? QStringLiteral("EditionViewEnterValueHereTitle")
                                                      : QStringLiteral("EditionViewTagCannotBeEditedTitle")));
    text->setReadOnly(!writable);
    const halvex::MultiValuedString& common = valueSet_->commonValue();
    text->setPlainText(common.kind() == halvex::MultiValuedString::Kind::single ? common.value().value_or(QString())
                                                                               : QString());
    // The text as loaded is no change of the user's, and cannot be undone.
    text->document()->clearUndoRedoStacks();
    text->document()->setModified(false);
}

void EditorEditStepEditRawViewController::focus()
{
    ui_->valueTextView->setFocus(Qt::OtherFocusReason);
}

std::optional<EditionEditStepViewController::Step> EditorEditStepEditRawViewController::previousStep() const
{
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    if (!host)
        return std::nullopt;
    if (EditorEditionCache(host->cache().originalValueSet()).hasMixedEditionTypes())
        return Step::tagSelection;
    return Step::tagEdition;
}

void EditorEditStepEditRawViewController::leave(bool finishing)
{
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    if (!host || !finishing || !valueSet_)
        return;
    const bool heldOneValue = valueSet_->commonValue().kind() == halvex::MultiValuedString::Kind::single;
    // An empty text standing for several values (or none) that the user left alone is no value.
    if (!heldOneValue && !ui_->valueTextView->document()->isModified())
        return;
    host->cache().applyRawValue(ui_->valueTextView->toPlainText());
}

} // namespace corvelle
