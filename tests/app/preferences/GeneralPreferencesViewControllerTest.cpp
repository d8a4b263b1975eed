#include "app/preferences/GeneralPreferencesViewController.h"

#include "platform/brisa/core/UserDefaults.h"
#include "support/ui/WidgetDriver.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <memory>

using corvelle::GeneralPreferencesViewController;
using corvelle::test::WidgetDriver;

namespace {

const QString notificationKey = QStringLiteral("GeneralUserChoiceNotification");
const QString dateStyleKey = QStringLiteral("GeneralUserChoiceDateStyle");
const QString timeStyleKey = QStringLiteral("GeneralUserChoiceTimeStyle");
const QString gpsFormatKey = QStringLiteral("GeneralUserChoiceGPSFormat");
const QString presetGroupsKey = QStringLiteral("GeneralUserChoicePresetGroups");
const QString mapFilenameKey = QStringLiteral("MapDisplayFilenameUserChoice");
const QString mapOtherItemsKey = QStringLiteral("MapDisplayOtherItemsUserChoice");

const QStringList popUps = {QStringLiteral("notificationPopUpButton"), QStringLiteral("dateStylePopUpButton"),
                            QStringLiteral("timeStylePopUpButton"), QStringLiteral("gpsFormatPopUpButton"),
                            QStringLiteral("presetGroupsPopUpButton")};

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

class GeneralPreferencesViewControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        for (const QString& key : {notificationKey, dateStyleKey, timeStyleKey, gpsFormatKey, presetGroupsKey,
                                   mapFilenameKey, mapOtherItemsKey})
            defaults().removeObject(key);
        pane_ = std::make_unique<GeneralPreferencesViewController>();
        pane_->view()->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane_->view()));
    }

    void cleanup() { pane_.reset(); }

    void popUpsListTheirCasesAndShowTheDefaults_data()
    {
        QTest::addColumn<QString>("popUp");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("shown");
        QTest::newRow("notification") << popUps[0]
                                      << QStringList {"No notifications", "Notify when tasks finish"}
                                      << "Notify when tasks finish";
        QTest::newRow("date style") << popUps[1] << QStringList {"No date", "Short", "Medium", "Long", "Full"} << "Medium";
        QTest::newRow("time style") << popUps[2] << QStringList {"No time", "Short", "Medium", "Long", "Full"} << "Medium";
        QTest::newRow("coordinates")
                << popUps[3]
                << QStringList {"DD.dddddd\u00B0",        "Pre DD.dddddd\u00B0",      "Pre DD\u00B0MM.mmm\u2019",
                                "Pre DD\u00B0MM\u2019SS.s", "Post DD.dddddd\u00B0",     "Post DD\u00B0MM.mmm\u2019",
                                "Post DD\u00B0MM\u2019SS.s", "ISO6709"}
                << "ISO6709";
        QTest::newRow("preset groups") << popUps[4] << QStringList {"Show groups", "Hide groups"} << "Show groups";
    }

    void popUpsListTheirCasesAndShowTheDefaults()
    {
        QFETCH(QString, popUp);
        QFETCH(QStringList, titles);
        QFETCH(QString, shown);
        QComboBox* box = popUpNamed(popUp);
        QStringList listed;
        for (int index = 0; index < box->count(); ++index)
            listed << box->itemText(index);
        QCOMPARE(listed, titles);
        QCOMPARE(box->currentText(), shown);
    }

    // A choice is stored under its key and the pop-up shows what is stored; with nothing chosen
    // the action stores the default.
    void changeActionsStoreTheChoice_data()
    {
        QTest::addColumn<QString>("popUp");
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("stored");
        QTest::newRow("no notification") << popUps[0] << QByteArray("changeNotification") << notificationKey << 0
                                         << "no_notification";
        QTest::newRow("no date") << popUps[1] << QByteArray("changeDateStyle") << dateStyleKey << 0 << "none";
        QTest::newRow("full date") << popUps[1] << QByteArray("changeDateStyle") << dateStyleKey << 4 << "full";
        QTest::newRow("short time") << popUps[2] << QByteArray("changeTimeStyle") << timeStyleKey << 1 << "short";
        QTest::newRow("degrees and minutes") << popUps[3] << QByteArray("changeGPSFormat") << gpsFormatKey << 2
                                             << "Pre DD\u00B0MM.mmm\u2019";
        QTest::newRow("hidden groups") << popUps[4] << QByteArray("changePresetGroup") << presetGroupsKey << 1
                                       << "hide_groups";
        QTest::newRow("notification, none chosen") << popUps[0] << QByteArray("changeNotification") << notificationKey
                                                   << -1 << "all_notifications";
        QTest::newRow("date, none chosen") << popUps[1] << QByteArray("changeDateStyle") << dateStyleKey << -1 << "medium";
        QTest::newRow("time, none chosen") << popUps[2] << QByteArray("changeTimeStyle") << timeStyleKey << -1 << "medium";
        QTest::newRow("coordinates, none chosen") << popUps[3] << QByteArray("changeGPSFormat") << gpsFormatKey << -1
                                                  << "ISO6709";
        QTest::newRow("groups, none chosen") << popUps[4] << QByteArray("changePresetGroup") << presetGroupsKey << -1
                                             << "show_groups";
    }

    void changeActionsStoreTheChoice()
    {
        QFETCH(QString, popUp);
        QFETCH(QByteArray, action);
        QFETCH(QString, key);
        QFETCH(int, index);
        QFETCH(QString, stored);
        QComboBox* box = popUpNamed(popUp);
        if (index >= 0) {
            QVERIFY(WidgetDriver::choose(box, index));
        } else {
            box->setCurrentIndex(-1);
            QVERIFY(QMetaObject::invokeMethod(pane_.get(), action.constData()));
        }
        QCOMPARE(defaults().object(key), QVariant(stored));
        QCOMPARE(box->currentData().toString(), stored);
    }

    void restoreActionsStoreTheDefaults_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("notification") << "restoreNotificationButton" << QStringList {notificationKey}
                                      << QStringList {"no_notification"} << QStringList {"all_notifications"};
        QTest::newRow("date and time") << "restoreDateTimeStyleButton" << QStringList {dateStyleKey, timeStyleKey}
                                       << QStringList {"full", "none"} << QStringList {"medium", "medium"};
        QTest::newRow("coordinates") << "restoreGPSFormatButton" << QStringList {gpsFormatKey}
                                     << QStringList {"DD.dddddd\u00B0"} << QStringList {"ISO6709"};
        QTest::newRow("preset groups") << "restorePresetGroupButton" << QStringList {presetGroupsKey}
                                       << QStringList {"hide_groups"} << QStringList {"show_groups"};
        QTest::newRow("map file names") << "restoreMapDisplayFilenameButton" << QStringList {mapFilenameKey}
                                        << QStringList {"display"} << QStringList {"hide"};
        QTest::newRow("map other items") << "restoreMapDisplayOtherItemsButton" << QStringList {mapOtherItemsKey}
                                         << QStringList {"display"} << QStringList {"hide"};
    }

    void restoreActionsStoreTheDefaults()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        for (int index = 0; index < keys.size(); ++index)
            defaults().setObject(keys[index], before[index]);
        const QStringList shownBefore = shownRawValues();

        QTest::mouseClick(buttonNamed(button), Qt::LeftButton);

        QStringList expectedShown = shownBefore;
        for (int index = 0; index < keys.size(); ++index) {
            QCOMPARE(defaults().object(keys[index]), QVariant(after[index]));
            // A key this pane shows: its pop-up follows.
            const int row = rowOfKey(keys[index]);
            if (row >= 0)
                expectedShown[row] = after[index];
        }
        QCOMPARE(shownRawValues(), expectedShown);
    }

    // A write made anywhere reloads the pop-up of its key, and that pop-up only; keys of other
    // panes change nothing here.
    void settingsWrittenElsewhereReloadOnlyTheirPopUp_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("reloaded");
        QTest::addColumn<QString>("shown");
        QTest::newRow("notification") << notificationKey << "no_notification" << 0 << "no_notification";
        QTest::newRow("date style") << dateStyleKey << "long" << 1 << "long";
        QTest::newRow("unknown date style") << dateStyleKey << "gigantic" << 1 << "medium";
        QTest::newRow("time style") << timeStyleKey << "full" << 2 << "full";
        QTest::newRow("coordinates") << gpsFormatKey << "Post DD\u00B0MM\u2019SS.s" << 3 << "Post DD\u00B0MM\u2019SS.s";
        QTest::newRow("apostrophe for the quotation mark") << gpsFormatKey << "Post DD\u00B0MM'SS.s" << 3 << "ISO6709";
        QTest::newRow("preset groups") << presetGroupsKey << "hide_groups" << 4 << "hide_groups";
        QTest::newRow("map file names") << mapFilenameKey << "display" << -1 << QString();
        QTest::newRow("an edition key") << QStringLiteral("EditionUserChoiceCorrections") << "no_correction" << -1
                                        << QString();
    }

    void settingsWrittenElsewhereReloadOnlyTheirPopUp()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, reloaded);
        QFETCH(QString, shown);
        // Blank pop-ups tell which ones were reloaded.
        for (const QString& name : popUps)
            popUpNamed(name)->setCurrentIndex(-1);

        defaults().setObject(key, stored);

        for (int row = 0; row < popUps.size(); ++row)
            QCOMPARE(popUpNamed(popUps[row])->currentData().toString(), row == reloaded ? shown : QString());
        defaults().removeObject(key);
    }

    void aClosedPaneFollowsNothing()
    {
        pane_->view()->close();
        QVERIFY(!pane_->view()->isVisible());
        pane_.reset();
        defaults().setObject(dateStyleKey, QStringLiteral("short")); // must not reach a destroyed pane
        QCOMPARE(defaults().object(dateStyleKey), QVariant(QStringLiteral("short")));
    }

private:
    QComboBox* popUpNamed(const QString& name) const { return WidgetDriver::child<QComboBox>(pane_->view(), name); }
    QPushButton* buttonNamed(const QString& name) const
    {
        return WidgetDriver::child<QPushButton>(pane_->view(), name);
    }

    QStringList shownRawValues() const
    {
        QStringList shown;
        for (const QString& name : popUps)
            shown << popUpNamed(name)->currentData().toString();
        return shown;
    }

    static int rowOfKey(const QString& key)
    {
        return QStringList {notificationKey, dateStyleKey, timeStyleKey, gpsFormatKey, presetGroupsKey}.indexOf(key);
    }

    std::unique_ptr<GeneralPreferencesViewController> pane_;
};

QTEST_MAIN(GeneralPreferencesViewControllerTest)

#include "GeneralPreferencesViewControllerTest.moc"
