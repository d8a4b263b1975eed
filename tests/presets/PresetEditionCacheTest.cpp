#include "editing/EditingTestSupport.h"
#include "presets/PresetEditionCache.h"

#include <QtTest>

using corvelle::FlatPresetEdition;
using corvelle::PresetEditionCache;
using corvelle::test::tagItem;
using halvex::PresetEdition;
using halvex::PresetItem;
using Step = PresetEditionCache::Step;

namespace {

PresetItem::Entry entry(const char* tag, const PresetEdition& edition)
{
    return PresetItem::Entry(ostrak::TagName::fromRawValue(QLatin1String(tag)), edition);
}

PresetEdition replaceWith(const QString& value)
{
    return PresetEdition::useCustomValue({value, halvex::PresetValueInsertion::replace});
}

// Five entries: a kept title, a copied description, a custom artist, a search in the comment and
// an entry on a tag the database does not know.
std::shared_ptr<PresetItem> fivePreset()
{
    halvex::CopyTagValueSettings copy;
    copy.tagName = ostrak::TagName::fromRawValue(QStringLiteral("XMP-dc:Title"));
    halvex::SearchAndReplaceSettings search;
    search.searchString = QStringLiteral("a");
    return std::make_shared<PresetItem>(
        QStringLiteral("Five"), QString(),
        QList<PresetItem::Entry>{entry("XMP-dc:Title", PresetEdition::keepCurrentValue()),
                                 entry("XMP-dc:Description", PresetEdition::copyTagValue(copy)),
                                 entry("IFD0:Artist", replaceWith(QStringLiteral("Me"))),
                                 entry("XMP-exif:UserComment", PresetEdition::searchAndReplace(search)),
                                 entry("Nowhere:NoSuchTag", replaceWith(QStringLiteral("kept")))});
}

} // namespace

