#include "editing/EditorEditStepDateParsingViewController.h"

#include "editing/EditorEditValuesInterfaceController.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/ValueConverter.h"
#include "platform/brisa/core/DateHelpers.h"
#include "platform/brisa/core/StringHelpers.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/TagNamePickerWindowController.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_EditorEditStepDateParsingView.h"

#include <QBoxLayout>
#include <QPointer>
#include <QRegularExpression>

namespace corvelle {

namespace {

constexpr int matchNumbers = 10;
const QString noValueText = QStringLiteral("-");

} // namespace

EditorEditStepDateParsingViewController::EditorEditStepDateParsingViewController(QWidget* parent)
    : EditionEditStepViewController(parent)
{
    view();
}

EditorEditStepDateParsingViewController::~EditorEditStepDateParsingViewController() = default;

void EditorEditStepDateParsingViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorEditStepDateParsingView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
    for (QComboBox* popUp : matchPopUpButtons()) {
        for (int number = 0; number < matchNumbers; ++number)
            popUp->addItem(localizedString(QStringLiteral("EditorDateParsingMatchNumber"), {number + 1}), number);
        connect(popUp, &QComboBox::activated, this, &EditorEditStepDateParsingViewController::changeMatches);
    }
    connect(ui_->regexField, &QLineEdit::textEdited, this, &EditorEditStepDateParsingViewController::changeRegex);
    connect(ui_->searchTagButton, &QAbstractButton::clicked, this, &EditorEditStepDateParsingViewController::searchTag);
}

QLineEdit* EditorEditStepDateParsingViewController::tagNameField() const { return ui_->tagNameField; }
QLineEdit* EditorEditStepDateParsingViewController::regexField() const { return ui_->regexField; }
QLabel* EditorEditStepDateParsingViewController::testingValueTextField() const { return ui_->testingValueTextField; }
QLabel* EditorEditStepDateParsingViewController::testingResultTextField() const { return ui_->testingResultTextField; }
QWidget* EditorEditStepDateParsingViewController::testingStackView() const { return ui_->testingStackView; }

QList<QComboBox*> EditorEditStepDateParsingViewController::matchPopUpButtons() const
{
    return {ui_->yearMatchPopUpButton, ui_->monthMatchPopUpButton, ui_->dayMatchPopUpButton,
            ui_->hourMatchPopUpButton, ui_->minuteMatchPopUpButton, ui_->secondMatchPopUpButton};
}

void EditorEditStepDateParsingViewController::configure(EditorEditValuesInterfaceController* host)
{
    EditionEditStepViewController::configure(host);
    valueSet_ = hostValueSet();
    updateInterface();
}

void EditorEditStepDateParsingViewController::updateInterface()
{
    isUpdating_ = true;
    ui_->tagNameField->setText(parsingSettings_.tagName.rawValue());
    if (ui_->regexField->text() != parsingSettings_.regexPattern)
        ui_->regexField->setText(parsingSettings_.regexPattern);
    const QList<int> numbers{parsingSettings_.yearMatchNumber, parsingSettings_.monthMatchNumber,
                             parsingSettings_.dayMatchNumber, parsingSettings_.hourMatchNumber,
                             parsingSettings_.minuteMatchNumber, parsingSettings_.secondMatchNumber};
    const QList<QComboBox*> popUps = matchPopUpButtons();
    for (qsizetype i = 0; i < popUps.size(); ++i)
        popUps.at(i)->setCurrentIndex(popUps.at(i)->findData(numbers.at(i)));
    isUpdating_ = false;

    if (!valueSet_ || valueSet_->editors().isEmpty())
        return;
    const std::shared_ptr<halvex::TagEditor>& first = valueSet_->editors().first();
    const std::optional<QString> text = first->currentValue(parsingSettings_.tagName);
    ui_->testingValueTextField->setText(text ? brisa::nonBlank(*text).value_or(noValueText) : noValueText);
    const std::optional<QDateTime> date = parsingSettings_.date(*first);
    ui_->testingResultTextField->setText(date ? brisa::utcFormatted(*date) : noValueText);
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    auto* layout = qobject_cast<QBoxLayout*>(ui_->testingStackView->layout());
    layout->setDirection(host && host->prefersVerticalLayout() ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

void EditorEditStepDateParsingViewController::setSourceTagName(const ostrak::TagName& tagName)
{
    parsingSettings_.tagName = tagName;
    updateInterface();
}

void EditorEditStepDateParsingViewController::changeRegex()
{
    if (isUpdating_)
        return;
    parsingSettings_.regexPattern = ui_->regexField->text();
    updateInterface();
}

void EditorEditStepDateParsingViewController::changeMatches()
{
    if (isUpdating_)
        return;
    const QList<QComboBox*> popUps = matchPopUpButtons();
    const auto number = [&popUps](int i) { return popUps.at(i)->currentData().toInt(); };
    parsingSettings_.yearMatchNumber = number(0);
    parsingSettings_.monthMatchNumber = number(1);
    parsingSettings_.dayMatchNumber = number(2);
    parsingSettings_.hourMatchNumber = number(3);
    parsingSettings_.minuteMatchNumber = number(4);
    parsingSettings_.secondMatchNumber = number(5);
    updateInterface();
}

void EditorEditStepDateParsingViewController::searchTag()
{
    auto* picker = new TagNamePickerWindowController;
    picker->setInstructions(localizedString(QStringLiteral("SelectOneTagNamePickerTitle")));
    QPointer<EditorEditStepDateParsingViewController> weakSelf(this);
    const bool shown = brisa::SheetPresenter::presentSheet(this, picker, [weakSelf, picker](int returnCode) {
        if (weakSelf && returnCode == 1 && picker->selectedTagItem())
            weakSelf->setSourceTagName(picker->selectedTagItem()->tagName());
        picker->deleteLater();
    });
    if (!shown)
        delete picker;
}

void EditorEditStepDateParsingViewController::leave(bool finishing)
{
    Q_UNUSED(finishing);
    if (!valueSet_ || valueSet_->editors().isEmpty())
        return;
    // An expression that cannot match leaves every file as it is: nothing to queue.
    if (!QRegularExpression(parsingSettings_.regexPattern).isValid())
        return;
    const DateParsingSettings settings = parsingSettings_;
    const QList<ostrak::TagItem> tagItems = valueSet_->tagItems();
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>(
        halvex::TagEditorList(valueSet_->editors()), [settings, tagItems](const std::shared_ptr<halvex::TagEditor>& editor) {
            const std::optional<QDateTime> date = settings.date(*editor);
            if (!date)
                return;
            for (const ostrak::TagItem& item : tagItems) {
                // A tag whose type cannot hold the date keeps its value.
                if (const std::optional<QString> text = ostrak::ValueConverter(item).stringValueFromTypedValue(*date))
                    editor->setValue(text, item.tagName());
            }
        }));
}

} // namespace corvelle
