#include "editing/DateParsingSettings.h"
#include "editing/EditingTestSupport.h"
#include "editing/EditionValueActions.h"
#include "editing/EditorEditStepActionSettingsViewController.h"
#include "editing/EditorEditStepDateDistributionViewController.h"
#include "editing/EditorEditStepDateParsingViewController.h"
#include "editing/EditorEditStepEditRawViewController.h"
#include "editing/EditorEditStepEditValueViewController.h"
#include "editing/EditorEditStepSelectActionViewController.h"
#include "editing/EditorEditStepSelectTagsViewController.h"
#include "editing/EditorSelectActionListModel.h"
#include "editing/NumberEditionViewController.h"
#include "editing/TagEditingWindowController.h"
#include "editing/TextEditionViewController.h"
#include "engine/halvex/EndToEndTestSupport.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "widgets/TextLocalizer.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include "presets/PresetEditStepSearchAndReplaceViewController.h"

#include <QLineEdit>
#include <QtTest>

using namespace corvelle;
using corvelle::test::tagItem;
using halvex::test::EndToEnd;
using Editors = QList<std::shared_ptr<halvex::TagEditor>>;
using Step = EditorEditionCacheStep;

Q_DECLARE_METATYPE(std::optional<EditorEditionCacheStep>)

namespace {

constexpr int taskTimeout = 60000;

void waitForTasks()
{
    QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
}

QList<ostrak::TagItem> itemsOf(const QStringList& tags)
{
    QList<ostrak::TagItem> items;
    for (const QString& tag : tags)
        items.append(tagItem(tag.toUtf8().constData()));
    return items;
}

EditorEditionCache cacheOf(const Editors& editors, const QStringList& tags)
{
    return EditorEditionCache(EditorEditionCache::ValueSet(editors, itemsOf(tags)));
}

// A sheet on the edition, shown as the window's sheet shows.
std::unique_ptr<TagEditingWindowController> sheetOn(const EditorEditionCache& cache)
{
    auto sheet = std::make_unique<TagEditingWindowController>();
    sheet->setCache(cache);
    sheet->resize(700, 480);
    sheet->show();
    sheet->activateWindow();
    if (!QTest::qWaitForWindowActive(sheet.get()))
        qWarning("the sheet did not become active");
    return sheet;
}

QList<bool> segmentStates(const EditionValueActions& actions)
{
    QList<bool> states;
    for (QAction* action : actions.segments())
        states << action->isEnabled();
    return states;
}

const QList<bool> allEnabled(8, true);
const QList<bool> noneEnabled(8, false);

} // namespace

