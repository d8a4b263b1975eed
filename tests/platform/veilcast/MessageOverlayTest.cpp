#include "platform/veilcast/MessageOverlay.h"
#include "platform/veilcast/OverlayPanel.h"

#include "PanelLookup.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;
using corvelle::test::panelOf;
using veilcast::MessageOverlay;
using veilcast::OverlayPanel;

namespace {

std::unique_ptr<QMainWindow> makeWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QWidget);
    window->resize(640, 480);
    window->show();
    return window;
}

QLabel* labelShowing(const OverlayPanel& panel, const QString& text)
{
    for (auto* label : panel.findChildren<QLabel*>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

QLabel* imageLabel(const OverlayPanel& panel)
{
    for (auto* label : panel.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            return label;
    }
    return nullptr;
}

QIcon symbol()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::green);
    return QIcon(pixmap);
}

} // namespace

class MessageOverlayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QApplication::setEffectEnabled(Qt::UI_General, false); }

    void showsTextAndImageOverTheWindow_data()
    {
        QTest::addColumn<bool>("withImage");
        QTest::newRow("symbol and text") << true;
        QTest::newRow("text alone") << false;
    }

    void showsTextAndImageOverTheWindow()
    {
        QFETCH(bool, withImage);
        auto window = makeWindow();
        MessageOverlay overlay;
        overlay.setDisplayDuration(10min);
        if (withImage)
            overlay.setImage(symbol());
        overlay.setText(QStringLiteral("3 tasks added"));
        QVERIFY(!panelOf(*window));

        overlay.show(window.get());
        OverlayPanel* panel = panelOf(*window);
        QVERIFY(panel);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry().center(), window->rect().center());
        QLabel* text = labelShowing(*panel, QStringLiteral("3 tasks added"));
        QVERIFY(text && text->isVisible());
        QLabel* image = imageLabel(*panel);
        QVERIFY(image);
        QCOMPARE(image->isVisible(), withImage);
        if (withImage)
            QCOMPARE(image->pixmap().deviceIndependentSize().toSize(),
                     QSize(MessageOverlay::imageSize, MessageOverlay::imageSize));

        window->resize(300, 700);
        QCOMPARE(panel->geometry().center(), window->rect().center());
        QVERIFY(window->rect().contains(panel->geometry()));
    }

    void hidesAfterItsDisplayDuration_data()
    {
        QTest::addColumn<bool>("animated");
        QTest::newRow("still desktop") << false;
        QTest::newRow("animated desktop") << true;
    }

    void hidesAfterItsDisplayDuration()
    {
        QFETCH(bool, animated);
        QApplication::setEffectEnabled(Qt::UI_General, animated);
        auto window = makeWindow();
        MessageOverlay overlay;
        overlay.setDisplayDuration(20ms);
        overlay.setText(QStringLiteral("Done"));
        overlay.show(window.get());
        OverlayPanel* panel = panelOf(*window);
        QVERIFY(panel && panel->isVisible());
        QTRY_VERIFY(panel->isHidden());

        // The same panel comes back for the next notice.
        overlay.show(window.get());
        QCOMPARE(panelOf(*window), panel);
        QVERIFY(panel->isVisible());
    }

    void aNewNoticeReplacesTheShownOne()
    {
        auto window = makeWindow();
        MessageOverlay overlay;
        overlay.setDisplayDuration(1000ms);
        overlay.setText(QStringLiteral("Tasks added"));
        overlay.show(window.get());
        QTest::qWait(700);

        overlay.setImage(symbol());
        overlay.setText(QStringLiteral("Tasks done"));
        overlay.show(window.get());
        OverlayPanel* panel = panelOf(*window);
        QVERIFY(panel);
        QVERIFY(labelShowing(*panel, QStringLiteral("Tasks done")));
        QVERIFY(!labelShowing(*panel, QStringLiteral("Tasks added")));
        // The second notice gets its own full display time.
        QTest::qWait(600);
        QVERIFY(panel->isVisible());
        QTRY_VERIFY(panel->isHidden());
    }

    void movesToAnotherWindow()
    {
        auto first = makeWindow();
        auto second = makeWindow();
        MessageOverlay overlay;
        overlay.setText(QStringLiteral("Tag added"));
        overlay.show(first.get());
        QVERIFY(panelOf(*first));

        overlay.show(second.get());
        QVERIFY(!panelOf(*first));
        QVERIFY(panelOf(*second) && panelOf(*second)->isVisible());
    }

    void survivesTheWindowGoingAway_data()
    {
        QTest::addColumn<bool>("animated");
        QTest::addColumn<int>("durationMs");
        QTest::newRow("while shown") << false << 30;
        QTest::newRow("while fading") << true << 0;
    }

    void survivesTheWindowGoingAway()
    {
        QFETCH(bool, animated);
        QFETCH(int, durationMs);
        const std::chrono::milliseconds duration(durationMs);
        QApplication::setEffectEnabled(Qt::UI_General, animated);
        auto window = makeWindow();
        MessageOverlay overlay;
        overlay.setDisplayDuration(duration);
        overlay.setText(QStringLiteral("Tasks done"));
        overlay.show(window.get());
        if (animated)
            QTRY_VERIFY(panelOf(*window)->isFading());

        window.reset();
        QTest::qWait(int((duration + OverlayPanel::fadeDuration).count()) * 2);
        overlay.setText(QStringLiteral("Later"));
        overlay.setImage(symbol());
        overlay.show(nullptr);

        auto next = makeWindow();
        overlay.show(next.get());
        OverlayPanel* panel = panelOf(*next);
        QVERIFY(panel && labelShowing(*panel, QStringLiteral("Later")));
    }

    void destroyingTheOverlayRemovesItsPanel()
    {
        auto window = makeWindow();
        auto overlay = std::make_unique<MessageOverlay>();
        overlay->setDisplayDuration(10min);
        overlay->show(window.get());
        QVERIFY(panelOf(*window));
        overlay.reset();
        QVERIFY(!panelOf(*window));
    }
};

QTEST_MAIN(MessageOverlayTest)
#include "MessageOverlayTest.moc"
