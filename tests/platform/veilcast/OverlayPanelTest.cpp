#include "platform/veilcast/OverlayPanel.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using veilcast::OverlayPanel;

namespace {

// A panel holding one fixed-size block, as an overlay's content would.
OverlayPanel* makePanel(QWidget* window, QSize content, int preferredWidth = 240)
{
    auto* panel = new OverlayPanel(window, preferredWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* block = new QWidget(panel);
    block->setMinimumSize(0, content.height());
    block->setFixedHeight(content.height());
    layout->addWidget(block);
    return panel;
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

        QTest::newRow("roomy, grows") << QSize(500, 400) << QSize(900, 700) << QSize(240, 100);
        QTest::newRow("shrinks below the panel")
                << QSize(600, 400) << QSize(200, 120) << QSize(200 - 2 * OverlayPanel::margin, 120 - 2 * OverlayPanel::margin);
        QTest::newRow("grows back from tiny") << QSize(60, 30) << QSize(640, 480) << QSize(240, 100);
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
        OverlayPanel* panel = makePanel(&window, QSize(240, 100));
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
        OverlayPanel* panel = makePanel(&window, QSize(240, 100));
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

        QWidget window;
        window.resize(400, 300);
        window.show();
        OverlayPanel* panel = makePanel(&window, QSize(240, 100));
        panel->present();
        panel->dismiss();
        QCOMPARE(panel->isFading(), animated);
        QCOMPARE(panel->isHidden(), !animated);
        QTRY_VERIFY(panel->isHidden());
    }

    void presentDuringAFadeKeepsThePanel()
    {
        QApplication::setEffectEnabled(Qt::UI_General, true);
        QWidget window;
        window.resize(400, 300);
        window.show();
        OverlayPanel* panel = makePanel(&window, QSize(240, 100));
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
        auto* window = new QWidget;
        window->resize(400, 300);
        window->show();
        QPointer<OverlayPanel> panel = makePanel(window, QSize(240, 100));
        panel->present();
        panel->dismiss();
        delete window;
        QVERIFY(panel.isNull());
        QTest::qWait(int(OverlayPanel::fadeDuration.count()) * 2);
    }
};

QTEST_MAIN(OverlayPanelTest)
#include "OverlayPanelTest.moc"
