#include "tags/TagPickerSheet.h"

#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/ComboBoxCaseList.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/TagsSettings.h"
#include "widgets/TextLocalizer.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace corvelle {

TagPickerSheet::TagPickerSheet(QWidget* parent)
    : QDialog(parent)
{
}

TagPickerSheet::~TagPickerSheet() = default;

bool TagPickerSheet::presentOnce(QWidget* host, TagPickerSheet* picker, std::function<void()> applied)
{
    const bool shown = brisa::SheetPresenter::presentSheet(host, picker, [picker, applied = std::move(applied)](int returnCode) {
        if (returnCode == QDialog::Accepted && applied)
            applied();
        picker->deleteLater();
    });
    if (!shown)
        delete picker;
    return shown;
}

void TagPickerSheet::setupSheet(const Controls& controls)
{
    controls_ = controls;
    connect(controls_.cancelButton, &QPushButton::clicked, this, &TagPickerSheet::cancelSheet);
    connect(controls_.applyButton, &QPushButton::clicked, this, &TagPickerSheet::applySheet);
    controls_.applyButton->setDefault(true);
    connect(controls_.searchField, &QLineEdit::textChanged, this, [this] { search(); });
    controls_.searchField->installEventFilter(this);
    controls_.progressIndicator->setRange(0, 0);
    controls_.progressIndicator->setVisible(false);
    if (QComboBox* tagSets = controls_.reducedTagSetPopUpButton) {
        brisa::ComboBoxCaseList::setCaseList(
            tagSets, QList<ReducedTagSetUserChoice>{ReducedTagSetUserChoice::all, ReducedTagSetUserChoice::choosen,
                                                    ReducedTagSetUserChoice::popular},
            [](ReducedTagSetUserChoice choice) { return title(choice); });
        connect(tagSets, &QComboBox::activated, this, &TagPickerSheet::changeTagSet);
    }

    touchBar_.addItemSet({}).addSheetButtons(
        this, localizedString(QStringLiteral("EditorPanelCancelTouchButton")), [this] { cancelSheet(); },
        localizedString(controls_.applyTouchButtonKey), [this] { applySheet(); },
        [this] { return canApply(); });
}

void TagPickerSheet::setInstructions(const QString& text)
{
    instructions_ = text;
    updateInterface();
}

void TagPickerSheet::cancelSheet()
{
    done(QDialog::Rejected);
}

void TagPickerSheet::applySheet()
{
    if (!canApply())
        return;
    done(QDialog::Accepted);
}

void TagPickerSheet::updateInterface()
{
    if (!controls_.applyButton)
        return;
    if (QComboBox* tagSets = controls_.reducedTagSetPopUpButton)
        brisa::ComboBoxCaseList::selectCase(tagSets, reducedTagSetChoice());
    controls_.progressIndicator->setVisible(isSearching());
    controls_.cancelButton->setEnabled(true);
    controls_.applyButton->setEnabled(canApply());
    if (QLabel* field = controls_.instructionsTitleField) {
        field->setText(instructions_);
        field->setVisible(!instructions_.isEmpty());
    }
    updateControls();
    touchBar_.reloadDisplayedItems();
}

QString TagPickerSheet::searchText() const
{
    return controls_.searchField ? controls_.searchField->text() : QString();
}

ReducedTagSetUserChoice TagPickerSheet::reducedTagSetChoice()
{
    return brisa::UserDefaults::standard().value(Settings::reducedTagSetUserChoice());
}

void TagPickerSheet::changeTagSet()
{
    const auto choice = controls_.reducedTagSetPopUpButton
                            ? brisa::ComboBoxCaseList::selectedCase<ReducedTagSetUserChoice>(controls_.reducedTagSetPopUpButton)
                            : std::nullopt;
    brisa::UserDefaults::standard().set(Settings::reducedTagSetUserChoice(), choice.value_or(ReducedTagSetUserChoice::choosen));
    search();
}

bool TagPickerSheet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == controls_.searchField && event->type() == QEvent::KeyPress && controls_.resultsView) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            QCoreApplication::sendEvent(controls_.resultsView, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace corvelle
