#include "app/preferences/PreferencesController.h"

#include "app/preferences/PreferencesPane.h"
#include "engine/ostrak/ETSettings.h"
#include "platform/brisa/ui/DynamicTouchBarItem.h"
#include "support/ui/PrivateSessionBus.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QToolBar>

using corvelle::PreferencesController;
using corvelle::PreferencesPane;

namespace {

const QStringList paneIdentifiers = {QStringLiteral("GeneralPreferencesPanelID"),
                                     QStringLiteral("EditionPreferencesPanelID"),
                                     QStringLiteral("ServicesPreferencesPanelID"),
                                     QStringLiteral("AdvancedPreferencesPanelID")};

PreferencesPane* paneAt(int index)
{
    return dynamic_cast<PreferencesPane*>(PreferencesController::shared().panels().at(index).get());
}

// Every text a user can read in the pane's view.
QStringList visibleTexts(QWidget* view)
{
    QStringList texts;
    for (QWidget* widget : view->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        else if (auto* field = qobject_cast<QLineEdit*>(widget))
            texts << field->placeholderText();
        texts << widget->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class PreferencesControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void thePanesInOrder_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("general") << 0 << "General" << "General preferences";
        QTest::newRow("edition") << 1 << "Editing" << "How tags are written into files";
        QTest::newRow("services") << 2 << "Services" << "Keys of the online movie and show databases";
        QTest::newRow("advanced") << 3 << "Advanced" << "Decoding password, debugging and backups";
    }

    void thePanesInOrder()
    {
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QString, toolTip);
        PreferencesController& controller = PreferencesController::shared();
        QCOMPARE(int(controller.panels().size()), int(paneIdentifiers.size()));
        QVERIFY(controller.showToolbarAsControl());
        PreferencesPane* pane = paneAt(index);
        QVERIFY(pane);
        QCOMPARE(pane->identifier(), paneIdentifiers[index]);
        QCOMPARE(pane->title(), title);
        QCOMPARE(pane->toolTip(), toolTip);
        QVERIFY(!pane->image().isNull());

        // The toolbar entry of the pane carries the same.
        const QList<QAction*> entries = controller.window()->findChild<QToolBar*>()->actions();
        QAction* entry = nullptr;
        for (QAction* action : entries) {
            if (action->data().toString() == pane->identifier())
                entry = action;
        }
        QVERIFY(entry);
        QCOMPARE(entry->text(), title);
        QCOMPARE(entry->toolTip(), toolTip);
    }

    void everyTextIsLocalised_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("general") << 0;
        QTest::newRow("edition") << 1;
        QTest::newRow("services") << 2;
        QTest::newRow("advanced") << 3;
    }

    // A key missing from the text table shows as itself: capitalised words run together.
    void everyTextIsLocalised()
    {
        QFETCH(int, index);
        static const QRegularExpression key(QStringLiteral("^[A-Z]\\w*[a-z][A-Z]\\w*[a-z][A-Z]\\w*$"));
        const QStringList texts = visibleTexts(paneAt(index)->view());
        QVERIFY(!texts.isEmpty());
        for (const QString& text : texts)
            QVERIFY2(!key.match(text).hasMatch(), qPrintable(text));
    }

    void showingTwiceShowsTheSameWindowCentredAgain()
    {
        PreferencesController& controller = PreferencesController::shared();
        controller.showPreferences();
        QWidget* window = controller.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QPoint centre = window->screen()->availableGeometry().center();
        QVERIFY((window->frameGeometry().center() - centre).manhattanLength() <= 2);

        window->move(window->pos() + QPoint(120, 80));
        PreferencesController::shared().showPreferences();
        QCOMPARE(&PreferencesController::shared(), &controller);
        QCOMPARE(controller.window(), window);
        QVERIFY(window->isVisible());
        QVERIFY((window->frameGeometry().center() - centre).manhattanLength() <= 2);
    }

    void eachTouchBarClosesTheWindow_data() { everyTextIsLocalised_data(); }

    void eachTouchBarClosesTheWindow()
    {
        QFETCH(int, index);
        PreferencesController& controller = PreferencesController::shared();
        controller.showPreferences();
        controller.selectPanel(paneIdentifiers[index]);
        QVERIFY(QTest::qWaitForWindowExposed(controller.window()));

        const QList<brisa::DynamicTouchBarItem*> items = paneAt(index)->makeTouchBar();
        QCOMPARE(items.size(), 2);
        QVERIFY(items[0]->isFlexibleSpace());
        QCOMPARE(items[1]->settings().title, QStringLiteral("Close"));
        QCOMPARE(items[1]->settings().width, 160.0);
        QVERIFY(items[1]->perform());
        QVERIFY(!controller.window()->isVisible());
    }

    // Set CORVELLE_PREFERENCES_SCREENSHOTS to a folder (and run under a real X server) to get
    // one picture per pane, prefs-<pane>.png, for looking at the layout.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("CORVELLE_PREFERENCES_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("CORVELLE_PREFERENCES_SCREENSHOTS names no folder");
        // Where start-up puts it.
        ostrak::ETSettings::shared().setBackupFolder(
                QDir::home().filePath(QStringLiteral(".local/share/Corvelle/Backup")));
        PreferencesController& controller = PreferencesController::shared();
        controller.showPreferences();
        const QStringList names = {QStringLiteral("general"), QStringLiteral("edition"), QStringLiteral("services"),
                                   QStringLiteral("advanced")};
        for (int index = 0; index < names.size(); ++index) {
            controller.selectPanel(paneIdentifiers[index]);
            QVERIFY(QTest::qWaitForWindowExposed(controller.window()));
            QTest::qWait(500); // the keychain read and the window manager
            const QString path = QDir(folder).filePath(QStringLiteral("prefs-%1.png").arg(names[index]));
            QVERIFY2(controller.window()->grab().save(path), qPrintable(path));
        }
    }
};

// The Advanced pane reads the keychain: never the user's.
CORVELLE_TEST_MAIN_WITH_PRIVATE_BUS(PreferencesControllerTest)

#include "PreferencesControllerTest.moc"
