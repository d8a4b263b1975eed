#include "engine/halvex/tags/MultiValuedString.h"

#include <QtTest>

using halvex::MultiValuedString;
using Values = QList<std::optional<QString>>;

Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(MultiValuedString)

class MultiValuedStringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findsTheCommonValue_data()
    {
        QTest::addColumn<Values>("values");
        QTest::addColumn<MultiValuedString>("common");
        const std::nullopt_t absent = std::nullopt;
        QTest::newRow("no value at all") << Values{} << MultiValuedString::none();
        QTest::newRow("every tag absent") << Values{absent, absent} << MultiValuedString::none();
        QTest::newRow("one value") << Values{u"a"_qs} << MultiValuedString::single(u"a"_qs);
        QTest::newRow("equal values") << Values{u"a"_qs, u"a"_qs} << MultiValuedString::single(u"a"_qs);
        QTest::newRow("equal empty values") << Values{u""_qs, u""_qs} << MultiValuedString::single(u""_qs);
        QTest::newRow("different values") << Values{u"a"_qs, u"A"_qs} << MultiValuedString::multiple();
        QTest::newRow("present and absent") << Values{absent, u"a"_qs} << MultiValuedString::multiple();
    }

    void findsTheCommonValue()
    {
        QFETCH(Values, values);
        QFETCH(MultiValuedString, common);
        QCOMPARE(MultiValuedString::common(values), common);
        QCOMPARE(MultiValuedString::common(values).value(), common.value());
    }
};

QTEST_GUILESS_MAIN(MultiValuedStringTest)
#include "MultiValuedStringTest.moc"
