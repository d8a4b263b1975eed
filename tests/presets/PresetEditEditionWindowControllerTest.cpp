#include "editing/EditingTestSupport.h"
#include "editing/GenericEditionViewController.h"
#include "engine/halvex/libraries/PresetManager.h"
#include "presets/PresetEditEditionWindowController.h"
#include "presets/PresetEditStepCopyOtherValueViewController.h"
#include "presets/PresetEditStepEditCurrentValueViewController.h"
#include "presets/PresetEditStepSearchAndReplaceViewController.h"
#include "presets/PresetEditStepSelectActionViewController.h"
#include "presets/PresetEditStepSelectTagsViewController.h"
#include "widgets/TextLocalizer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace corvelle;
using halvex::PresetEdition;
using halvex::PresetItem;
using Step = PresetEditionCache::Step;

namespace {

PresetItem::Entry entry(const char* tag, const PresetEdition& edition)
{
    return PresetItem::Entry(ostrak::TagName::fromRawValue(QLatin1String(tag)), edition);
}

PresetEdition searchFor(const QString& search, const QString& replace, bool regex)
{
    halvex::SearchAndReplaceSettings settings;
    settings.searchString = search;
    settings.replaceString = replace;
    settings.useRegex = regex;
    return PresetEdition::searchAndReplace(settings);
}

PresetEdition copyOf(const char* tag, halvex::CopyTagValueSettings::Formatter formatter)
{
    halvex::CopyTagValueSettings settings;
    settings.tagName = ostrak::TagName::fromRawValue(QLatin1String(tag));
    settings.formatter = formatter;
    return PresetEdition::copyTagValue(settings);
}

QPushButton* button(QDialog* sheet, const char* name)
{
    return sheet->findChild<QPushButton*>(QLatin1String(name));
}

// Which of Continue, Go Back and Delete the sheet shows, as "cgd" letters.
QString shownButtons(QDialog* sheet)
{
    QString shown;
    if (button(sheet, "continueButton")->isVisibleTo(sheet))
        shown += QLatin1Char('c');
    if (button(sheet, "goBackButton")->isVisibleTo(sheet))
        shown += QLatin1Char('g');
    if (button(sheet, "deleteButton")->isVisibleTo(sheet))
        shown += QLatin1Char('d');
    return shown;
}

template<class Element>
bool selectRow(QTableView* table, const std::function<bool(const Element&)>& matches)
{
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        const QModelIndex index = table->model()->index(row, 0);
        if (matches(index.data(Qt::UserRole).value<Element>())) {
            table->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return true;
        }
    }
    return false;
}

bool selectTag(QTableView* table, const QString& rawName)
{
    return selectRow<ostrak::TagItem>(table, [&](const ostrak::TagItem& item) { return item.tagName().rawValue() == rawName; });
}

} // namespace

// The preset entry sheet over a real preset: the pages it shows for each operation, what each
// continue stores, and the entry it leaves in the preset, which survives a save and a reload.
class PresetEditEditionWindowControllerTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    std::unique_ptr<PresetEditEditionWindowController> sheetFor(const halvex::PresetItemPtr& preset,
                                                                std::optional<int> row)
    {
        auto sheet = std::make_unique<PresetEditEditionWindowController>();
        sheet->setCache(PresetEditionCache(preset, row));
        sheet->show();
        return sheet;
    }

    template<class Page>
    Page* page(PresetEditEditionWindowController& sheet)
    {
        return qobject_cast<Page*>(sheet.currentViewController());
    }

    // Searches the tag page's list for the tag and picks it.
    void chooseTag(PresetEditEditionWindowController& sheet, const QString& rawName)
    {
        auto* tags = page<PresetEditStepSelectTagsViewController>(sheet);
        QVERIFY(tags);
        tags->findChild<QLineEdit*>(QStringLiteral("searchField"))->setText(rawName.section(QLatin1Char(':'), 1));
        QTRY_VERIFY_WITH_TIMEOUT(!tags->searchEngine().isSearching() && selectTag(tags->tableView(), rawName), 20000);
    }

    void chooseOperation(PresetEditEditionWindowController& sheet, FlatPresetEdition flat)
    {
        auto* actions = page<PresetEditStepSelectActionViewController>(sheet);
        QVERIFY(actions);
        QVERIFY(selectRow<FlatPresetEdition>(actions->tableView(), [&](FlatPresetEdition each) { return each == flat; }));
    }

