#include "editor/EditorWindowController.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "support/TestEnvironment.h"
#include "tags/TagFilterOptionsWindowController.h"
#include "tags/TagListOptionsWindowController.h"
#include "tags/TagsSettings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;
using Filter = halvex::TagValueTableFilter;
using StringConstraint = Filter::StringConstraint;

namespace {

constexpr int taskTimeout = 60000;

Filter makeFilter(StringConstraint name, StringConstraint value, Filter::ValueEditionConstraint edition,
                  Filter::ValueStateConstraint state)
{
    Filter filter;
    filter.nameConstraint = std::move(name);
    filter.valueConstraint = std::move(value);
    filter.valueEdition = edition;
    filter.valueState = state;
    return filter;
}

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

class TagFilterOptionsWindowControllerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    // The sheet shown alone, ended by `end`; its return code.
    static int runSheet(TagFilterOptionsWindowController& sheet, const std::function<void()>& end)
    {
        QSignalSpy finished(&sheet, &QDialog::finished);
        sheet.show();
        end();
        return finished.isEmpty() ? -1 : finished.first().first().toInt();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    // Every kind of filter shows in the controls and comes back unchanged when applied.
    void everyFilterRoundTrips_data()
    {
        using E = Filter::ValueEditionConstraint;
        using S = Filter::ValueStateConstraint;
        QTest::addColumn<Filter>("filter");
        QTest::addColumn<QString>("nameText");
        QTest::addColumn<int>("namePopUp");
        QTest::addColumn<QString>("valueText");
        QTest::addColumn<int>("valuePopUp");
        QTest::newRow("empty") << Filter() << "" << 0 << "" << 0;
        QTest::newRow("plain name") << makeFilter(StringConstraint::plainText(u"title"_qs), {}, E::ignore, S::ignore)
                                    << "title" << 0 << "" << 0;
        QTest::newRow("regex name, edited") << makeFilter(StringConstraint::regularExpression(u"^Item.*Title$"_qs), {}, E::edited, S::ignore)
                                            << "^Item.*Title$" << 1 << "" << 0;
        QTest::newRow("plain value, unedited") << makeFilter({}, StringConstraint::plainText(u"Dusk"_qs), E::unedited, S::withValue)
                                               << "" << 0 << "Dusk" << 0;
        QTest::newRow("regex value, without value") << makeFilter({}, StringConstraint::regularExpression(u"\\d{4}"_qs), E::ignore, S::withoutValue)
                                                    << "" << 0 << "\\d{4}" << 1;
        QTest::newRow("invalid expression") << makeFilter(StringConstraint::regularExpression(u"(["_qs), StringConstraint::plainText(u"é 東京"_qs), E::edited, S::withValue)
                                            << "([" << 1 << "é 東京" << 0;
    }

    void everyFilterRoundTrips()
    {
        QFETCH(Filter, filter);
        QFETCH(QString, nameText);
        QFETCH(int, namePopUp);
        QFETCH(QString, valueText);
        QFETCH(int, valuePopUp);
        TagFilterOptionsWindowController sheet;
        sheet.setTagFilter(filter);
        QCOMPARE(sheet.tagNameTextField()->text(), nameText);
        QCOMPARE(sheet.tagNameMatchPopUp()->currentIndex(), namePopUp);
        QCOMPARE(sheet.tagValueTextField()->text(), valueText);
        QCOMPARE(sheet.tagValueMatchPopUp()->currentIndex(), valuePopUp);
        QCOMPARE(sheet.valueEditionSegmentControl()->checkedId(), int(filter.valueEdition));
        QCOMPARE(sheet.valueStateSegmentControl()->checkedId(), int(filter.valueState));
        QCOMPARE(runSheet(sheet, [&] { sheet.validateSheet(); }), 1);
        QCOMPARE(sheet.tagFilter(), filter);
    }

    // A blank text never constrains, whatever the pop-up says; reset then apply gives the empty
    // filter; reset then cancel ends with 0; an equal filter leaves the controls alone.
    void blankTextsResetAndCancel()
    {
        TagFilterOptionsWindowController sheet;
        sheet.tagNameMatchPopUp()->setCurrentIndex(1);
        sheet.tagNameTextField()->setText(u"   "_qs);
        sheet.tagValueTextField()->setText(u"\t"_qs);
        QCOMPARE(runSheet(sheet, [&] { sheet.validateSheet(); }), 1);
        QCOMPARE(sheet.tagFilter(), Filter());

        const Filter named = makeFilter(StringConstraint::plainText(u"x"_qs), {}, Filter::ValueEditionConstraint::edited,
                                        Filter::ValueStateConstraint::ignore);
        sheet.setTagFilter(named);
        sheet.tagNameTextField()->setText(u"typed"_qs);
        sheet.setTagFilter(named);
        QCOMPARE(sheet.tagNameTextField()->text(), u"typed"_qs);

        sheet.resetFilter();
        QCOMPARE(sheet.tagNameTextField()->text(), QString());
        QCOMPARE(sheet.valueEditionSegmentControl()->checkedId(), 0);
        QCOMPARE(runSheet(sheet, [&] { sheet.cancelSheet(); }), 0);
        sheet.setTagFilter(named);
        sheet.resetFilter();
        QCOMPARE(runSheet(sheet, [&] { sheet.validateSheet(); }), 1);
        QCOMPARE(sheet.tagFilter(), Filter());

        // The touch bar's Cancel and Apply reach the same actions.
        const auto items = sheet.dynamicTouchBar().touchBar();
        QCOMPARE(items.size(), 4);
        QVERIFY(items.at(0)->isFlexibleSpace() && items.at(3)->isFlexibleSpace());
        QCOMPARE(runSheet(sheet, [&] { items.at(1)->perform(); }), 0);
        QCOMPARE(runSheet(sheet, [&] { items.at(2)->perform(); }), 1);
    }

    // The window's commands open the sheets with the filter used last, store what is applied,
    // and filter or select the tag table's rows by it; a cancelled sheet changes nothing.
    void windowFiltersAndSelectsTheTableRows()
    {
        defaults().set(Settings::lastTagFilter(), Filter());
        defaults().set(Settings::lastTagSelection(), Filter());
        EditorWindowController controller;
        controller.window()->resize(1000, 600);
        controller.window()->show();
        QVERIFY(!controller.validateUserInterfaceItem(QStringLiteral("showTagFilterPanel:")));
        controller.addFiles({QUrl::fromLocalFile(test::copyFixture(folder_.path(), QStringLiteral("movie.mp4")))});
        QTRY_COMPARE_WITH_TIMEOUT(controller.metadataFileList()->files().size(), 1, taskTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        controller.metadataFileList()->setSelection(brisa::IndexSet({0}));
        QTest::qWait(0);
        // The sheets act on the tag table of the tags section.
        controller.setContentSection(EditorContentSection::preview);
        QVERIFY(!controller.validateUserInterfaceItem(QStringLiteral("showTagFilterPanel:")));
        controller.setContentSection(EditorContentSection::tags);
        halvex::TagValueTable* table = controller.tagValueTable();
        const auto rows = [table] {
            QList<int> result;
            const auto content = table->content();
            for (int index = 0; index < content.entries().size(); ++index) {
                if (content.entries().at(index).isRow())
                    result << index;
            }
            return result;
        };
        const int allRows = int(rows().size());
        QVERIFY(allRows > 2);

        // Opens the sheet of a command once the previous sheet is gone.
        const auto openSheet = [&controller](const QString& command) -> TagFilterOptionsWindowController* {
            if (!QTest::qWaitFor([&] { return !brisa::SheetPresenter::attachedSheet(controller.window()); }))
                return nullptr;
            controller.refreshCommandActions();
            if (!controller.validateUserInterfaceItem(command))
                return nullptr;
            controller.performCommand(command, nullptr);
            return qobject_cast<TagFilterOptionsWindowController*>(brisa::SheetPresenter::attachedSheet(controller.window()));
        };

        const Filter genre = makeFilter(StringConstraint::plainText(u"genre"_qs), {}, Filter::ValueEditionConstraint::ignore,
                                        Filter::ValueStateConstraint::ignore);
        TagFilterOptionsWindowController* sheet = openSheet(QStringLiteral("showTagFilterPanel:"));
        QVERIFY(sheet);
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QTest::keyClicks(sheet->tagNameTextField(), u"genre"_qs);
        QTest::mouseClick(sheet->findChild<QAbstractButton*>(u"applyButton"_qs), Qt::LeftButton);
        QTRY_COMPARE(defaults().value(Settings::lastTagFilter()), genre);
        QTRY_COMPARE(table->latestRequest().filter, genre);
        QCOMPARE(rows().size(), 1);
        QVERIFY(genre.filter(table->content().entries().at(rows().first()).rowValue()));

        // Opened again, the sheet shows it; reset and cancelled, nothing changes.
        QVERIFY((sheet = openSheet(QStringLiteral("showTagFilterPanel:"))));
        QCOMPARE(sheet->tagNameTextField()->text(), u"genre"_qs);
        sheet->resetFilter();
        sheet->cancelSheet();
        QTRY_VERIFY(!brisa::SheetPresenter::attachedSheet(controller.window()));
        QCOMPARE(defaults().value(Settings::lastTagFilter()), genre);
        QCOMPARE(table->latestRequest().filter, genre);

        // An invalid expression filters every row out without harm.
        QVERIFY((sheet = openSheet(QStringLiteral("showTagFilterPanel:"))));
        sheet->tagNameMatchPopUp()->setCurrentIndex(1);
        sheet->tagNameTextField()->setText(u"(["_qs);
        sheet->validateSheet();
        QTRY_COMPARE(table->latestRequest().filter.nameConstraint, StringConstraint::regularExpression(u"(["_qs));
        QCOMPARE(rows().size(), 0);

        QVERIFY((sheet = openSheet(QStringLiteral("showTagFilterPanel:"))));
        sheet->resetFilter();
        sheet->validateSheet();
        QTRY_COMPARE(int(rows().size()), allRows);

        // Selection: the rows that pass become the table's selection.
        QVERIFY((sheet = openSheet(QStringLiteral("showTagSelectPanel:"))));
        sheet->tagNameTextField()->setText(u"title"_qs);
        sheet->validateSheet();
        QTRY_VERIFY(!table->latestRequest().selectedEntryIndexes.isEmpty());
        const auto content = table->content();
        const Filter title = defaults().value(Settings::lastTagSelection());
        QCOMPARE(title.nameConstraint, StringConstraint::plainText(u"title"_qs));
        QList<int> expected;
        for (int index : rows()) {
            if (title.filter(content.entries().at(index).rowValue()))
                expected << index;
        }
        QVERIFY(!expected.isEmpty() && expected.size() < allRows);
        QCOMPARE(table->latestRequest().selectedEntryIndexes, brisa::IndexSet(expected));
        QCOMPARE(defaults().value(Settings::lastTagFilter()), Filter());

        // The displayed tag list opens from its command and closes with Close.
        controller.performCommand(QStringLiteral("showTagManagePanel:"), nullptr);
        TagListOptionsWindowController* list = nullptr;
        QTRY_VERIFY((list = qobject_cast<TagListOptionsWindowController*>(brisa::SheetPresenter::attachedSheet(controller.window()))));
        QTest::mouseClick(list->findChild<QAbstractButton*>(u"closeButton"_qs), Qt::LeftButton);
        QTRY_VERIFY(!brisa::SheetPresenter::attachedSheet(controller.window()));
    }
};

QTEST_MAIN(TagFilterOptionsWindowControllerTest)
#include "TagFilterOptionsWindowControllerTest.moc"
