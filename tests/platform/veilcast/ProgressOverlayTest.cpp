#include "platform/veilcast/OverlayPanel.h"
#include "platform/veilcast/ProgressOverlay.h"

#include "PanelLookup.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>

using corvelle::test::panelOf;
using veilcast::OverlayPanel;
using veilcast::ProgressOverlay;

namespace {

std::unique_ptr<QWidget> makeWindow()
{
    auto window = std::make_unique<QWidget>();
    window->resize(640, 480);
    window->show();
    return window;
}

QStringList visibleTexts(const OverlayPanel& panel)
{
    QStringList texts;
    for (auto* label : panel.findChildren<QLabel*>()) {
        if (label->isVisible())
            texts << label->text();
    }
    return texts;
}

bool isBusy(const QProgressBar& bar)
{
    return bar.minimum() == 0 && bar.maximum() == 0;
}

} // namespace

class ProgressOverlayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTitleSubtitleAndABusyBar()
    {
        auto window = makeWindow();
        ProgressOverlay overlay;
        overlay.setTitle(QStringLiteral("Importing keywords"));
        overlay.setSubtitle(QStringLiteral("Reading the file"));
        overlay.show(window.get());

        OverlayPanel* panel = panelOf(*window);
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(visibleTexts(*panel),
                 (QStringList{QStringLiteral("Importing keywords"), QStringLiteral("Reading the file")}));
        auto* bar = panel->findChild<QProgressBar*>();
        QVERIFY(bar && bar->isVisible());
        QVERIFY(isBusy(*bar));
        QCOMPARE(panel->geometry().center(), window->rect().center());
    }

    void updatesWhileShown_data()
    {
        QTest::addColumn<std::optional<double>>("fraction");
        QTest::addColumn<std::optional<double>>("stored");
        QTest::addColumn<int>("barValue");

        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("a quarter") << std::optional(0.25) << std::optional(0.25) << 250;
        QTest::newRow("done") << std::optional(1.0) << std::optional(1.0) << ProgressOverlay::barSteps;
        QTest::newRow("below zero") << std::optional(-3.0) << std::optional(0.0) << 0;
        QTest::newRow("above one") << std::optional(7.5) << std::optional(1.0) << ProgressOverlay::barSteps;
        QTest::newRow("not a number") << std::optional(nan) << std::optional<double>() << -1;
        QTest::newRow("unknown again") << std::optional<double>() << std::optional<double>() << -1;
    }

    void updatesWhileShown()
    {
        QFETCH(std::optional<double>, fraction);
        QFETCH(std::optional<double>, stored);
        QFETCH(int, barValue);

        auto window = makeWindow();
        ProgressOverlay overlay;
        overlay.setTitle(QStringLiteral("Applying"));
        overlay.setProgress(0.5);
        overlay.show(window.get());
        auto* bar = panelOf(*window)->findChild<QProgressBar*>();
        QCOMPARE(bar->value(), 500);

        overlay.setProgress(fraction);
        QCOMPARE(overlay.progress(), stored);
        if (barValue < 0) {
            QVERIFY(isBusy(*bar));
        } else {
            QVERIFY(!isBusy(*bar));
            QCOMPARE(bar->value(), barValue);
        }
    }

    void longerTextsKeepThePanelCentredInTheWindow()
    {
        auto window = makeWindow();
        ProgressOverlay overlay;
        overlay.setTitle(QStringLiteral("Exporting"));
        overlay.show(window.get());
        OverlayPanel* panel = panelOf(*window);
        const int shortHeight = panel->height();

        overlay.setSubtitle(QStringLiteral("Writing every keyword of the library and their synonyms "
                                           "into a plain text file, one keyword a line"));
        QVERIFY(panel->height() > shortHeight);
        QCOMPARE(panel->geometry().center(), window->rect().center());
        QVERIFY(visibleTexts(*panel).contains(overlay.subtitle()));

        window->resize(200, 160);
        QVERIFY(window->rect().contains(panel->geometry()));
    }

    void hideAndShowAgain()
    {
        ProgressOverlay overlay;
        overlay.hide(); // never shown: nothing to hide

        auto window = makeWindow();
        overlay.show(window.get());
        OverlayPanel* panel = panelOf(*window);
        overlay.hide();
        QVERIFY(panel->isHidden());
        overlay.hide();

        overlay.setTitle(QStringLiteral("Second run"));
        overlay.show(window.get());
        QCOMPARE(panelOf(*window), panel);
        QVERIFY(panel->isVisible());
        QVERIFY(visibleTexts(*panel).contains(QStringLiteral("Second run")));
    }

    void survivesTheWindowGoingAway()
    {
        auto window = makeWindow();
        ProgressOverlay overlay;
        overlay.setTitle(QStringLiteral("Applying"));
        overlay.show(window.get());
        window.reset();

        // The work finishes after its window was closed.
        overlay.setSubtitle(QStringLiteral("Almost done"));
        overlay.setProgress(0.9);
        overlay.hide();

        auto next = makeWindow();
        overlay.show(next.get());
        OverlayPanel* panel = panelOf(*next);
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->findChild<QProgressBar*>()->value(), 900);
        QVERIFY(visibleTexts(*panel).contains(QStringLiteral("Almost done")));
    }
};

QTEST_MAIN(ProgressOverlayTest)
#include "ProgressOverlayTest.moc"
