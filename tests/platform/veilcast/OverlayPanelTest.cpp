#include "platform/veilcast/OverlayPanel.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using veilcast::OverlayPanel;

namespace {

constexpr int panelWidth = 240;
constexpr int contentHeight = 100;

// A panel holding one block of fixed height, as an overlay's content would.
OverlayPanel* makePanel(QWidget* window)
{
    auto* panel = new OverlayPanel(window, panelWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* block = new QWidget(panel);
    block->setFixedHeight(contentHeight);
    layout->addWidget(block);
    return panel;
}

std::unique_ptr<QWidget> shownWindow()
{
    auto window = std::make_unique<QWidget>();
    window->resize(400, 300);
    window->show();
    return window;
}

} // namespace

class OverlayPanelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QApplication::setEffectEnabled(Qt::UI_General, false); }

    void followsTheWindowSize_data()
    {
        QTest::addColumn<QSize>("firstSize");
        QTest::addColumn<QSize>("secondSize");
        QTest::addColumn<QSize>("expectedPanel");

        QTest::newRow("roomy, grows") << QSize(500, 400) << QSize(900, 700) << QSize(panelWidth, contentHeight);
        QTest::newRow("shrinks below the panel")
                << QSize(600, 400) << QSize(200, 120) << QSize(200 - 2 * OverlayPanel::margin, 120 - 2 * OverlayPanel::margin);
        QTest::newRow("grows back from tiny") << QSize(60, 30) << QSize(640, 480) << QSize(panelWidth, contentHeight);
    }

    void followsTheWindowSize()
    {
        QFETCH(QSize, firstSize);
        QFETCH(QSize, secondSize);
        QFETCH(QSize, expectedPanel);

        QWidget window;
        window.resize(firstSize);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        OverlayPanel* panel = makePanel(&window);
        panel->present();
        QVERIFY(window.rect().contains(panel->geometry()));

        window.resize(secondSize);
        QCOMPARE(window.size(), secondSize);
        QCOMPARE(panel->size(), expectedPanel);
        QCOMPARE(panel->geometry().center(), window.rect().center());
    }

    void staysAboveLaterContentAndLetsClicksThrough()
    {
        QWidget window;
        window.resize(400, 300);
        OverlayPanel* panel = makePanel(&window);
        // Content made after the panel would cover it unless the panel is raised.
        auto* button = new QPushButton(QStringLiteral("Under"), &window);
        button->setGeometry(window.rect());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        panel->present();
        QCOMPARE(window.children().last(), panel);

        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, window.rect().center());
        QCOMPARE(clicked.count(), 1);
    }

    void dismissFollowsTheDesktopAnimationSetting_data()
    {
        QTest::addColumn<bool>("animated");
        QTest::newRow("still desktop") << false;
        QTest::newRow("animated desktop") << true;
    }

    void dismissFollowsTheDesktopAnimationSetting()
    {
        QFETCH(bool, animated);
        QApplication::setEffectEnabled(Qt::UI_General, animated);
        QCOMPARE(OverlayPanel::animationsEnabled(), animated);

        auto window = shownWindow();
        OverlayPanel* panel = makePanel(window.get());
        panel->present();
        panel->dismiss();
        QCOMPARE(panel->isFading(), animated);
        QCOMPARE(panel->isHidden(), !animated);
        QTRY_VERIFY(panel->isHidden());
    }

    void presentDuringAFadeKeepsThePanel()
    {
        QApplication::setEffectEnabled(Qt::UI_General, true);
        auto window = shownWindow();
        OverlayPanel* panel = makePanel(window.get());
        panel->present();
        panel->dismiss();
        QVERIFY(panel->isFading());

        panel->present();
        QVERIFY(!panel->isFading());
        QVERIFY(!panel->graphicsEffect());
        // The stopped fade must not hide the panel when its time would have run out.
        QTest::qWait(int(OverlayPanel::fadeDuration.count()) * 2);
        QVERIFY(panel->isVisible());
    }

    void windowDestroyedDuringAFade()
    {
        QApplication::setEffectEnabled(Qt::UI_General, true);
        auto window = shownWindow();
        QPointer<OverlayPanel> panel = makePanel(window.get());
        panel->present();
        panel->dismiss();
        window.reset();
        QVERIFY(panel.isNull());
        QTest::qWait(int(OverlayPanel::fadeDuration.count()) * 2);
    }
};

QTEST_MAIN(OverlayPanelTest)
#include "OverlayPanelTest.moc"
