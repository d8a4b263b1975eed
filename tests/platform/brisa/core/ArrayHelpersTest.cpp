#include "platform/brisa/core/ArrayHelpers.h"

#include <QtTest>

using namespace brisa;

class ArrayHelpersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void indexSetKeepsSortedUniquePositions()
    {
        IndexSet set{5, 1, 3, 1, -2};
        QCOMPARE(set.toList(), QList<int>({1, 3, 5}));
        set.insert(4);
        set.remove(1);
        QCOMPARE(set.toList(), QList<int>({3, 4, 5}));
        QCOMPARE(set.countBefore(5), 2);
        QCOMPARE(IndexSet::range(2, 3), IndexSet({2, 3, 4}));
    }

    // The destination is a position before the move: the moved elements land just before the
    // element that was there, in their own order.
    void moveAndRemove_data()
    {
        QTest::addColumn<IndexSet>("indexes");
        QTest::addColumn<int>("destination");
        QTest::addColumn<QString>("moved");
        QTest::addColumn<QString>("removed");

        QTest::newRow("forward keeps order") << IndexSet{0, 2} << 4 << "bdace" << "bde";
        QTest::newRow("backward") << IndexSet{3, 4} << 1 << "adebc" << "abc";
        QTest::newRow("to the end") << IndexSet{1} << 5 << "acdeb" << "acde";
        QTest::newRow("to the start") << IndexSet{2, 4} << 0 << "ceabd" << "abd";
        QTest::newRow("onto itself") << IndexSet{2, 3} << 3 << "abcde" << "abe";
        QTest::newRow("just after itself") << IndexSet{2} << 3 << "abcde" << "abde";
        QTest::newRow("beyond the end ignored") << IndexSet{0, 9} << 99 << "bcdea" << "bcde";
        QTest::newRow("nothing") << IndexSet{} << 0 << "abcde" << "abcde";
    }

    void moveAndRemove()
    {
        QFETCH(IndexSet, indexes);
        QFETCH(int, destination);
        QFETCH(QString, moved);
        QFETCH(QString, removed);
        const QList<QChar> letters{'a', 'b', 'c', 'd', 'e'};

        QList<QChar> list = letters;
        brisa::move(list, indexes, destination);
        QCOMPARE(QString(list.constData(), list.size()), moved);

        list = letters;
        brisa::remove(list, indexes);
        QCOMPARE(QString(list.constData(), list.size()), removed);
    }

    void pickingAndMapping()
    {
        const QList<int> numbers{10, 11, 12, 13, 14};
        QCOMPARE(brisa::at(numbers, {4, 0, 7}), QList<int>({10, 14}));
        QCOMPARE(brisa::indexes(numbers, [](int n) { return n % 2 == 0; }), IndexSet({0, 2, 4}));
        QCOMPARE(brisa::mapIndexSet(numbers, [](int n) { return n - 10; }), IndexSet::range(0, 5));
        QCOMPARE(brisa::mapIndexSet(numbers,
                                    [](int n) { return n > 12 ? std::optional<int>(n) : std::nullopt; }),
                 IndexSet({13, 14}));
        QCOMPARE(brisa::compacted(QList<std::optional<QString>>{"a", std::nullopt, "b"}),
                 QStringList({"a", "b"}));
    }

    void parallelMapKeepsOrder()
    {
        QList<int> numbers;
        for (int i = 0; i < 500; ++i)
            numbers.append(i);
        const QStringList texts = brisa::parallelMap(numbers, [](int n) { return QString::number(n * 2); });
        QCOMPARE(texts.size(), 500);
        for (int i = 0; i < 500; ++i)
            QCOMPARE(texts.at(i), QString::number(i * 2));
    }
};

QTEST_GUILESS_MAIN(ArrayHelpersTest)
#include "ArrayHelpersTest.moc"
