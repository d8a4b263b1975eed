#include "editing/EditorEditStepDateDistributionViewController.h"

#include "editing/EditorEditValuesInterfaceController.h"
#include "engine/halvex/dates/DateEdition.h"
#include "engine/halvex/dates/TagEditorDates.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "platform/brisa/core/DateHelpers.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_EditorEditStepDateDistributionView.h"

#include <QHash>

#include <array>

namespace corvelle {

namespace {

// Seconds per unit: year, month, day, hour, minute, second.
constexpr std::array<double, 6> unitSeconds{8760.0 * 3600.0, 730.0 * 3600.0, 86400.0, 3600.0, 60.0, 1.0};

} // namespace

EditorEditStepDateDistributionViewController::EditorEditStepDateDistributionViewController(QWidget* parent)
    : EditionEditStepViewController(parent)
{
    view();
}

EditorEditStepDateDistributionViewController::~EditorEditStepDateDistributionViewController() = default;

void EditorEditStepDateDistributionViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorEditStepDateDistributionView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->methodPopUpButton->addItem(localizedString(QStringLiteral("EditorDateDistributionSplitMethod")), int(split));
    ui_->methodPopUpButton->addItem(localizedString(QStringLiteral("EditorDateDistributionIncrementMethod")), int(increment));
    connect(ui_->methodPopUpButton, &QComboBox::currentIndexChanged, this,
            &EditorEditStepDateDistributionViewController::updateMethodContainers);
}

QComboBox* EditorEditStepDateDistributionViewController::methodPopUpButton() const { return ui_->methodPopUpButton; }
QDateTimeEdit* EditorEditStepDateDistributionViewController::distributeStartPicker() const { return ui_->distributeStartPicker; }
QDateTimeEdit* EditorEditStepDateDistributionViewController::distributeEndPicker() const { return ui_->distributeEndPicker; }
QDateTimeEdit* EditorEditStepDateDistributionViewController::incrementStartPicker() const { return ui_->incrementStartPicker; }
QWidget* EditorEditStepDateDistributionViewController::splitMethodContainer() const { return ui_->splitMethodContainer; }
QWidget* EditorEditStepDateDistributionViewController::incrementMethodContainer() const { return ui_->incrementMethodContainer; }

QList<QCheckBox*> EditorEditStepDateDistributionViewController::unitButtons() const
{
    return {ui_->modifyDateYearButton, ui_->modifyDateMonthButton, ui_->modifyDateDayButton,
            ui_->modifyDateHourButton, ui_->modifyDateMinButton, ui_->modifyDateSecButton};
}

QList<QDoubleSpinBox*> EditorEditStepDateDistributionViewController::unitFields() const
{
    return {ui_->modifyDateYearField, ui_->modifyDateMonthField, ui_->modifyDateDayField,
            ui_->modifyDateHourField, ui_->modifyDateMinField, ui_->modifyDateSecField};
}

void EditorEditStepDateDistributionViewController::setupViews()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime yesterday = brisa::yesterday();
    ui_->distributeStartPicker->setDateTime(yesterday.isValid() ? yesterday : now);
    ui_->distributeEndPicker->setDateTime(now);
    ui_->incrementStartPicker->setDateTime(now);
    const QList<QCheckBox*> buttons = unitButtons();
    const QList<QDoubleSpinBox*> fields = unitFields();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        fields.at(i)->setValue(0);
        buttons.at(i)->setChecked(false);
        // Editing an amount takes its unit into the increment; unticking is the user's click.
        QCheckBox* button = buttons.at(i);
        connect(fields.at(i), &QDoubleSpinBox::valueChanged, this, [this, button] {
            button->setChecked(true);
            updateMethodContainers();
        });
    }
}

void EditorEditStepDateDistributionViewController::updateMethodContainers()
{
    const int method = ui_->methodPopUpButton->currentData().toInt();
    ui_->splitMethodContainer->setHidden(method != split);
    ui_->incrementMethodContainer->setHidden(method != increment);
}

void EditorEditStepDateDistributionViewController::configure(EditorEditValuesInterfaceController* host)
{
    EditionEditStepViewController::configure(host);
    valueSet_ = hostValueSet();
    updateMethodContainers();
}

double EditorEditStepDateDistributionViewController::incrementSeconds() const
{
    const QList<QCheckBox*> buttons = unitButtons();
    const QList<QDoubleSpinBox*> fields = unitFields();
    double seconds = 0;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (buttons.at(i)->isChecked())
            seconds += fields.at(i)->value() * unitSeconds.at(size_t(i));
    }
    return seconds;
}

void EditorEditStepDateDistributionViewController::leave(bool finishing)
{
    Q_UNUSED(finishing);
    // Only the finishing continue leaves this last page; going back does not call here.
    if (!valueSet_ || valueSet_->editors().isEmpty())
        return;
    const int method = ui_->methodPopUpButton->currentData().toInt();
    if (method == split) {
        const QDateTime start = ui_->distributeStartPicker->dateTime();
        const QDateTime end = ui_->distributeEndPicker->dateTime();
        const int count = int(valueSet_->editors().size());
        // A single file gets the first date.
        const double step = count > 1 ? double(start.msecsTo(end)) / 1000.0 / double(count - 1) : 0.0;
        queueDistribution(*valueSet_, start, step);
    } else if (method == increment) {
        queueDistribution(*valueSet_, ui_->incrementStartPicker->dateTime(), incrementSeconds());
    }
}

void EditorEditStepDateDistributionViewController::queueDistribution(const EditorEditionCache::ValueSet& valueSet,
                                                                     QDateTime start, double step) const
{
    const halvex::TagEditorList editors(valueSet.editors());
    QHash<const halvex::TagEditor*, int> indexes;
    for (qsizetype i = 0; i < editors.editors().size(); ++i)
        indexes.insert(editors.editors().at(i).get(), int(i));
    QList<ostrak::TagName> tagNames;
    for (const ostrak::TagItem& item : valueSet.tagItems())
        tagNames.append(item.tagName());
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>([editors, indexes, tagNames, start, step] {
        editors.editConcurrently([&](const std::shared_ptr<halvex::TagEditor>& editor) {
            const int index = indexes.value(editor.get());
            const QDateTime date = start.addMSecs(qRound64(step * 1000.0 * index));
            halvex::editDate(*editor, halvex::DateEdition::select(halvex::DateValues(std::optional<QDateTime>(date))),
                             tagNames);
        });
    }));
}

} // namespace corvelle
