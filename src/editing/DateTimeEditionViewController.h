#pragma once

#include "editing/GenericEditionViewController.h"
#include "presets/FlatActionEdition.h"

#include <QDateTime>

#include <memory>

class QCalendarWidget;
class QDateTimeEdit;
class QLineEdit;
class QPushButton;

namespace Ui {
class DateTimeEditionView;
}

namespace corvelle {

class ClockFaceView;

// Edits one date and time: a calendar (or a clock face for times alone) and a text picker kept
// in step, the date as the tag writes it, a button for now and one that asks the host to shift
// the dates instead. The value it gives always carries its zone offset.
class DateTimeEditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    explicit DateTimeEditionViewController(QWidget* parent = nullptr);
    ~DateTimeEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::dateTime; }

    // A single value as a date in the user's styles, "" when it reads as none.
    static ContentValue contentValue(const halvex::TagValueTableRowValue& row);
    static QList<FlatPresetEdition> supportedPresetEditions();
    static bool supportsInsertion() { return false; }
    // A custom value is a date edition: a chosen date shown as a date, others by their description.
    static ContentValue presetEditionContentValue(const PresetEditionRowValue& row);
    // The preset operations, then reading dates out of text, then spreading them over the files.
    static QList<FlatActionEdition> supportedActionEditions();

    // The format of the result text for these tags.
    static QString resultFormat(const QList<ostrak::TagItem>& tagItems);

    void updateInterface() override;
    void resetValue() override;
    void focus() override;
    std::optional<QString> editedValue() const override;
    void loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row) override;
    void loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet) override;
    void setVerticalLayout(bool vertical) override;

    void setToday();
    void shiftComponents();

    QCalendarWidget* graphicalDatePicker() const;
    ClockFaceView* clockFaceView() const;
    QDateTimeEdit* textDatePicker() const;
    QLineEdit* resultTextField() const;
    QPushButton* setTodayButton() const;
    QPushButton* shiftButton() const;

Q_SIGNALS:
    // The user asks to shift the dates of the selected tags; the host shows its date action.
    void shiftDateComponentsRequested();

protected:
    void setupViews() override;

private:
    void configurePickers(const QList<ostrak::TagItem>& tagItems);
    void showDate(const QDateTime& date);
    void showDateQuietly(const QDateTime& date);
    void showLoadedValue(const std::optional<QString>& value);
    // Puts the date in every picker without reporting it as the user's.
    void setPickers(const QDateTime& date);

    std::unique_ptr<Ui::DateTimeEditionView> ui_;
    QList<ostrak::TagItem> tagItems_;
    bool verticalLayout_ = false;
    bool hasDate_ = false;
    bool hasTime_ = false;
    bool updating_ = false;
};

} // namespace corvelle
