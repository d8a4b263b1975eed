#include "platform/almira/PreferencePanelController.h"

#include "platform/brisa/core/UserDefaults.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include <memory>

using almira::PreferencePanel;
using almira::PreferencePanelController;

namespace {

struct PaneInfo {
    QString identifier;
    QSize size;
};

const PaneInfo first{QStringLiteral("FirstPanelID"), QSize(300, 120)};
const PaneInfo second{QStringLiteral("SecondPanelID"), QSize(560, 360)};
const PaneInfo third{QStringLiteral("ThirdPanelID"), QSize(220, 80)};

QIcon paneIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::blue);
    return QIcon(pixmap);
}

// A pane that makes its view on first request, as loading a form would.
class ViewPane : public PreferencePanel {
public:
    explicit ViewPane(PaneInfo info) : info_(std::move(info)) {}
    ~ViewPane() override { delete view_; }

    QWidget* view() override
    {
        if (!view_) {
            view_ = new QWidget;
            view_->setFixedSize(info_.size);
        }
        return view_;
    }
    QString identifier() const override { return info_.identifier; }
    QString title() const override { return info_.identifier + QStringLiteral(" title"); }
    QIcon image() const override { return paneIcon(); }
    QString toolTip() const override { return info_.identifier + QStringLiteral(" tip"); }

    bool isLoaded() const { return !view_.isNull(); }
    QWidget* loadedView() const { return view_; }

private:
    PaneInfo info_;
    QPointer<QWidget> view_;
};

// A pane that is its own view and has no image.
class WidgetPane : public QWidget, public PreferencePanel {
public:
    explicit WidgetPane(PaneInfo info) : info_(std::move(info)) { setFixedSize(info_.size); }

    QWidget* view() override { return this; }
    QString identifier() const override { return info_.identifier; }
    QString title() const override { return info_.identifier + QStringLiteral(" title"); }
    QIcon image() const override { return {}; }
    QString toolTip() const override { return info_.identifier + QStringLiteral(" tip"); }

private:
    PaneInfo info_;
};

class TestPreferencesController : public PreferencePanelController {
public:
    int setupCount = 0;

protected:
    void setupInitialPanels() override
    {
        ++setupCount;
        setShowToolbarAsControl(true);
        PanelList panes;
        panes.push_back(std::make_unique<ViewPane>(first));
        panes.push_back(std::make_unique<ViewPane>(second));
        panes.push_back(std::make_unique<WidgetPane>(third));
        setPanels(std::move(panes));
    }
};

QToolBar* toolbarOf(QWidget* window)
{
    return window->findChild<QToolBar*>();
}

QList<QAction*> paneEntries(QWidget* window)
{
    return toolbarOf(window)->findChild<QActionGroup*>()->actions();
}

QAction* entryFor(QWidget* window, const QString& identifier)
{
    for (QAction* entry : paneEntries(window)) {
        if (entry->data().toString() == identifier)
            return entry;
    }
    return nullptr;
}

void choose(QWidget* window, const QString& identifier)
{
    QAction* entry = entryFor(window, identifier);
    QVERIFY(entry);
    QTest::mouseClick(toolbarOf(window)->widgetForAction(entry), Qt::LeftButton);
}

} // namespace

class PreferencePanelControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        brisa::UserDefaults::standard().removeObject(PreferencePanelController::selectedPanelIdentifierKey);
    }

    void toolbarShowsOnePaneEntryEachInOrder()
    {
        TestPreferencesController controller;
        QCOMPARE(controller.panels().size(), size_t(3));
        QWidget* window = controller.window();
        QCOMPARE(controller.window(), window);
        QCOMPARE(controller.setupCount, 1);
        QVERIFY(controller.showToolbarAsControl());

        const QList<QAction*> entries = paneEntries(window);
        QCOMPARE(entries.size(), 3);
        const PaneInfo infos[] = {first, second, third};
        for (int index = 0; index < 3; ++index) {
            QAction* entry = entries.at(index);
            QCOMPARE(entry->data().toString(), infos[index].identifier);
            QCOMPARE(entry->text(), infos[index].identifier + QStringLiteral(" title"));
            QCOMPARE(entry->toolTip(), infos[index].identifier + QStringLiteral(" tip"));
            QCOMPARE(entry->icon().isNull(), index == 2);
            QCOMPARE(entry->isChecked(), index == 0);
        }

        // Only the pane on show has made its view.
        auto* firstPane = static_cast<ViewPane*>(controller.panels().at(0).get());
        auto* secondPane = static_cast<ViewPane*>(controller.panels().at(1).get());
        QVERIFY(firstPane->isLoaded());
        QVERIFY(!secondPane->isLoaded());
    }

    void choosingAnEntryShowsItsPaneAtItsSize_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QSize>("paneSize");
        QTest::newRow("wider and taller") << second.identifier << second.size;
        QTest::newRow("smaller, a pane that is its own view") << third.identifier << third.size;
    }

    void choosingAnEntryShowsItsPaneAtItsSize()
    {
        QFETCH(QString, identifier);
        QFETCH(QSize, paneSize);

        TestPreferencesController controller;
        controller.showWindow();
        QWidget* window = controller.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const int toolbarHeight = toolbarOf(window)->sizeHint().height();
        QCOMPARE(window->height(), toolbarHeight + first.size.height());
        QCOMPARE(window->windowTitle(), first.identifier + QStringLiteral(" title"));

        choose(window, identifier);
        PreferencePanel* shown = controller.selectedPanel();
        QVERIFY(shown);
        QCOMPARE(shown->identifier(), identifier);
        QVERIFY(shown->view()->isVisible());
        QCOMPARE(shown->view()->size(), paneSize);
        QCOMPARE(window->height(), toolbarHeight + paneSize.height());
        QCOMPARE(window->width(), std::max(paneSize.width(), toolbarOf(window)->sizeHint().width()));
        QCOMPARE(window->windowTitle(), identifier + QStringLiteral(" title"));
        QVERIFY(entryFor(window, identifier)->isChecked());
        QVERIFY(!entryFor(window, first.identifier)->isChecked());
        auto* firstPane = static_cast<ViewPane*>(controller.panels().at(0).get());
        QVERIFY(!firstPane->loadedView()->isVisible());

        // Back to the first pane: the window shrinks or grows back to it.
        choose(window, first.identifier);
        QCOMPARE(controller.selectedPanel(), controller.panels().at(0).get());
        QVERIFY(firstPane->loadedView()->isVisible());
        QVERIFY(!shown->view()->isVisible());
        QCOMPARE(window->height(), toolbarHeight + first.size.height());
    }

    void remembersTheLastPaneChosen_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shownNextTime");
        QTest::newRow("a pane chosen") << third.identifier << QString() << third.identifier;
        QTest::newRow("nothing chosen") << QString() << QString() << first.identifier;
        QTest::newRow("a pane that no longer exists")
                << QString() << QStringLiteral("RemovedPanelID") << first.identifier;
    }

    void remembersTheLastPaneChosen()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        QFETCH(QString, shownNextTime);

        if (!stored.isEmpty())
            brisa::UserDefaults::standard().setObject(PreferencePanelController::selectedPanelIdentifierKey, stored);
        {
            TestPreferencesController earlier;
            earlier.showWindow();
            if (!chosen.isEmpty())
                choose(earlier.window(), chosen);
            // Closing and showing again keeps the pane.
            earlier.window()->close();
            earlier.showWindow();
            QCOMPARE(earlier.selectedPanel()->identifier(), chosen.isEmpty() ? shownNextTime : chosen);
        }
        TestPreferencesController later;
        later.showWindow();
        QCOMPARE(later.selectedPanel()->identifier(), shownNextTime);
        QVERIFY(entryFor(later.window(), shownNextTime)->isChecked());

        // An unknown identifier changes nothing.
        later.selectPanel(QStringLiteral("UnknownPanelID"));
        QCOMPARE(later.selectedPanel()->identifier(), shownNextTime);
    }

    void oneSharedWindowCentredEachTime()
    {
        auto& controller = PreferencePanelController::shared<TestPreferencesController>();
        QCOMPARE(&PreferencePanelController::shared<TestPreferencesController>(), &controller);

        controller.showWindow();
        controller.centerWindow();
        QWidget* window = controller.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->move(0, 0);

        controller.showWindow();
        controller.centerWindow();
        QCOMPARE(controller.window(), window);
        QCOMPARE(controller.setupCount, 1);
        const QPoint screenCentre = window->screen()->availableGeometry().center();
        QVERIFY((window->frameGeometry().center() - screenCentre).manhattanLength() <= 1);

        int preferenceWindows = 0;
        for (QWidget* topLevel : QApplication::topLevelWidgets())
            preferenceWindows += topLevel->objectName() == window->objectName() ? 1 : 0;
        QCOMPARE(preferenceWindows, 1);
    }

    void entriesStandTogetherAsOneControl_data()
    {
        QTest::addColumn<bool>("asControl");
        QTest::newRow("as a control") << true;
        QTest::newRow("from the leading edge") << false;
    }

    void entriesStandTogetherAsOneControl()
    {
        QFETCH(bool, asControl);
        TestPreferencesController controller;
        controller.selectPanel(second.identifier); // the widest pane leaves room around the entries
        controller.setShowToolbarAsControl(asControl);
        controller.showWindow();
        QWidget* window = controller.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QToolBar* toolbar = toolbarOf(window);
        const QList<QAction*> entries = paneEntries(window);
        const int leading = toolbar->widgetForAction(entries.first())->geometry().left();
        const int trailing = toolbar->width() - toolbar->widgetForAction(entries.last())->geometry().right();
        if (asControl) {
            QVERIFY(leading > 50);
            QVERIFY(qAbs(leading - trailing) <= 12);
        } else {
            QVERIFY(leading < 20);
            QVERIFY(trailing > 50);
        }
        QCOMPARE(entries.size(), 3);
    }

    void replacingThePanesWhileShown()
    {
        auto controller = std::make_unique<TestPreferencesController>();
        controller->showWindow();
        QWidget* window = controller->window();
        choose(window, third.identifier);
        QPointer<QWidget> oldView = controller->selectedPanel()->view();

        PreferencePanelController::PanelList replacement;
        replacement.push_back(std::make_unique<ViewPane>(second));
        controller->setPanels(std::move(replacement));
        QVERIFY(oldView.isNull());
        QCOMPARE(paneEntries(window).size(), 1);
        QCOMPARE(controller->selectedPanel()->identifier(), second.identifier);
        QVERIFY(controller->selectedPanel()->view()->isVisible());

        controller->setPanels({});
        QCOMPARE(controller->selectedPanel(), nullptr);
        QVERIFY(paneEntries(window).isEmpty());
        QVERIFY(window->windowTitle().isEmpty());

        // The panes' views go before the window, each deleted once.
        PreferencePanelController::PanelList again;
        again.push_back(std::make_unique<WidgetPane>(third));
        again.push_back(std::make_unique<ViewPane>(first));
        controller->setPanels(std::move(again));
        choose(window, first.identifier);
        QPointer<QWidget> windowGuard = window;
        controller.reset();
        QVERIFY(windowGuard.isNull());
    }
};

QTEST_MAIN(PreferencePanelControllerTest)
#include "PreferencePanelControllerTest.moc"
