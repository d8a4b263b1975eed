#include "engine/halvex/tags/TagValueMarker.h"

#include <QtTest>

using halvex::TagValueMarker;

class TagValueMarkerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void markersAreTheirOwnKind()
    {
        QCOMPARE(halvex::tagValueMarker(halvex::TagValueRestore), TagValueMarker::restore);
        QCOMPARE(halvex::tagValueMarker(halvex::TagValueClear), TagValueMarker::clear);
        QVERIFY(halvex::TagValueRestore != halvex::TagValueClear);
        for (const std::optional<QString>& value :
             {std::optional<QString>(), std::optional<QString>(u""_qs),
              std::optional<QString>(u"halvex-restore"_qs), std::optional<QString>(u"restore"_qs)})
            QCOMPARE(halvex::tagValueMarker(value), std::nullopt);
    }

    // A real value passed through the filter can never be a marker, and keeps everything else.
    void realValuesLoseNoncharacters_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("kept");
        QTest::newRow("restore marker") << *halvex::TagValueRestore << u"halvex-restore"_qs;
        QTest::newRow("clear marker") << *halvex::TagValueClear << u"halvex-clear"_qs;
        QTest::newRow("plane ends") << u"a\uFFFEb\uFFFF"_qs + QString::fromUcs4(U"\U0010FFFFc") << u"abc"_qs;
        QTest::newRow("astral noncharacter") << QString::fromUcs4(U"x\U0001FFFEy") << u"xy"_qs;
        QTest::newRow("ordinary text") << u"Café – Zürich 😀\n\uFDCF\uFDF0"_qs << u"Café – Zürich 😀\n\uFDCF\uFDF0"_qs;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u"z"_qs << QString(QChar(0xD800)) + u"z"_qs;
    }

    void realValuesLoseNoncharacters()
    {
        QFETCH(QString, value);
        QFETCH(QString, kept);
        QCOMPARE(halvex::withoutNoncharacters(value), kept);
    }
};

QTEST_GUILESS_MAIN(TagValueMarkerTest)
#include "TagValueMarkerTest.moc"
