#include "widgets/controls/PlaceholderTextView.h"

#include <QtTest>

using corvelle::PlaceholderTextView;

class PlaceholderTextViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholderIsSetReadAndRemoved()
    {
        PlaceholderTextView view;
        QCOMPARE(view.placeholderString(), std::nullopt);
        QCOMPARE(view.placeholderText(), QString());

        view.setPlaceholderString(QString("Description"));
        QCOMPARE(view.placeholderString(), std::optional<QString>("Description"));
        QCOMPARE(view.placeholderText(), QString("Description"));

        // An empty placeholder is still a placeholder; nothing removes it.
        view.setPlaceholderString(QString());
        QCOMPARE(view.placeholderString(), std::optional<QString>(QString()));
        view.setPlaceholderString(std::nullopt);
        QCOMPARE(view.placeholderString(), std::nullopt);
        QCOMPARE(view.placeholderText(), QString());
    }

    void placeholderIsDrawnOnlyWhileEmpty()
    {
        PlaceholderTextView view;
        QPalette palette = view.palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::PlaceholderText, Qt::red);
        palette.setColor(QPalette::Text, Qt::blue);
        view.setPalette(palette);
        view.resize(200, 80);
        view.setPlaceholderString(QString("WWWW"));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        auto hasInk = [&](QColor ink) {
            const QImage image = view.viewport()->grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == ink)
                        return true;
            return false;
        };
        QVERIFY(hasInk(Qt::red));
        view.setPlainText("WWWW");
        QVERIFY(!hasInk(Qt::red));
        QVERIFY(hasInk(Qt::blue));
    }
};

QTEST_MAIN(PlaceholderTextViewTest)
#include "PlaceholderTextViewTest.moc"
