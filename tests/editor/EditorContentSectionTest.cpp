#include "editor/EditorContentSection.h"

#include <QtTest>

using corvelle::EditorContentSection;
using corvelle::EditorContentSectionDecodingError;

Q_DECLARE_METATYPE(EditorContentSection)

class EditorContentSectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void codedAsItsRawStringAlone()
    {
        QCOMPARE(brisa::encodeJson(EditorContentSection::map), QByteArray("\"map\""));
        for (const EditorContentSection section : brisa::allCases<EditorContentSection>())
            QCOMPARE(brisa::decodeJson<EditorContentSection>(brisa::encodeJson(section)), section);
    }

    void stringsNamingNoSectionAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("capitalised") << QByteArray("\"Tags\"");
        QTest::newRow("upper-case raw") << QByteArray("\"RAW\"");
        QTest::newRow("empty") << QByteArray("\"\"");
        QTest::newRow("the error's own raw value") << QByteArray("\"Raw value mismatch\"");
    }

    void stringsNamingNoSectionAreRefused()
    {
        QFETCH(QByteArray, json);
        try {
            brisa::decodeJson<EditorContentSection>(json);
            QFAIL("decoded");
        } catch (const EditorContentSectionDecodingError& error) {
            QCOMPARE(error.code(), EditorContentSectionDecodingError::Code::rawValueMismatch);
            QCOMPARE(error.rawValue(), QStringLiteral("Raw value mismatch"));
        }
        QVERIFY(!brisa::caseFromRawValue<EditorContentSection>(QString::fromUtf8(json).remove(QLatin1Char('"'))));
    }

    void aValueThatIsNoStringIsTheJsonsOwnError()
    {
        QVERIFY_THROWS_EXCEPTION(brisa::DecodingError, brisa::decodeJson<EditorContentSection>("3"));
    }

    void theSwitcherCountsFromPreviewAndNeverOffersWelcome()
    {
        QCOMPARE(corvelle::switcherIndex(EditorContentSection::welcome), std::nullopt);
        for (int index = 0; index < 4; ++index)
            QCOMPARE(corvelle::switcherIndex(*corvelle::sectionAtSwitcherIndex(index)), index);
        QCOMPARE(corvelle::sectionAtSwitcherIndex(0), EditorContentSection::preview);
        QCOMPARE(corvelle::sectionAtSwitcherIndex(3), EditorContentSection::raw);
        QCOMPARE(corvelle::sectionAtSwitcherIndex(-1), std::nullopt);
        QCOMPARE(corvelle::sectionAtSwitcherIndex(4), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(EditorContentSectionTest)
#include "EditorContentSectionTest.moc"
