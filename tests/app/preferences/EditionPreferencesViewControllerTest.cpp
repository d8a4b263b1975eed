#include "app/preferences/EditionPreferencesViewController.h"

#include "engine/halvex/kit/KitSettings.h"
#include "engine/ostrak/ETSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "support/ui/WidgetDriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using corvelle::EditionPreferencesViewController;
using corvelle::test::WidgetDriver;

namespace {

const QString correctionsKey = QStringLiteral("EditionUserChoiceCorrections");
const QString errorAlertKey = QStringLiteral("EditionUserChoiceErrorAlert");
const QString errorsBehaviorKey = QStringLiteral("EditionUserChoiceErrorsBehavior");
const QString modifyDateKey = QStringLiteral("EditionFileModifyDateUpdate");
const QString digestKey = QStringLiteral("EditionUserChoiceIPTCDigest");
const QString charSetKey = QStringLiteral("EditionUserChoiceIPTCCharSet");
const QString keysLevelKey = QStringLiteral("UserQuickTimeKeysLevel");
const QString itemListLevelKey = QStringLiteral("UserQuickTimeItemListLevel");
const QString userDataLevelKey = QStringLiteral("UserQuickTimeUserDataLevel");
const QString xmpToolkitKey = QStringLiteral("EditionUserChoiceXMPToolkit");

const QStringList allKeys = {correctionsKey, errorAlertKey, errorsBehaviorKey, modifyDateKey, digestKey,
                             charSetKey,     keysLevelKey,  itemListLevelKey,  userDataLevelKey, xmpToolkitKey};

// The pop-ups in the order of allKeys.
const QStringList popUps = {QStringLiteral("correctionPopUpButton"),        QStringLiteral("errorAlertPopUpButton"),
                            QStringLiteral("errorSupportPopUpButton"),      QStringLiteral("fileModifyDatePopUpButton"),
                            QStringLiteral("iptcDigestPopUpButton"),        QStringLiteral("iptcCharSetPopUpButton"),
                            QStringLiteral("quickTimeKeysPopUpButton"),     QStringLiteral("quickTimeItemListPopUpButton"),
                            QStringLiteral("quickTimeUserDataPopUpButton")};

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

// Keys, ItemList, UserData as the engine has them.
QList<int> engineLevels()
{
    const ostrak::ETSettings& engine = ostrak::ETSettings::shared();
    return {engine.quickTimeKeysLevel(), engine.quickTimeItemListLevel(), engine.quickTimeUserDataLevel()};
}

} // namespace

class EditionPreferencesViewControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        for (const QString& key : allKeys)
            defaults().removeObject(key);
        ostrak::ETSettings::shared().setQuickTimeKeysLevel(2);
        ostrak::ETSettings::shared().setQuickTimeItemListLevel(0);
        ostrak::ETSettings::shared().setQuickTimeUserDataLevel(1);
        halvex::KitSettings::shared().setXmpToolkit(QStringLiteral("engine before"));
        pane_ = std::make_unique<EditionPreferencesViewController>();
        pane_->view()->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane_->view()));
    }

    void cleanup() { pane_.reset(); }

    void controlsShowTheDefaults()
    {
        QCOMPARE(shownValues(),
                 (QVariantList {"fix_invalid_offsets", "ignore", "ignore", "update_manually", "update_if_exists", "utf8",
                                2, 0, 1}));
        QCOMPARE(popUpNamed(popUps[4])->currentText(), QStringLiteral("Update if present"));
        for (const QString& level : popUps.mid(6))
            QCOMPARE(popUpNamed(level)->count(), 3);
        QCOMPARE(xmpField()->text(), QString());
    }

    void changeActionsStoreTheChoice_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QList<int>>("levels");
        const QList<int> unchanged {2, 0, 1};
        QTest::newRow("no correction") << 0 << 0 << QVariant("no_correction") << unchanged;
        QTest::newRow("alert") << 1 << 0 << QVariant("display") << unchanged;
        QTest::newRow("stop at errors") << 2 << 0 << QVariant("stop") << unchanged;
        QTest::newRow("modify date on save") << 3 << 0 << QVariant("update_with_each_save") << unchanged;
        QTest::newRow("digest ignored") << 4 << 0 << QVariant("ignore") << unchanged;
        QTest::newRow("digest deleted") << 4 << 1 << QVariant("delete") << unchanged;
        QTest::newRow("digest updated") << 4 << 2 << QVariant("update") << unchanged;
        QTest::newRow("no character set") << 5 << 0 << QVariant("none") << unchanged;
        QTest::newRow("keys only when needed") << 6 << 2 << QVariant(0) << QList<int> {0, 0, 1};
        QTest::newRow("item list first") << 7 << 0 << QVariant(2) << QList<int> {2, 2, 1};
        QTest::newRow("user data only when needed") << 8 << 2 << QVariant(0) << QList<int> {2, 0, 0};
    }

    // A choice is stored under its key, the pop-up shows what is stored, and a QuickTime level
    // reaches the engine before the next task.
    void changeActionsStoreTheChoice()
    {
        QFETCH(int, row);
        QFETCH(int, index);
        QFETCH(QVariant, stored);
        QFETCH(QList<int>, levels);
        QVERIFY(WidgetDriver::choose(popUpNamed(popUps[row]), index));
        QCOMPARE(defaults().object(allKeys[row]), stored);
        QCOMPARE(shownValues().at(row), stored);
        QCOMPARE(engineLevels(), levels);
    }

    void changeActionsWithNothingChosenStoreTheDefault_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QString>("stored");
        QTest::newRow("corrections") << 0 << QByteArray("changeCorrections") << "fix_invalid_offsets";
        QTest::newRow("error alert") << 1 << QByteArray("changeErrorAlert") << "ignore";
        QTest::newRow("error support") << 2 << QByteArray("changeErrorSupport") << "ignore";
        QTest::newRow("modify date") << 3 << QByteArray("changeFileModifyDateUpdate") << "update_manually";
        QTest::newRow("digest") << 4 << QByteArray("changeIPTCDigest") << "update_if_exists";
        QTest::newRow("character set") << 5 << QByteArray("changeIPTCCharSet") << "utf8";
    }

    void changeActionsWithNothingChosenStoreTheDefault()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, action);
        QFETCH(QString, stored);
        popUpNamed(popUps[row])->setCurrentIndex(-1);
        QVERIFY(QMetaObject::invokeMethod(pane_.get(), action.constData()));
        QCOMPARE(defaults().object(allKeys[row]), QVariant(stored));
    }

    void restoreActionsStoreTheDefaults_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QVariantList>("before");
        QTest::addColumn<QVariantList>("after");
        QTest::newRow("corrections") << "restoreCorrectionsButton" << QList<int> {0} << QVariantList {"no_correction"}
                                     << QVariantList {"fix_invalid_offsets"};
        QTest::newRow("error alert") << "restoreErrorAlertButton" << QList<int> {1} << QVariantList {"display"}
                                     << QVariantList {"ignore"};
        QTest::newRow("error support") << "restoreErrorSupportButton" << QList<int> {2} << QVariantList {"stop"}
                                       << QVariantList {"ignore"};
        QTest::newRow("modify date") << "restoreFileModifyDateUpdateButton" << QList<int> {3}
                                     << QVariantList {"update_with_each_save"} << QVariantList {"update_manually"};
        QTest::newRow("digest") << "restoreIPTCDigestButton" << QList<int> {4} << QVariantList {"delete"}
                                << QVariantList {"update_if_exists"};
        QTest::newRow("character set") << "restoreIPTCCharSetButton" << QList<int> {5} << QVariantList {"none"}
                                       << QVariantList {"utf8"};
        QTest::newRow("QuickTime levels") << "restoreQuickTimeLocationButton" << QList<int> {6, 7, 8}
                                          << QVariantList {0, 2, 0} << QVariantList {2, 0, 1};
        QTest::newRow("XMP toolkit") << "restoreXMPToolkitValueButton" << QList<int> {9}
                                     << QVariantList {"Corvelle 1.0"} << QVariantList {""};
    }

    void restoreActionsStoreTheDefaults()
    {
        QFETCH(QString, button);
        QFETCH(QList<int>, rows);
        QFETCH(QVariantList, before);
        QFETCH(QVariantList, after);
        for (int index = 0; index < rows.size(); ++index)
            defaults().setObject(allKeys[rows[index]], before[index]);
        QVariantList expected = shownValues();
        for (int index = 0; index < rows.size(); ++index) {
            if (rows[index] < popUps.size())
                expected[rows[index]] = after[index];
        }

        QTest::mouseClick(buttonNamed(button), Qt::LeftButton);

        for (int index = 0; index < rows.size(); ++index)
            QCOMPARE(defaults().object(allKeys[rows[index]]), after[index]);
        QCOMPARE(shownValues(), expected);
        if (rows.contains(6))
            QCOMPARE(engineLevels(), (QList<int> {2, 0, 1}));
        if (rows.contains(9)) {
            QCOMPARE(xmpField()->text(), QString());
            QCOMPARE(halvex::KitSettings::shared().xmpToolkit(), QString());
        }
    }

    void theXMPToolkitIsStoredAndHandedToTheEngine()
    {
        QLineEdit* field = xmpField();
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("Corvelle 1.0"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(defaults().object(xmpToolkitKey), QVariant(QStringLiteral("Corvelle 1.0")));
        QCOMPARE(halvex::KitSettings::shared().xmpToolkit(), QStringLiteral("Corvelle 1.0"));

        // Cleared and applied: the empty text, stored and handed on.
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(defaults().object(xmpToolkitKey), QVariant(QString()));
        QCOMPARE(halvex::KitSettings::shared().xmpToolkit(), QString());
    }

    void syncingHandsTheStoredLevelsToTheEngineOnly()
    {
        defaults().setObject(keysLevelKey, 1);
        defaults().setObject(userDataLevelKey, 2);
        QCOMPARE(engineLevels(), (QList<int> {2, 0, 1}));
        QVERIFY(QMetaObject::invokeMethod(pane_.get(), "syncQuickTimeSettings"));
        QCOMPARE(engineLevels(), (QList<int> {1, 0, 2}));
        QCOMPARE(defaults().object(keysLevelKey), QVariant(1));
        QVERIFY(!defaults().contains(itemListLevelKey));
        QCOMPARE(defaults().object(userDataLevelKey), QVariant(2));
    }

    // A write made anywhere reloads the control of its key (any QuickTime key reloads the three
    // QuickTime pop-ups) and nothing else; keys of other panes change nothing here.
    void settingsWrittenElsewhereReloadOnlyTheirControls_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariantList>("shown");
        const QVariant blank = QString();
        QTest::newRow("corrections") << correctionsKey << QVariant("no_correction")
                                     << QVariantList {"no_correction", blank, blank, blank, blank, blank, blank, blank, blank};
        QTest::newRow("error alert") << errorAlertKey << QVariant("display")
                                     << QVariantList {blank, "display", blank, blank, blank, blank, blank, blank, blank};
        QTest::newRow("error support") << errorsBehaviorKey << QVariant("stop")
                                       << QVariantList {blank, blank, "stop", blank, blank, blank, blank, blank, blank};
        QTest::newRow("modify date") << modifyDateKey << QVariant("update_with_each_save")
                                     << QVariantList {blank, blank, blank, "update_with_each_save", blank, blank, blank,
                                                      blank, blank};
        QTest::newRow("digest") << digestKey << QVariant("update")
                                << QVariantList {blank, blank, blank, blank, "update", blank, blank, blank, blank};
        QTest::newRow("unknown digest") << digestKey << QVariant("sometimes")
                                        << QVariantList {blank, blank, blank, blank, "update_if_exists", blank, blank,
                                                         blank, blank};
        QTest::newRow("character set") << charSetKey << QVariant("none")
                                       << QVariantList {blank, blank, blank, blank, blank, "none", blank, blank, blank};
        QTest::newRow("user data level") << userDataLevelKey << QVariant(2)
                                         << QVariantList {blank, blank, blank, blank, blank, blank, 2, 0, 2};
        QTest::newRow("keys level") << keysLevelKey << QVariant(0)
                                    << QVariantList {blank, blank, blank, blank, blank, blank, 0, 0, 1};
        QTest::newRow("a general key") << QStringLiteral("GeneralUserChoiceDateStyle") << QVariant("full")
                                       << QVariantList {blank, blank, blank, blank, blank, blank, blank, blank, blank};
        QTest::newRow("the debugging key") << QStringLiteral("EnableDebuggingMode") << QVariant(true)
                                           << QVariantList {blank, blank, blank, blank, blank, blank, blank, blank, blank};
    }

    void settingsWrittenElsewhereReloadOnlyTheirControls()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QVariantList, shown);
        // Blank controls tell which ones were reloaded.
        for (const QString& name : popUps)
            popUpNamed(name)->setCurrentIndex(-1);
        xmpField()->setText(QStringLiteral("untouched"));

        defaults().setObject(key, stored);

        QCOMPARE(shownValues(), shown);
        QCOMPARE(xmpField()->text(), QStringLiteral("untouched"));
        defaults().removeObject(key);
    }

    void theXMPToolkitWrittenElsewhereShows()
    {
        defaults().setObject(xmpToolkitKey, QStringLiteral("Elsewhere 2"));
        QCOMPARE(xmpField()->text(), QStringLiteral("Elsewhere 2"));
        defaults().setObject(xmpToolkitKey, 42); // not a text: the default
        QCOMPARE(xmpField()->text(), QString());
    }

private:
    template<class Widget>
    Widget* childNamed(const QString& name) const
    {
        return WidgetDriver::child<Widget>(pane_->view(), name);
    }

    QComboBox* popUpNamed(const QString& name) const { return childNamed<QComboBox>(name); }
    QPushButton* buttonNamed(const QString& name) const { return childNamed<QPushButton>(name); }
    QLineEdit* xmpField() const { return childNamed<QLineEdit>(QStringLiteral("xmpToolkitTextField")); }

    // What each pop-up shows: the raw string of an enum case, the tag of a QuickTime level; an
    // empty text for none.
    QVariantList shownValues() const
    {
        QVariantList shown;
        for (const QString& name : popUps) {
            QComboBox* box = popUpNamed(name);
            shown << (box->currentIndex() < 0 ? QVariant(QString()) : box->currentData());
        }
        return shown;
    }

    std::unique_ptr<EditionPreferencesViewController> pane_;
};

QTEST_MAIN(EditionPreferencesViewControllerTest)

#include "EditionPreferencesViewControllerTest.moc"
