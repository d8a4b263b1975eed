#include "editor/EditorSettings.h"
#include "engine/halvex/libraries/PresetManager.h"
#include "platform/brisa/core/UserDefaults.h"
#include "presets/PresetPopUpMenu.h"
#include "widgets/MenuResponder.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/GeneralSettings.h"

#include <QAction>
#include <QtTest>

using corvelle::MenuValidation;
using corvelle::PresetPopUpMenu;
namespace Settings = corvelle::Settings;
using halvex::PresetGroup;
using halvex::PresetItem;

namespace {

halvex::PresetItemPtr preset(const QString& name)
{
    return std::make_shared<PresetItem>(name, QString(), QList<PresetItem::Entry>{});
}

halvex::PresetGroupPtr group(const QString& name, const QStringList& presets)
{
    QList<halvex::PresetItemPtr> items;
    for (const QString& each : presets)
        items << preset(each);
    return std::make_shared<PresetGroup>(name, QString(), items);
}

// The menu as text: "title:tag" per item, "-" per separator, "title[...]" per submenu.
QString describe(const QMenu* menu)
{
    QStringList parts;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator())
            parts << QStringLiteral("-");
        else if (item->menu())
            parts << item->text() + QLatin1Char('[') + describe(item->menu()) + QLatin1Char(']');
        else
            parts << item->text() + QLatin1Char(':') + QString::number(PresetPopUpMenu::tag(item));
    }
    return parts.join(QLatin1Char(','));
}

void setGrouping(corvelle::PresetGroupsGeneralUserChoice choice)
{
    brisa::UserDefaults::standard().set(Settings::generalUserChoicePresetGroups(), choice);
}

// A receiver of the apply action that answers with a fixed state and records what it gets.
class Receiver : public QObject, public corvelle::MenuResponder {
public:
    MenuValidation validateMenuCommand(const QString&, QAction*) override
    {
        return enabled ? MenuValidation::enabled : MenuValidation::disabled;
    }
    void performMenuCommand(const QString& command, QAction* sender) override
    {
        received << command;
        chosen << PresetPopUpMenu::presetItem(sender);
    }

    bool enabled = true;
    QStringList received;
    QList<halvex::PresetItemPtr> chosen;
};

} // namespace

class PresetPopUpMenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        halvex::PresetManager::shared().setGroups({});
        setGrouping(corvelle::PresetGroupsGeneralUserChoice::showGroups);
    }

    void layout_data()
    {
        QTest::addColumn<QList<halvex::PresetGroupPtr>>("groups");
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QStringList>("top");
        QTest::addColumn<QStringList>("bottom");
        QTest::addColumn<QString>("expected");

        const QStringList noItems;
        const auto twoGroups = [] {
            return QList<halvex::PresetGroupPtr>{group("Video", {"Title", "Year"}), group("Photo", {"GPS", "Copyright"})};
        };
        QTest::newRow("empty library with top items") << QList<halvex::PresetGroupPtr>{} << true << QStringList{"A", "B"}
                                                        << noItems << "A:-1,B:-1,-";
        QTest::newRow("empty library alone") << QList<halvex::PresetGroupPtr>{} << true << noItems << noItems << "Empty:-1";
        QTest::newRow("grouped") << twoGroups() << true << noItems << QStringList{"Z"}
                                 << "Video[Title:0,Year:1],Photo[GPS:2,Copyright:3],-,Z:-1";
        QTest::newRow("flat") << twoGroups() << false << QStringList{"A"} << noItems
                              << "A:-1,-,Title:0,Year:1,GPS:2,Copyright:3,-";
        const QString untitled = corvelle::localizedString(QStringLiteral("PresetItemUntitledName"));
        QTest::newRow("blank names") << QList<halvex::PresetGroupPtr>{group("  ", {"   ", "Kept"}), group("Empty", {})}
                                     << true << noItems << noItems
                                     << untitled + "[" + untitled + ":0,Kept:1],Empty[],-";
    }

    void layout()
    {
        QFETCH(QList<halvex::PresetGroupPtr>, groups);
        QFETCH(bool, grouped);
        QFETCH(QStringList, top);
        QFETCH(QStringList, bottom);
        QFETCH(QString, expected);

        halvex::PresetManager::shared().setGroups(groups);
        setGrouping(grouped ? corvelle::PresetGroupsGeneralUserChoice::showGroups
                            : corvelle::PresetGroupsGeneralUserChoice::hideGroups);
        PresetPopUpMenu menu;
        const auto items = [&menu](const QStringList& titles) {
            QList<QAction*> made;
            for (const QString& title : titles) {
                made << new QAction(title, &menu);
                made.last()->setData(-1);
            }
            return made;
        };
        menu.setTopItems(items(top));
        menu.setBottomItems(items(bottom));
        menu.setEmptyItems(items({QStringLiteral("Empty")}));
        menu.reloadItems();
        QCOMPARE(describe(&menu), expected);
        int presetCount = 0;
        for (const halvex::PresetGroupPtr& each : groups)
            presetCount += int(each->presets().size());
        QCOMPARE(menu.presetItems().size(), presetCount);
        QVERIFY(!menu.presetItem(-1));
        QVERIFY(!menu.presetItem(presetCount));

        // The fixed items survive a second rebuild.
        menu.reloadItems();
        QCOMPARE(describe(&menu), expected);
    }

    void rebuildsOnLibraryAndGroupingChanges()
    {
        halvex::PresetManager::shared().setGroups({group("Video", {"Title", "Year"})});
        PresetPopUpMenu menu;
        int rebuilds = 0;
        menu.setReloadCompletion([&rebuilds] { ++rebuilds; });
        QCOMPARE(describe(&menu), QStringLiteral("Video[Title:0,Year:1],-"));

        setGrouping(corvelle::PresetGroupsGeneralUserChoice::hideGroups);
        QCOMPARE(describe(&menu), QStringLiteral("Title:0,Year:1,-"));
        QCOMPARE(rebuilds, 1);
        brisa::UserDefaults::standard().set(Settings::lastContentSection(), corvelle::EditorContentSection::map);
        QCOMPARE(rebuilds, 1);

        const halvex::PresetGroupPtr video = halvex::PresetManager::shared().groups().first();
        video->presets().last()->setName(QStringLiteral("Release"));
        QCOMPARE(describe(&menu), QStringLiteral("Title:0,Release:1,-"));
        video->removePresets(brisa::IndexSet{0});
        QCOMPARE(describe(&menu), QStringLiteral("Release:0,-"));
        QCOMPARE(menu.presetItems(), video->presets());
        halvex::PresetManager::shared().setGroups({});
        QCOMPARE(describe(&menu), QString());
    }

    // A preset item inside a group submenu finds its preset by its tag and is sent, validated
    // by the target; once the target is gone the items are off and send nothing.
    void presetItemsSendTheirPresetToTheTarget()
    {
        halvex::PresetManager::shared().setGroups({group("Video", {"Title"}), group("Photo", {"GPS", "Copyright"})});
        PresetPopUpMenu menu;
        auto receiver = std::make_unique<Receiver>();
        menu.setApplyPresetTarget(receiver.get());
        menu.setApplyPresetAction(QStringLiteral("applyPreset:"));
        menu.reloadItems();

        QMenu* photo = menu.actions().at(1)->menu();
        QAction* copyright = photo->actions().at(1);
        QCOMPARE(PresetPopUpMenu::tag(copyright), 2);
        Q_EMIT photo->aboutToShow();
        QVERIFY(copyright->isEnabled());
        copyright->trigger();
        QCOMPARE(receiver->received, QStringList{QStringLiteral("applyPreset:")});
        QCOMPARE(receiver->chosen.first(), halvex::PresetManager::shared().groups().at(1)->presets().at(1));
        // The fixed items and group items stand for no preset.
        QVERIFY(!PresetPopUpMenu::presetItem(menu.actions().at(1)));

        receiver->enabled = false;
        Q_EMIT photo->aboutToShow();
        QVERIFY(!copyright->isEnabled());
        copyright->trigger();
        QCOMPARE(receiver->received.size(), 1);

        receiver.reset();
        Q_EMIT photo->aboutToShow();
        QVERIFY(!photo->actions().at(0)->isEnabled());
        photo->actions().at(0)->trigger();
    }
};

QTEST_MAIN(PresetPopUpMenuTest)
#include "PresetPopUpMenuTest.moc"