// The state of the preset entry sheet: what it loads from a preset, the page it opens on, and the
// entry it writes back or removes, never touching another entry.
class PresetEditionCacheTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadsEntriesAndChoosesTheFirstPage_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("hasTag");
        QTest::addColumn<QString>("flat");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("editing");

        QTest::newRow("new entry") << -100 << false << "keep_current_value" << int(Step::tagSelection) << false;
        QTest::newRow("row past the end") << 5 << false << "keep_current_value" << int(Step::tagSelection) << false;
        QTest::newRow("negative row") << -1 << false << "keep_current_value" << int(Step::tagSelection) << false;
        QTest::newRow("kept value") << 0 << true << "keep_current_value" << int(Step::actionSelection) << true;
        QTest::newRow("copy") << 1 << true << "copy_other_value" << int(Step::actionEdition) << true;
        QTest::newRow("custom value") << 2 << true << "edit_current_value" << int(Step::actionEdition) << true;
        QTest::newRow("search") << 3 << true << "search_and_replace" << int(Step::actionEdition) << true;
        QTest::newRow("unknown tag") << 4 << false << "edit_current_value" << int(Step::tagSelection) << true;
    }

    void loadsEntriesAndChoosesTheFirstPage()
    {
        QFETCH(int, row);
        QFETCH(bool, hasTag);
        QFETCH(QString, flat);
        QFETCH(int, step);
        QFETCH(bool, editing);
        const auto preset = fivePreset();
        const PresetEditionCache cache(preset, row == -100 ? std::nullopt : std::optional(row));
        QCOMPARE(cache.tagItem.has_value(), hasTag);
        QCOMPARE(cache.flatEdition->rawValue(), flat);
        QCOMPARE(int(cache.initialStep()), step);
        QCOMPARE(cache.isEditingEntry(), editing);
    }

    void loadsTheSettingsOfTheEntry()
    {
        const auto preset = fivePreset();
        const PresetEditionCache copy(preset, 1);
        QVERIFY(copy.copyTagValueSettings);
        QCOMPARE(copy.copyTagValueSettings->tagName.rawValue(), QStringLiteral("XMP-dc:Title"));
        QVERIFY(!copy.customValueSettings && !copy.searchAndReplaceSettings && !copy.customActionSettings);
        QCOMPARE(copy.presetEdition(), preset->entries().at(1).edition);
        QCOMPARE(PresetEditionCache(preset, 3).searchAndReplaceSettings->searchString, QStringLiteral("a"));
        QVERIFY(!PresetEditionCache().presetItem && !PresetEditionCache(nullptr, 2).entryRow);
    }

    void buildsTheEditionOfTheChosenOperation()
    {
        PresetEditionCache cache;
        QVERIFY(!cache.presetEdition());
        cache.flatEdition = FlatPresetEdition::sortInDescendingOrder;
        QCOMPARE(cache.presetEdition()->customActionSettings()->code(), 7);
        // The settings operations exist only once their settings are given.
        for (FlatPresetEdition flat : {FlatPresetEdition::copyOtherTagValue, FlatPresetEdition::editCurrentValue,
                                       FlatPresetEdition::searchAndReplace}) {
            cache.flatEdition = flat;
            QVERIFY(!cache.presetEdition());
        }
        cache.customValueSettings = halvex::UseCustomValueSettings{QStringLiteral("x"), halvex::PresetValueInsertion::append};
        cache.flatEdition = FlatPresetEdition::editCurrentValue;
        QCOMPARE(cache.presetEdition()->customValueSettings()->value, QStringLiteral("x"));
    }

    void commitsInPlaceOrLast()
    {
        const auto preset = fivePreset();
        const QList<PresetItem::Entry> before = preset->entries();

        PresetEditionCache edited(preset, 2);
        edited.customValueSettings->value = QStringLiteral("You");
        edited.commit();
        QCOMPARE(preset->entries().size(), 5);
        QCOMPARE(preset->entries().at(2), entry("IFD0:Artist", replaceWith(QStringLiteral("You"))));
        QCOMPARE(preset->entries().at(3), before.at(3));

        PresetEditionCache added(preset, std::nullopt);
        added.tagItem = tagItem("XMP-dc:Title");
        added.flatEdition = FlatPresetEdition::uppercaseText;
        added.commit();
        QCOMPARE(preset->entries().size(), 6);
        QCOMPARE(preset->entries().last().edition.customActionSettings()->code(), 3);
    }

    // A row outside the entries edits a new entry: the commit appends and a delete removes
    // nothing, where removing at that row would have dropped another entry or nothing at all.
    void outOfRangeRowsNeverTouchOtherEntries()
    {
        const auto preset = fivePreset();
        const QList<PresetItem::Entry> before = preset->entries();
        for (int row : {-1, 5, 9}) {
            PresetEditionCache cache(preset, row);
            cache.deleteEntry();
            QCOMPARE(preset->entries(), before);
        }
        PresetEditionCache cache(preset, 9);
        cache.tagItem = tagItem("IFD0:Artist");
        cache.flatEdition = FlatPresetEdition::removeCurrentValue;
        cache.commit();
        QCOMPARE(preset->entries().mid(0, 5), before);
        QCOMPARE(preset->entries().size(), 6);
    }

    void incompleteCachesCommitNothing()
    {
        const auto preset = fivePreset();
        const QList<PresetItem::Entry> before = preset->entries();
        PresetEditionCache settingsMissing(preset, std::nullopt);
        settingsMissing.tagItem = tagItem("XMP-dc:Title");
        settingsMissing.flatEdition = FlatPresetEdition::editCurrentValue;
        settingsMissing.commit();
        PresetEditionCache noTag(preset, 2);
        noTag.tagItem.reset();
        noTag.commit();
        QCOMPARE(preset->entries(), before);

        PresetEditionCache deleting(preset, 1);
        deleting.deleteEntry();
        QCOMPARE(preset->entries().size(), 4);
        QCOMPARE(preset->entries().at(1), before.at(2));
    }
};

QTEST_GUILESS_MAIN(PresetEditionCacheTest)
#include "PresetEditionCacheTest.moc"