private Q_SLOTS:
    // Each operation's page flow, from the tag page to the stored entry; the settings are typed
    // into the page's own controls. Find texts holding "%1" stay as typed.
    void newEntryFlows_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("pages");

        QTest::newRow("uppercase") << "XMP-dc:Title" << int(FlatPresetEdition::uppercaseText) << "" << 2;
        QTest::newRow("remove") << "IFD0:Artist" << int(FlatPresetEdition::removeCurrentValue) << "" << 2;
        QTest::newRow("custom value") << "XMP-dc:Title" << int(FlatPresetEdition::editCurrentValue) << "Lake" << 3;
        QTest::newRow("search") << "XMP-dc:Title" << int(FlatPresetEdition::searchAndReplace) << "%1 and %2" << 3;
        QTest::newRow("copy") << "XMP-dc:Title" << int(FlatPresetEdition::copyOtherTagValue) << "IFD0:Artist" << 3;
    }

    void newEntryFlows()
    {
        QFETCH(QString, tag);
        QFETCH(int, operation);
        QFETCH(QString, typed);
        QFETCH(int, pages);
        const FlatPresetEdition flat{FlatPresetEdition::Case(operation)};
        const QString libraryPath = folder_.filePath(QStringLiteral("Presets-%1.json").arg(operation));
        halvex::PresetManager manager(libraryPath);
        const auto preset = std::make_shared<PresetItem>(QStringLiteral("P"), QString(),
                                                         QList<PresetItem::Entry>{entry("IFD0:Make", PresetEdition::keepCurrentValue())});
        manager.insertGroups({std::make_shared<halvex::PresetGroup>(QStringLiteral("G"), QString(), QList{preset})}, 0);

        auto sheet = sheetFor(preset, std::nullopt);
        QCOMPARE(sheet->currentViewController()->step(), Step::tagSelection);
        QCOMPARE(shownButtons(sheet.get()), QString());
        QCOMPARE(button(sheet.get(), "continueButton")->text(), localizedString(QStringLiteral("PresetManagerContinueAction")));
        chooseTag(*sheet, tag);
        QCOMPARE(shownButtons(sheet.get()), QStringLiteral("c"));
        sheet->continueEdition();
        chooseOperation(*sheet, flat);
        QCOMPARE(shownButtons(sheet.get()), QStringLiteral("cg"));
        const QString lastTitle = localizedString(QString::fromLatin1(pages == 2 ? "PresetManagerSaveAction" : "PresetManagerContinueAction"));
        QCOMPARE(button(sheet.get(), "continueButton")->text(), lastTitle);

        if (pages == 3) {
            sheet->continueEdition();
            QCOMPARE(sheet->currentViewController()->step(), Step::actionEdition);
            QCOMPARE(button(sheet.get(), "continueButton")->text(), localizedString(QStringLiteral("PresetManagerSaveAction")));
            if (auto* search = page<PresetEditStepSearchAndReplaceViewController>(*sheet)) {
                QTest::keyClicks(search->findChild<QLineEdit*>(QStringLiteral("findTextField")), typed);
                search->findChild<QCheckBox*>(QStringLiteral("useRegexButton"))->click();
                // Written into the cache at once, before the sheet continues.
                QCOMPARE(sheet->cache().searchAndReplaceSettings->searchString, typed);
            } else if (auto* custom = page<PresetEditStepEditCurrentValueViewController>(*sheet)) {
                QVERIFY(custom->editionViewController());
                auto* text = custom->editionViewController()->findChild<QPlainTextEdit*>();
                QVERIFY(text);
                QTest::keyClicks(text, typed);
                auto* insertion = custom->findChild<QComboBox*>(QStringLiteral("insertionPopUpButton"));
                QCOMPARE(insertion->count(), 3);
                insertion->setCurrentIndex(2);
                Q_EMIT insertion->activated(2);
            } else if (auto* copy = page<PresetEditStepCopyOtherValueViewController>(*sheet)) {
                // A new page proposes the image description, raw, in place of the value.
                QTRY_VERIFY_WITH_TIMEOUT(!copy->tableView()->selectionModel()->selectedRows().isEmpty(), 20000);
                QCOMPARE(copy->settings().tagName, ostrak::TagItem::itemEXIFImageDescription().tagName());
                copy->findChild<QLineEdit*>(QStringLiteral("searchField"))->setText(QStringLiteral("Artist"));
                QTRY_VERIFY_WITH_TIMEOUT(!copy->searchEngine().isSearching() && selectTag(copy->tableView(), typed), 20000);
                auto* formatter = copy->findChild<QComboBox*>(QStringLiteral("formatterPopUpButton"));
                formatter->setCurrentIndex(1);
                Q_EMIT formatter->activated(1);
                QCOMPARE(copy->settings().tagName.rawValue(), typed);
            }
        }
        sheet->continueEdition();
        QCOMPARE(sheet->result(), 1);

        QCOMPARE(preset->entries().size(), 2);
        const PresetItem::Entry added = preset->entries().at(1);
        QCOMPARE(added.tagName.rawValue(), tag);
        QCOMPARE(FlatPresetEdition::fromPresetEdition(added.edition), flat);
        switch (flat.value()) {
        case FlatPresetEdition::editCurrentValue:
            QCOMPARE(added.edition, PresetEdition::useCustomValue({typed, halvex::PresetValueInsertion::append}));
            break;
        case FlatPresetEdition::searchAndReplace:
            QCOMPARE(added.edition, searchFor(typed, QString(), true));
            break;
        case FlatPresetEdition::copyOtherTagValue:
            QCOMPARE(added.edition, copyOf("IFD0:Artist", halvex::CopyTagValueSettings::Formatter::pretty));
            break;
        default:
            QCOMPARE(added.edition, *flat.presetEdition());
        }

        manager.save();
        halvex::PresetManager reloaded(libraryPath);
        reloaded.load();
        QCOMPARE(reloaded.groups().first()->presets().first()->entries(), preset->entries());
    }

    // An existing entry opens on its settings page; going back reaches the tag page, the only
    // one that offers Delete, and a new settings page reads back what the cache holds.
    void existingEntryGoesBackAndDeletes()
    {
        const auto preset = std::make_shared<PresetItem>(
            QStringLiteral("P"), QString(),
            QList<PresetItem::Entry>{entry("IFD0:Make", PresetEdition::keepCurrentValue()),
                                     entry("XMP-dc:Title", searchFor(QStringLiteral("(a+)"), QStringLiteral("$1"), true)),
                                     entry("IFD0:Artist", PresetEdition::keepCurrentValue())});
        auto sheet = sheetFor(preset, 1);
        auto* search = page<PresetEditStepSearchAndReplaceViewController>(*sheet);
        QVERIFY(search);
        QCOMPARE(search->findChild<QLineEdit*>(QStringLiteral("findTextField"))->text(), QStringLiteral("(a+)"));
        QVERIFY(search->findChild<QCheckBox*>(QStringLiteral("useRegexButton"))->isChecked());
        QCOMPARE(shownButtons(sheet.get()), QStringLiteral("cg"));

        auto* find = search->findChild<QLineEdit*>(QStringLiteral("findTextField"));
        find->end(false);
        QTest::keyClicks(find, QStringLiteral("b"));
        sheet->goBackEdition();
        QCOMPARE(sheet->currentViewController()->step(), Step::actionSelection);
        // Going back stores nothing, but what the page wrote as it changed is in the cache.
        sheet->continueEdition();
        auto* again = page<PresetEditStepSearchAndReplaceViewController>(*sheet);
        QVERIFY(again && again != search);
        QCOMPARE(again->settings().searchString, QStringLiteral("(a+)b"));

        sheet->goBackEdition();
        sheet->goBackEdition();
        QCOMPARE(sheet->currentViewController()->step(), Step::tagSelection);
        QCOMPARE(shownButtons(sheet.get()), QStringLiteral("cd"));
        sheet->deleteEdition();
        QCOMPARE(sheet->result(), 1);
        QCOMPARE(preset->entries().size(), 2);
        QCOMPARE(preset->entries().at(1).tagName.rawValue(), QStringLiteral("IFD0:Artist"));
    }

    // A date tag cannot take a text operation: choosing it resets the cached one; a number tag
    // offers no insertion, so its custom value replaces.
    void tagsDecideTheOperationsOffered()
    {
        const auto preset = std::make_shared<PresetItem>(QStringLiteral("P"), QString(), QList<PresetItem::Entry>{});
        auto sheet = sheetFor(preset, std::nullopt);
        sheet->cache().flatEdition = FlatPresetEdition::lowercaseText;
        chooseTag(*sheet, QStringLiteral("XMP-dc:Title"));
        QCOMPARE(sheet->cache().flatEdition, FlatPresetEdition(FlatPresetEdition::lowercaseText));
        chooseTag(*sheet, QStringLiteral("ExifIFD:DateTimeOriginal"));
        QCOMPARE(sheet->cache().flatEdition, FlatPresetEdition(FlatPresetEdition::keepCurrentValue));

        chooseTag(*sheet, QStringLiteral("ExifIFD:ISO"));
        sheet->continueEdition();
        chooseOperation(*sheet, FlatPresetEdition::editCurrentValue);
        sheet->continueEdition();
        auto* custom = page<PresetEditStepEditCurrentValueViewController>(*sheet);
        QVERIFY(custom);
        QCOMPARE(custom->allInsertions(), QList{halvex::PresetValueInsertion::replace});
        QVERIFY(!custom->findChild<QComboBox*>(QStringLiteral("insertionPopUpButton"))->isVisibleTo(custom));
    }

    // An entry on a tag the database does not know opens on the tag page and, cancelled, stays
    // as it was.
    void unknownTagEntryStaysWhenCancelled()
    {
        const PresetItem::Entry unknown = entry("Nowhere:NoSuchTag", PresetEdition::useCustomValue({QStringLiteral("v"), {}}));
        const auto preset = std::make_shared<PresetItem>(QStringLiteral("P"), QString(), QList{unknown});
        auto sheet = sheetFor(preset, 0);
        QCOMPARE(sheet->currentViewController()->step(), Step::tagSelection);
        QVERIFY(!sheet->currentViewController()->canContinue());
        sheet->cancelEdition();
        QCOMPARE(sheet->result(), 0);
        QCOMPARE(preset->entries(), QList{unknown});
    }
};

QTEST_MAIN(PresetEditEditionWindowControllerTest)
#include "PresetEditEditionWindowControllerTest.moc"
