#include "app/MainMenu.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "editor/EditorSettings.h"
#include "support/TestEnvironment.h"
#include "support/ui/SectionViewStandIn.h"
#include "tags/SectionPopUpMenu.h"
#include "widgets/MenuResponder.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(QList<halvex::TagSet::FlatEntry>)

using namespace corvelle;
using halvex::TagSet;
using halvex::TagSetManager;
using ostrak::TagName;

namespace {

constexpr int taskTimeout = 60000;

TagSet::FlatEntry section(const QString& title)
{
    return halvex::TagSection(title);
}

TagSet::FlatEntry tag(const char* raw)
{
    return TagName::fromRawValue(QString::fromLatin1(raw));
}

void setChosenTagSet(const QList<TagSet::FlatEntry>& entries)
{
    TagSetManager::shared().replace(TagSetManager::Domain::chosen,
                                    [&entries](const TagSet&) { return TagSet(entries); });
}

// The menu as text: "-" for a separator, "title=tag" for each other item, "!" marking a disabled one.
QStringList shape(const QMenu& menu)
{
    QStringList lines;
    for (const QAction* item : menu.actions()) {
        if (item->isSeparator())
            lines << QStringLiteral("-");
        else
            lines << (item->isEnabled() ? QString() : QStringLiteral("!")) + item->text() + QLatin1Char('=')
                         + item->data().toString();
    }
    return lines;
}

QString exifToolValue(const QString& path, const QString& tag)
{
    QProcess process;
    process.start(QStringLiteral("exiftool"), {QStringLiteral("-s3"), QStringLiteral("-f"), QLatin1Char('-') + tag, path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Records the commands its section items send.
class Receiver : public QObject, public MenuResponder {
public:
    bool enabled = true;
    QStringList sent;

    MenuValidation validateMenuCommand(const QString&, QAction*) override
    {
        return enabled ? MenuValidation::enabled : MenuValidation::disabled;
    }
    void performMenuCommand(const QString& command, QAction* sender) override
    {
        QStringList names;
        for (const TagName& name : SectionPopUpMenu::tagNamesOfSection(sender).value_or(QList<TagName>()))
            names << name.rawValue();
        sent << command + QLatin1Char(' ') + names.join(QLatin1Char(','));
    }
};

} // namespace

class SectionPopUpMenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { corvelle::test::SectionViewStandIn::registerFor(); }

    void itemsFollowTheSectionsOfTheChosenTagSet_data()
    {
        QTest::addColumn<QList<TagSet::FlatEntry>>("entries");
        QTest::addColumn<bool>("withTopItem");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("sectionNames");

        QTest::newRow("no entry") << QList<TagSet::FlatEntry>{} << false
                                  << QStringList{QStringLiteral("!") + localizedString(QStringLiteral("NoDefinedSectionTitle")) + QStringLiteral("=-1")}
                                  << QStringList{};
        // A tag before the first section belongs to none; two sections in a row, the first empty.
        QTest::newRow("sections") << QList<TagSet::FlatEntry>{tag("XMP-dc:Title"), section(QStringLiteral("Empty")),
                                                               section(QStringLiteral("Texts")), tag("XMP-dc:Title"),
                                                               tag("IPTC:City")}
                                  << false << QStringList{"Empty=0", "Texts=1", "-"}
                                  << QStringList{"", "XMP-dc:Title,IPTC:City"};
        QTest::newRow("top item") << QList<TagSet::FlatEntry>{section(QStringLiteral("Texts")), tag("IPTC:City")}
                                  << true << QStringList{"Top=", "-", "Texts=0", "-"} << QStringList{"IPTC:City"};
        QTest::newRow("top item, no section")
            << QList<TagSet::FlatEntry>{tag("IPTC:City")} << true << QStringList{"Top=", "-"} << QStringList{};
    }

    void itemsFollowTheSectionsOfTheChosenTagSet()
    {
        QFETCH(QList<TagSet::FlatEntry>, entries);
        QFETCH(bool, withTopItem);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, sectionNames);

        SectionPopUpMenu menu;
        QAction top(QStringLiteral("Top"));
        if (withTopItem) {
            menu.setTopItems({&top});
            menu.reload();
        }
        int reloads = 0;
        menu.setReloadCompletion([&reloads] { ++reloads; });
        // The library's edit rebuilds the menu at once.
        setChosenTagSet(entries);
        QCOMPARE(reloads, 1);
        QCOMPARE(shape(menu), expected);
        QStringList names;
        for (const QList<TagName>& list : menu.sectionNames()) {
            QStringList raw;
            for (const TagName& name : list)
                raw << name.rawValue();
            names << raw.join(QLatin1Char(','));
        }
        QCOMPARE(names, sectionNames);
        QVERIFY(!menu.tagNamesOfSection(-1));
        QVERIFY(!menu.tagNamesOfSection(int(sectionNames.size())));
    }

    void itemsSendTheirSectionToTheTarget()
    {
        setChosenTagSet({section(QStringLiteral("Place")), tag("IPTC:City"), tag("XMP-photoshop:City")});
        SectionPopUpMenu menu;
        Receiver receiver;
        menu.setApplySectionTarget(&receiver);
        menu.setApplySectionAction(QStringLiteral("copyChosenSection:"));
        menu.reload();
        QAction* item = menu.actions().first();
        item->trigger();
        QCOMPARE(receiver.sent, QStringList{"copyChosenSection: IPTC:City,XMP-photoshop:City"});

        // Validated by the target when the menu opens; a refused item sends nothing.
        receiver.enabled = false;
        QMetaObject::invokeMethod(&menu, "aboutToShow");
        QVERIFY(!item->isEnabled());
        item->setEnabled(true);
        item->trigger();
        QCOMPARE(receiver.sent.size(), 1);
        // An item of another menu stands for no section.
        QAction stray(QStringLiteral("Place"));
        stray.setData(0);
        QVERIFY(!SectionPopUpMenu::tagNamesOfSection(&stray));
    }

    void mainMenuSectionSubmenusAreSectionMenus()
    {
        MainMenu mainMenu([](QAction*) { return true; }, [](QAction*) {});
        for (const QString& identifier :
             {MainMenu::copyTagsSectionMenuIdentifier, MainMenu::restoreTagsSectionMenuIdentifier,
              MainMenu::clearTagsSectionMenuIdentifier, MainMenu::csvExportTagsSectionMenuIdentifier})
            QVERIFY2(qobject_cast<SectionPopUpMenu*>(mainMenu.menu(identifier)), qPrintable(identifier));

        // Its item in the parent menu is offered only while a section can be acted on.
        setChosenTagSet({section(QStringLiteral("Place")), tag("IPTC:City")});
        auto* sections = qobject_cast<SectionPopUpMenu*>(mainMenu.menu(MainMenu::clearTagsSectionMenuIdentifier));
        Receiver receiver;
        sections->setApplySectionTarget(&receiver);
        sections->setApplySectionAction(QStringLiteral("clearChosenSection:"));
        sections->reload();
        auto* parentMenu = qobject_cast<QMenu*>(sections->parent());
        QVERIFY(parentMenu);
        Q_EMIT parentMenu->aboutToShow();
        QVERIFY(sections->menuAction()->isEnabled());
        receiver.enabled = false;
        Q_EMIT parentMenu->aboutToShow();
        QVERIFY(!sections->menuAction()->isEnabled());
    }

    // Copy, clear and restore of a section, sent to the editor window, act on the selected
    // files: the cleared section is gone from the saved file, the other file is left alone.
    void windowActsOnTheSelectedFilesWithTheSection()
    {
        QTemporaryDir folder;
        const QString first = corvelle::test::copyFixture(folder.path(), QStringLiteral("photo.jpg"), QStringLiteral("a.jpg"));
        const QString second = corvelle::test::copyFixture(folder.path(), QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"));
        setChosenTagSet({section(QStringLiteral("Camera")), tag("IFD0:Make"), tag("IFD0:Model"),
                         section(QStringLiteral("Place")), tag("IPTC:City"), tag("XMP-photoshop:City"),
                         section(QStringLiteral("Nothing"))});
        brisa::UserDefaults::standard().setObject(Settings::lastContentSection().name(), {});
        EditorWindowController controller;
        controller.window()->show();
        controller.addFiles({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
        MetadataFileList& list = *controller.metadataFileList();
        QTRY_COMPARE_WITH_TIMEOUT(list.files().size(), 2, taskTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        list.setSelection(brisa::IndexSet{0});
        const auto editor = list.selectedEditors().value(0);
        QVERIFY(editor);

        SectionPopUpMenu menu;
        menu.setApplySectionTarget(&controller);
        const auto send = [&menu](const QString& command, int section) {
            menu.setApplySectionAction(command);
            menu.reload();
            QMetaObject::invokeMethod(&menu, "aboutToShow");
            QAction* item = menu.actions().value(section);
            if (!item || !item->isEnabled())
                return false;
            item->trigger();
            return true;
        };
        // An empty section offers nothing.
        QVERIFY(!send(QStringLiteral("clearChosenSection:"), 2));

        QVERIFY(send(QStringLiteral("copyChosenSection:"), 0));
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        const halvex::TagPasteboard::CopiedTags copied = halvex::TagPasteboard::shared().copiedTags();
        QCOMPARE(copied.value(TagName::fromRawValue(QStringLiteral("IFD0:Model"))), QStringLiteral("Fixture Cam"));
        QVERIFY(!copied.contains(TagName::fromRawValue(QStringLiteral("IPTC:City"))));

        QVERIFY(send(QStringLiteral("clearChosenSection:"), 1));
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QVERIFY(editor->isEdited(TagName::fromRawValue(QStringLiteral("IPTC:City"))));
        QVERIFY(send(QStringLiteral("restoreChosenSection:"), 1));
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QVERIFY(!editor->hasEdits());

        QVERIFY(send(QStringLiteral("clearChosenSection:"), 1));
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        controller.saveAllEditedFiles();
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy() && !editor->hasEdits(), taskTimeout);
        QCOMPARE(exifToolValue(first, QStringLiteral("IPTC:City")), QStringLiteral("-"));
        QCOMPARE(exifToolValue(first, QStringLiteral("XMP-photoshop:City")), QStringLiteral("-"));
        QCOMPARE(exifToolValue(first, QStringLiteral("IFD0:Make")), QStringLiteral("Corvelle"));
        QCOMPARE(exifToolValue(second, QStringLiteral("IPTC:City")), QStringLiteral("Zürich"));

        // In the raw section nothing acts.
        controller.setContentSection(EditorContentSection::raw);
        QVERIFY(!send(QStringLiteral("copyChosenSection:"), 0));
    }
};

QTEST_MAIN(SectionPopUpMenuTest)
#include "SectionPopUpMenuTest.moc"
