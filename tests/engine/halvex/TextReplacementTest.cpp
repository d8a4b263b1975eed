#include "engine/halvex/editions/TextReplacement.h"

#include <QtTest>

using halvex::SearchAndReplaceSettings;
using halvex::TextReplacement;

class TextReplacementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replacesEveryMatchWithTheOptions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("options"); // c: case, d: diacritics, w: width, r: regex
        QTest::addColumn<QString>("expected");

        const QString combining = QStringLiteral("Cafe\u0301 cafe\u0301s"); // accents as combining marks
        QTest::newRow("every occurrence") << "a-b-c" << "-" << "+" << "" << "a+b+c";
        QTest::newRow("case kept without option") << "Zürich zürich" << "zürich" << "ZRH" << "" << "Zürich ZRH";
        QTest::newRow("case ignored") << "Zürich ZÜRICH" << "zürich" << "ZRH" << "c" << "ZRH ZRH";
        QTest::newRow("sharp s folds to ss") << "Straße STRASSE" << "strasse" << "Road" << "c" << "Road Road";
        QTest::newRow("half a folded letter takes it whole") << "Straße" << "s" << "_" << "c" << "_tra_e";
        QTest::newRow("accents kept without option") << "Café cafe" << "cafe" << "tea" << "" << "Café tea";
        QTest::newRow("accents ignored") << "café cafe" << "cafe" << "tea" << "d" << "tea tea";
        QTest::newRow("accent in the search ignored") << "cafe" << "café" << "tea" << "d" << "tea";
        QTest::newRow("combining marks go with their letter") << combining << "cafe" << "tea" << "cd" << "tea teas";
        QTest::newRow("a mark goes with the letter before it") << "e\u0301e" << "e" << "x" << "d" << "xx";
        QTest::newRow("width kept without option") << "ＡＢＣ ABC" << "ABC" << "x" << "" << "ＡＢＣ x";
        QTest::newRow("width ignored") << "ＡＢＣ ABC ｱｲ" << "ABC" << "x" << "w" << "x x ｱｲ";
        QTest::newRow("half-width katakana") << "ｱｲｳ" << "アイ" << "x" << "w" << "xｳ";
        QTest::newRow("all three") << "ＣＡＦÉ" << "cafe" << "tea" << "cdw" << "tea";
        QTest::newRow("outside the basic plane") << "a😀b😀" << "😀" << "-" << "" << "a-b-";
        QTest::newRow("empty search changes nothing") << "abc" << "" << "x" << "crw" << "abc";
        QTest::newRow("pattern metacharacters as text") << "a.b*c" << ".b*" << "-" << "" << "a-c";
        QTest::newRow("regex groups") << "Café in Zürich" << "^(\\w+) in (\\w+)$" << "$2: $1" << "r" << "Zürich: Café";
        QTest::newRow("regex whole match and escapes") << "ab" << "b+" << "[$0] \\$1 \\\\" << "r" << "a[b] $1 \\";
        QTest::newRow("regex unknown group is empty") << "ab" << "(a)" << "<$2>" << "r" << "<>b";
        QTest::newRow("regex two-digit group only when it exists") << "abcdefghij" << "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)"
                                                                   << "$10$11" << "r" << "ja1";
        QTest::newRow("regex ignoring case") << "One ONE one" << "o(n)e" << "[$1]" << "rc" << "[n] [N] [n]";
        QTest::newRow("regex class keeps its case") << "a1b2" << "\\D" << "_" << "rc" << "_1_2";
        QTest::newRow("regex on folded accents, groups from the original") << "Café Zürich" << "(cafe) (\\w+)"
                                                                           << "$2 $1" << "rcd" << "Zürich Café";
        QTest::newRow("regex empty match at start") << "abc" << "^" << ">" << "r" << ">abc";
        QTest::newRow("regex anchored replaces to nothing") << "  padded  " << "^\\s+|\\s+$" << "" << "r" << "padded";
    }

    void replacesEveryMatchWithTheOptions()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replace);
        QFETCH(QString, options);
        QFETCH(QString, expected);
        const TextReplacement replacement(SearchAndReplaceSettings{search, replace, options.contains(u'c'),
                                                                   options.contains(u'd'), options.contains(u'w'),
                                                                   options.contains(u'r')});
        QVERIFY(replacement.isValid());
        QCOMPARE(replacement.errorString(), QString());
        QCOMPARE(replacement.apply(text), expected);
    }

    void invalidPatternChangesNothing()
    {
        const TextReplacement replacement(SearchAndReplaceSettings{QStringLiteral("(unclosed"), QStringLiteral("x"),
                                                                   false, false, false, true});
        QVERIFY(!replacement.isValid());
        QVERIFY(replacement.errorString().contains(QStringLiteral("offset 9")));
        QCOMPARE(replacement.apply(QStringLiteral("(unclosed")), QStringLiteral("(unclosed"));
        // The same text is no pattern without the option.
        const TextReplacement literal(SearchAndReplaceSettings{QStringLiteral("(unclosed"), QStringLiteral("x")});
        QCOMPARE(literal.apply(QStringLiteral("a (unclosed")), QStringLiteral("a x"));
    }
};

QTEST_GUILESS_MAIN(TextReplacementTest)
#include "TextReplacementTest.moc"