// The tag editing sheet on copies of the fixtures, driven as a user does; what a continue or a
// one-click action queued is saved and read back by ExifTool.
class TagEditingWindowControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        waitForTasks();
        halvex::TaskManager::shared().clearFinishedTasks();
    }

    // The first page, its buttons and the segments, by what the selection holds.
    void firstStepButtonsAndSegments_data()
    {
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("firstStep");
        QTest::addColumn<bool>("segmentsShown");
        QTest::addColumn<bool>("canContinue");
        QTest::addColumn<QList<bool>>("segments");

        const QStringList titles{QStringLiteral("XMP-dc:Title"), QStringLiteral("IPTC:ObjectName")};
        QTest::newRow("one value") << titles << 1 << int(Step::tagEdition) << true << true << allEnabled;
        QTest::newRow("several values")
            << QStringList{QStringLiteral("IFD0:Make"), QStringLiteral("IFD0:Model")} << 1 << int(Step::tagEdition)
            << true << true << QList<bool>{false, false, true, true, true, true, true, true};
        QTest::newRow("not writable") << QStringList{QStringLiteral("Composite:ImageSize")} << 1
                                      << int(Step::tagEdition) << true << false
                                      << QList<bool>{true, false, false, false, false, false, false, false};
        QTest::newRow("mixed kinds") << QStringList{QStringLiteral("XMP-dc:Title"), QStringLiteral("IFD0:XResolution")}
                                     << 1 << int(Step::tagSelection) << true << false
                                     << QList<bool>{false, false, true, true, true, true, true, true};
        QTest::newRow("no value set") << QStringList() << 0 << int(Step::tagEdition) << true << true << noneEnabled;
    }

    void firstStepButtonsAndSegments()
    {
        QFETCH(QStringList, tags);
        QFETCH(int, files);
        QFETCH(int, firstStep);
        QFETCH(bool, segmentsShown);
        QFETCH(bool, canContinue);
        QFETCH(QList<bool>, segments);

        EndToEnd e;
        const Editors editors = files ? Editors{e.open(e.copy(QStringLiteral("photo.jpg")))} : Editors{};
        const EditorEditionCache cache = tags.isEmpty() ? EditorEditionCache() : cacheOf(editors, tags);
        const auto sheet = sheetOn(cache);

        QCOMPARE(int(*sheet->currentViewController()->step()), firstStep);
        QCOMPARE(sheet->actionsSegmentControl()->isVisible(), segmentsShown);
        QCOMPARE(segmentStates(sheet->actions()), segments);
        QCOMPARE(sheet->continueButton()->isEnabled(), canContinue);
        QCOMPARE(sheet->continueButton()->isVisible(), canContinue);
        // The first page has no way back.
        QVERIFY(!sheet->goBackButton()->isVisible());
        if (canContinue) {
            QCOMPARE(sheet->continueButton()->text(), localizedString(QStringLiteral("PresetManagerEditContentAction")));
            QVERIFY(sheet->actions().continueAction()->shortcut().isEmpty());
        }
    }

    // Each step's place in the machine, and the continue title and key it gives the host.
    void stepMachine_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("action");
        QTest::addColumn<std::optional<Step>>("previous");
        QTest::addColumn<std::optional<Step>>("next");
        QTest::addColumn<QString>("continueTitle");

        const std::optional<Step> none;
        const QString apply = QStringLiteral("PresetManagerApplyEditAction");
        const QString next = QStringLiteral("PresetManagerContinueAction");
        QTest::newRow("raw") << int(Step::rawEdition) << "" << std::optional<Step>(Step::tagEdition) << none << apply;
        QTest::newRow("trim chosen") << int(Step::actionSelection) << "trim_whitespaces_text"
                                     << std::optional<Step>(Step::tagEdition) << none << apply;
        QTest::newRow("copy chosen") << int(Step::actionSelection) << "copy_other_value"
                                     << std::optional<Step>(Step::tagEdition) << std::optional<Step>(Step::actionEdition) << next;
        QTest::newRow("search chosen") << int(Step::actionSelection) << "search_and_replace"
                                       << std::optional<Step>(Step::tagEdition) << std::optional<Step>(Step::actionEdition) << next;
        QTest::newRow("settings") << int(Step::actionEdition) << "edit_current_value"
                                  << std::optional<Step>(Step::actionSelection) << none << apply;
    }

    void stepMachine()
    {
        QFETCH(int, step);
        QFETCH(QString, action);
        QFETCH(std::optional<Step>, previous);
        QFETCH(std::optional<Step>, next);
        QFETCH(QString, continueTitle);

        EndToEnd e;
        EditorEditionCache cache = cacheOf({e.open(e.copy(QStringLiteral("photo.jpg")))}, {QStringLiteral("XMP-dc:Title")});
        if (!action.isEmpty())
            cache.setFlatEdition(FlatActionEdition::fromPresetEdition(*FlatPresetEdition::fromRawValue(action)));
        const auto sheet = sheetOn(cache);
        sheet->showStep(Step(step), false);
        EditionEditStepViewController* page = sheet->currentViewController();
        QCOMPARE(page->previousStep(), previous);
        QCOMPARE(page->nextStep(), next);
        QVERIFY(page->canContinue());
        QCOMPARE(sheet->continueButton()->text(), localizedString(continueTitle));
        QCOMPARE(sheet->actions().continueAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Return));
        // The segments show only while the value is picked or edited.
        QVERIFY(!sheet->actionsSegmentControl()->isVisible());
        QVERIFY(sheet->goBackButton()->isVisible());
        sheet->goBackEdition();
        QCOMPARE(sheet->currentViewController()->step(), previous);
    }

    // A text tag, two number tags and a date tag: three groups; the number group's button leads
    // to the number editor over both number tags, and back again.
    void mixedSelectionLeadsEachGroupToItsEditor()
    {
        EndToEnd e;
        const Editors editors = e.open({e.copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg")),
                                        e.copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"))});
        const auto sheet = sheetOn(cacheOf(editors, {QStringLiteral("XMP-dc:Title"), QStringLiteral("IFD0:XResolution"),
                                                     QStringLiteral("IFD0:YResolution"),
                                                     QStringLiteral("ExifIFD:DateTimeOriginal")}));
        auto* page = qobject_cast<EditorEditStepSelectTagsViewController*>(sheet->currentViewController());
        QVERIFY(page);
        QStringList shown;
        for (const auto& component : page->components()) {
            if (component.field->parentWidget()->isVisible())
                shown << component.field->text();
        }
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown.at(1).count(QStringLiteral("- ")), 2);
        QVERIFY(!sheet->continueButton()->isVisible());

        QTest::mouseClick(page->components().at(2).button, Qt::LeftButton);
        auto* value = qobject_cast<EditorEditStepEditValueViewController*>(sheet->currentViewController());
        QVERIFY(value);
        QVERIFY(qobject_cast<NumberEditionViewController*>(value->editionViewController()));
        QCOMPARE(value->title(), localizedString(QStringLiteral("EditSeveralTagsTitle"), {2}));
        QCOMPARE(sheet->cache().valueSet()->editors().size(), 2);
        QCOMPARE(value->previousStep(), std::optional<Step>(Step::tagSelection));
        QVERIFY(sheet->goBackButton()->isVisible());
        QTest::mouseClick(sheet->goBackButton(), Qt::LeftButton);
        QVERIFY(qobject_cast<EditorEditStepSelectTagsViewController*>(sheet->currentViewController()));
    }

    // Typing a value and continuing writes it into every tag of every file; continuing over
    // several values left alone writes nothing.
    void editValueWritesOnlyAChangedValue()
    {
        EndToEnd e;
        const QStringList paths{e.copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg")),
                                e.copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"))};
        const Editors editors = e.open(paths);
        QVERIFY(editors.at(1)->setValue(QStringLiteral("Other"), tagItem("XMP-dc:Title").tagName()));
        const QStringList tags{QStringLiteral("XMP-dc:Title"), QStringLiteral("IPTC:ObjectName")};

        {
            const auto sheet = sheetOn(cacheOf(editors, tags));
            QSignalSpy finished(sheet.get(), &QDialog::finished);
            // Without a change there is no key to finish with; the button ends the edition.
            QVERIFY(sheet->actions().continueAction()->shortcut().isEmpty());
            QTest::mouseClick(sheet->continueButton(), Qt::LeftButton);
            QCOMPARE(finished.size(), 1);
            QCOMPARE(finished.first().first().toInt(), 1);
            waitForTasks();
            QVERIFY(halvex::TaskManager::shared().tasks().empty());
        }

        const auto sheet = sheetOn(cacheOf(editors, tags));
        auto* page = qobject_cast<EditorEditStepEditValueViewController*>(sheet->currentViewController());
        auto* editor = qobject_cast<TextEditionViewController*>(page->editionViewController());
        QVERIFY(editor);
        editor->textView()->setFocus();
        QTest::keyClicks(editor->textView(), QStringLiteral("Harbour"));
        QCOMPARE(sheet->continueButton()->text(), localizedString(QStringLiteral("PresetManagerApplyEditAction")));
        QCOMPARE(sheet->actions().continueAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Return));
        QSignalSpy finished(sheet.get(), &QDialog::finished);
        QTest::mouseClick(sheet->continueButton(), Qt::LeftButton);
        QCOMPARE(finished.size(), 1);
        waitForTasks();
        QCOMPARE(e.save(editors), QString());
        for (const QString& path : paths)
            QCOMPARE(EndToEnd::read(path, tags), QStringLiteral("Harbour\nHarbour"));
    }

    // The raw text goes in unchanged; an empty text over several values, untouched, is no value.
    void rawValueIsWrittenUnchanged()
    {
        EndToEnd e;
        const QString path = e.copy(QStringLiteral("photo.jpg"));
        const Editors editors{e.open(path)};
        const QStringList several{QStringLiteral("IFD0:Make"), QStringLiteral("IFD0:Model")};
        {
            const auto sheet = sheetOn(cacheOf(editors, several));
            QTest::mouseClick(qobject_cast<QAbstractButton*>(sheet->actionsSegmentControl()->findChild<QWidget*>(
                                  QStringLiteral("rawEditValues:"))),
                              Qt::LeftButton);
            auto* raw = qobject_cast<EditorEditStepEditRawViewController*>(sheet->currentViewController());
            QVERIFY(raw);
            QVERIFY(raw->valueTextView()->toPlainText().isEmpty());
            sheet->continueEdition();
            waitForTasks();
            QVERIFY(!editors.first()->hasEdits());
        }
        const auto sheet = sheetOn(cacheOf(editors, {QStringLiteral("IFD0:XResolution")}));
        sheet->rawEditValues();
        auto* raw = qobject_cast<EditorEditStepEditRawViewController*>(sheet->currentViewController());
        QCOMPARE(raw->valueTextView()->toPlainText(), QStringLiteral("72"));
        raw->valueTextView()->selectAll();
        QTest::keyClicks(raw->valueTextView(), QStringLiteral("300"));
        // The text keeps its own undo history.
        QVERIFY(raw->valueTextView()->document()->isUndoAvailable());
        sheet->continueEdition();
        waitForTasks();
        QCOMPARE(e.save(editors), QString());
        QCOMPARE(EndToEnd::read(path, {QStringLiteral("IFD0:XResolution")}), QStringLiteral("300"));
    }

    // Each action without settings, chosen in the list after the quick-actions segment, runs as
    // one edition task when the sheet continues.
    void actionsWithoutSettings_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("expected");
        QTest::newRow("uppercase") << "uppercase_text" << "XMP-dc:Title" << "" << "CAFÉ IN ZÜRICH";
        QTest::newRow("lowercase") << "lowercase_text" << "XMP-dc:Title" << "" << "café in zürich";
        QTest::newRow("capitalize") << "capitalize_text" << "XMP-dc:Title" << "a quiet lake" << "A Quiet Lake";
        QTest::newRow("trim") << "trim_whitespaces_text" << "XMP-dc:Title" << "  spaced  " << "spaced";
        QTest::newRow("remove") << "remove_current_value" << "XMP-dc:Title" << "" << "-";
        QTest::newRow("restore") << "restore_original_value" << "XMP-dc:Title" << "staged" << "Café in Zürich";
        QTest::newRow("keep") << "keep_current_value" << "XMP-dc:Title" << "" << "Café in Zürich";
        QTest::newRow("sort ascending") << "sort_in_ascending_order" << "IPTC:Keywords" << "pear, apple, fig"
                                        << "apple, fig, pear";
        QTest::newRow("sort descending") << "sort_in_descending_order" << "IPTC:Keywords" << ""
                                         << "Zürich, lake, evening, café";
    }

    void actionsWithoutSettings()
    {
        QFETCH(QString, action);
        QFETCH(QString, tag);
        QFETCH(QString, before);
        QFETCH(QString, expected);

        EndToEnd e;
        const QString path = e.copy(QStringLiteral("photo.jpg"));
        const Editors editors{e.open(path)};
        if (!before.isEmpty())
            QVERIFY(editors.first()->setValues(before.split(QStringLiteral(", ")), tagItem(tag.toUtf8().constData()).tagName()));
        const auto sheet = sheetOn(cacheOf(editors, {tag}));
        sheet->actions().segment(EditionValueActions::quickActions)->trigger();
        auto* page = qobject_cast<EditorEditStepSelectActionViewController*>(sheet->currentViewController());
        QVERIFY(page);
        QAbstractItemModelTester tester(page->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const FlatActionEdition chosen = FlatActionEdition::fromPresetEdition(*FlatPresetEdition::fromRawValue(action));
        const int row = page->model()->rowOf(chosen);
        QVERIFY(row >= 0);
        const QModelIndex index = page->model()->index(row);
        page->tableView()->scrollTo(index);
        QTest::mouseClick(page->tableView()->viewport(), Qt::LeftButton, {}, page->tableView()->visualRect(index).center());
        QCOMPARE(sheet->cache().flatEdition(), chosen);
        QVERIFY(page->model()->data(index, EditorSelectActionListModel::CheckedRole).toBool());
        QVERIFY(!sheet->continueButton()->text().isEmpty());

        QSignalSpy finished(sheet.get(), &QDialog::finished);
        QTest::keyClick(sheet.get(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(finished.size(), 1);
        // The action waits for its turn on the task manager.
        const auto tasks = halvex::TaskManager::shared().tasks();
        QVERIFY(!tasks.empty());
        QVERIFY(std::dynamic_pointer_cast<halvex::EditionTask>(tasks.back()));
        waitForTasks();
        QCOMPARE(e.save(editors), QString());
        QCOMPARE(EndToEnd::read(path, {tag}), expected);
    }

    // Search and replace goes through its settings page, hosted by the sheet: typed there, the
    // settings are applied once, as one edition task, when the sheet finishes.
    void searchAndReplaceThroughItsSettingsPage()
    {
        EndToEnd e;
        const QString path = e.copy(QStringLiteral("photo.jpg"));
        const Editors editors{e.open(path)};
        EditorEditionCache cache = cacheOf(editors, {QStringLiteral("XMP-dc:Title")});
        cache.setFlatEdition(FlatActionEdition::fromPresetEdition(FlatPresetEdition::searchAndReplace));
        const auto sheet = sheetOn(cache);
        sheet->showQuickActions();
        QTest::keyClick(sheet.get(), Qt::Key_Return, Qt::ControlModifier);
        auto* step = qobject_cast<EditorEditStepActionSettingsViewController*>(sheet->currentViewController());
        QVERIFY(step);
        auto* page = qobject_cast<PresetEditStepSearchAndReplaceViewController*>(step->settingsViewController());
        QVERIFY(page);
        QTest::keyClicks(page->findChild<QLineEdit*>(QStringLiteral("findTextField")), QStringLiteral(" in "));
        QTest::keyClicks(page->findChild<QLineEdit*>(QStringLiteral("replaceTextField")), QStringLiteral(" near "));

        const qsizetype queued = halvex::TaskManager::shared().tasks().size();
        QSignalSpy finished(sheet.get(), &QDialog::finished);
        QTest::keyClick(sheet.get(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(finished.size(), 1);
        const auto tasks = halvex::TaskManager::shared().tasks();
        QCOMPARE(tasks.size(), queued + 1);
        waitForTasks();
        QCOMPARE(e.save(editors), QString());
        QCOMPARE(EndToEnd::read(path, {QStringLiteral("XMP-dc:Title")}), QStringLiteral("Café near Zürich"));
    }

    // Deselecting every action stores keep-the-value while the page itself can no longer go on.
    void deselectingTheActionKeepsTheValue()
    {
        EndToEnd e;
        EditorEditionCache cache = cacheOf({e.open(e.copy(QStringLiteral("photo.jpg")))}, {QStringLiteral("XMP-dc:Title")});
        cache.setFlatEdition(FlatActionEdition::fromPresetEdition(FlatPresetEdition::uppercaseText));
        const auto sheet = sheetOn(cache);
        sheet->showQuickActions();
        auto* page = qobject_cast<EditorEditStepSelectActionViewController*>(sheet->currentViewController());
        QCOMPARE(page->flatActionEdition(), std::optional<FlatActionEdition>(cache.flatEdition()));
        page->chooseEdition(std::nullopt);
        QVERIFY(!page->canContinue());
        QVERIFY(!sheet->continueButton()->isEnabled());
        QCOMPARE(sheet->cache().flatEdition(), FlatActionEdition());
    }

    // Whatever action was chosen before, the date editor's shift request opens the custom
    // value settings; without a date tag nothing happens.
    void shiftingDatesOpensTheCustomValueSettings()
    {
        EndToEnd e;
        const Editors editors{e.open(e.copy(QStringLiteral("photo.jpg")))};
        EditorEditionCache dates = cacheOf(editors, {QStringLiteral("ExifIFD:DateTimeOriginal")});
        dates.setFlatEdition(FlatActionEdition::fromPresetEdition(FlatPresetEdition::searchAndReplace));
        auto sheet = sheetOn(dates);
        sheet->shiftDateComponents();
        QVERIFY(qobject_cast<EditorEditStepActionSettingsViewController*>(sheet->currentViewController()));
        QCOMPARE(sheet->cache().flatEdition(), FlatActionEdition::fromPresetEdition(FlatPresetEdition::editCurrentValue));

        sheet = sheetOn(cacheOf(editors, {QStringLiteral("XMP-dc:Title")}));
        sheet->shiftDateComponents();
        QCOMPARE(sheet->currentViewController()->step(), std::optional<Step>(Step::tagEdition));
    }

    // One-click actions end the sheet with 1 once they queued their edition; cancel ends with 0
    // and writes nothing of the page shown.
    void oneClickActionsAndCancel()
    {
        EndToEnd e;
        const QString path = e.copy(QStringLiteral("photo.jpg"));
        const Editors editors{e.open(path)};
        const QStringList tags{QStringLiteral("XMP-dc:Title")};
        {
            const auto sheet = sheetOn(cacheOf(editors, tags));
            QSignalSpy finished(sheet.get(), &QDialog::finished);
            sheet->useQuickActions();
            QTest::mouseClick(sheet->cancelButton(), Qt::LeftButton);
            QCOMPARE(finished.size(), 1);
            QCOMPARE(finished.first().first().toInt(), 0);
        }
        const auto sheet = sheetOn(cacheOf(editors, tags));
        QSignalSpy finished(sheet.get(), &QDialog::finished);
        sheet->segmentActions(EditionValueActions::clear);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        waitForTasks();
        QCOMPARE(e.save(editors), QString());
        QCOMPARE(EndToEnd::read(path, tags), QStringLiteral("-"));
    }

    // Split and increment over three files, and a split over one file.
    void dateDistribution_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("method");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("split over three") << 3 << 0
                                          << QStringList{"2024:03:05 10:00:00", "2024:03:05 11:00:00", "2024:03:05 12:00:00"};
        QTest::newRow("split over one") << 1 << 0 << QStringList{"2024:03:05 10:00:00"};
        QTest::newRow("increment of a day and two hours")
            << 3 << 1 << QStringList{"2024:03:05 10:00:00", "2024:03:06 12:00:00", "2024:03:07 14:00:00"};
    }

    void dateDistribution()
    {
        QFETCH(int, files);
        QFETCH(int, method);
        QFETCH(QStringList, expected);

        EndToEnd e;
        QStringList paths;
        for (int i = 0; i < files; ++i)
            paths << e.copy(QStringLiteral("photo.jpg"), QStringLiteral("file%1.jpg").arg(i));
        const Editors editors = e.open(paths);
        EditorEditionCache cache = cacheOf(editors, {QStringLiteral("ExifIFD:DateTimeOriginal")});
        cache.setFlatEdition(FlatActionEdition::dateDistribution());
        const auto sheet = sheetOn(cache);
        sheet->showQuickActions();
        QVERIFY(sheet->currentViewController()->nextStep() == Step::actionEdition);
        sheet->continueEdition();
        auto* page = qobject_cast<EditorEditStepDateDistributionViewController*>(sheet->currentViewController());
        QVERIFY(page);
        QCOMPARE(page->previousStep(), std::optional<Step>(Step::actionSelection));
        const QDateTime start(QDate(2024, 3, 5), QTime(10, 0));
        page->methodPopUpButton()->setCurrentIndex(method);
        QCOMPARE(page->splitMethodContainer()->isVisible(), method == 0);
        QCOMPARE(page->incrementMethodContainer()->isVisible(), method == 1);
        if (method == 0) {
            page->distributeStartPicker()->setDateTime(start);
            page->distributeEndPicker()->setDateTime(start.addSecs(2 * 3600));
        } else {
            page->incrementStartPicker()->setDateTime(start);
            // Editing an amount ticks its unit.
            page->unitFields().at(2)->setValue(1);
            page->unitFields().at(3)->setValue(2);
            QVERIFY(page->unitButtons().at(2)->isChecked() && page->unitButtons().at(3)->isChecked());
            QVERIFY(!page->unitButtons().at(0)->isChecked());
            QCOMPARE(page->incrementSeconds(), 26 * 3600.0);
        }
        sheet->continueEdition();
        waitForTasks();
        QCOMPARE(e.save(editors), QString());
        for (int i = 0; i < files; ++i)
            QCOMPARE(EndToEnd::read(paths.at(i), {QStringLiteral("ExifIFD:DateTimeOriginal")}), expected.at(i));
    }

    // Dates read out of dated file names; a file whose name holds none keeps its date.
    void dateParsingFromFileNames()
    {
        EndToEnd e;
        const QStringList paths{e.copy(QStringLiteral("photo.jpg"), QStringLiteral("2021-07-04-13-05-59.jpg")),
                                e.copy(QStringLiteral("photo.jpg"), QStringLiteral("holiday.jpg"))};
        const Editors editors = e.open(paths);
        const QStringList tags{QStringLiteral("ExifIFD:DateTimeOriginal"), QStringLiteral("XMP-xmp:CreateDate")};
        EditorEditionCache cache = cacheOf(editors, tags);
        cache.setFlatEdition(FlatActionEdition::dateParsing());
        const auto sheet = sheetOn(cache);
        sheet->showStep(Step::actionEdition, false);
        auto* page = qobject_cast<EditorEditStepDateParsingViewController*>(sheet->currentViewController());
        QVERIFY(page);
        QCOMPARE(page->testingValueTextField()->text(), QStringLiteral("2021-07-04-13-05-59.jpg"));
        QVERIFY(page->testingResultTextField()->text().startsWith(QStringLiteral("2021-07-0")));

        // An invalid expression shows no date; a valid one again shows it.
        page->regexField()->setFocus();
        page->regexField()->selectAll();
        QTest::keyClicks(page->regexField(), QStringLiteral("(\\d+"));
        QCOMPARE(page->testingResultTextField()->text(), QStringLiteral("-"));
        page->regexField()->selectAll();
        QTest::keyClicks(page->regexField(), DateParsingSettings().regexPattern);
        QVERIFY(page->testingResultTextField()->text() != QStringLiteral("-"));

        sheet->continueEdition();
        waitForTasks();
        QCOMPARE(e.save(editors), QString());
        QCOMPARE(EndToEnd::read(paths.at(0), tags).section(QLatin1Char('\n'), 0, 0), QStringLiteral("2021:07:04 13:05:59"));
        QVERIFY(EndToEnd::read(paths.at(0), tags).section(QLatin1Char('\n'), 1, 1).startsWith(QStringLiteral("2021:07:04 13:05:59")));
        QCOMPARE(EndToEnd::read(paths.at(1), {tags.first()}), QStringLiteral("2022:07:14 18:45:12"));
    }

    // An invalid expression writes nothing at all.
    void dateParsingWithAnInvalidExpressionQueuesNothing()
    {
        EndToEnd e;
        const Editors editors{e.open(e.copy(QStringLiteral("photo.jpg"), QStringLiteral("2021-07-04-13-05-59.jpg")))};
        EditorEditionCache cache = cacheOf(editors, {QStringLiteral("ExifIFD:DateTimeOriginal")});
        cache.setFlatEdition(FlatActionEdition::dateParsing());
        const auto sheet = sheetOn(cache);
        sheet->showStep(Step::actionEdition, false);
        auto* page = qobject_cast<EditorEditStepDateParsingViewController*>(sheet->currentViewController());
        page->regexField()->setText(QStringLiteral("[unclosed"));
        page->changeRegex();
        sheet->continueEdition();
        waitForTasks();
        QVERIFY(halvex::TaskManager::shared().tasks().empty());
        QVERIFY(!editors.first()->hasEdits());
    }

    // The components read out of a text: the captured texts of the first match, groups that took
    // no part left out, and only plain signed decimal numbers.
    void dateParsingComponents_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("expected");
        const QList<int> defaults{0, 1, 2, 3, 4, 5};
        const QString regex = DateParsingSettings().regexPattern;
        QTest::newRow("file name") << regex << "2021-07-04-13-05-59.jpg" << defaults << "2021-07-04 13:05:59";
        QTest::newRow("first match only") << regex << "2021-07-04-13-05-59 2020-01-01-00-00-00" << defaults
                                          << "2021-07-04 13:05:59";
        QTest::newRow("beyond the basic plane") << regex << "😀😀 2021-07-04-13-05-59" << defaults << "2021-07-04 13:05:59";
        QTest::newRow("plus sign") << "(\\d+)/(\\+?\\d+)/(\\d+)" << "2021/+7/4" << QList<int>{0, 1, 2, -1, -1, -1}
                                   << "2021-07-04 00:00:00";
        QTest::newRow("leading space") << "(\\d+)/( ?\\d+)/(\\d+)" << "2021/ 7/4" << QList<int>{0, 1, 2, -1, -1, -1} << "";
        QTest::newRow("optional group absent") << "(x)?(\\d{4})(\\d\\d)(\\d\\d)" << "20210704"
                                               << QList<int>{0, 1, 2, -1, -1, -1} << "2021-07-04 00:00:00";
        QTest::newRow("match number beyond") << regex << "2021-07-04-13-05-59" << QList<int>{0, 1, 2, 3, 4, 9}
                                             << "2021-07-04 13:05:00";
        QTest::newRow("overflow") << "(\\d+)-(\\d+)-(\\d+)" << "99999999999999999999-7-4" << QList<int>{0, 1, 2, -1, -1, -1} << "";
        QTest::newRow("no groups") << "\\d+" << "2021" << defaults << "";
        QTest::newRow("invalid expression") << "(\\d+" << "2021" << defaults << "";
    }

    void dateParsingComponents()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, expected);
        DateParsingSettings settings;
        settings.regexPattern = pattern;
        settings.yearMatchNumber = numbers.at(0);
        settings.monthMatchNumber = numbers.at(1);
        settings.dayMatchNumber = numbers.at(2);
        settings.hourMatchNumber = numbers.at(3);
        settings.minuteMatchNumber = numbers.at(4);
        settings.secondMatchNumber = numbers.at(5);
        const std::optional<QDateTime> date = settings.date(text);
        QCOMPARE(date ? date->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString(), expected);
    }
};

QTEST_MAIN(TagEditingWindowControllerTest)
#include "TagEditingWindowControllerTest.moc"
