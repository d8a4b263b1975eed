#include "engine/ostrak/TagStream.h"
#include "engine/ostrak/TagType.h"
#include "platform/brisa/core/DecodingError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using ostrak::TagStream;
using ostrak::TagType;

class TagTypeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void integerTypesSitAtTheirIndexes()
    {
        const QList<TagType> cases = TagType::allCases();
        for (qsizetype index = 0; index < cases.size(); ++index) {
            const bool integer = (index >= 9 && index <= 14) || (index >= 16 && index <= 19);
            QCOMPARE(cases[index].isInteger(), integer);
            QCOMPARE(qsizetype(cases[index].value()), index);
            if (integer)
                QVERIFY(cases[index].isNumber());
        }
    }

    void rawValuesRoundTrip()
    {
        QSet<QString> seen;
        for (const TagType type : TagType::allCases()) {
            QVERIFY(!seen.contains(type.rawValue()));
            seen.insert(type.rawValue());
            QCOMPARE(TagType::fromRawValue(type.rawValue()), type);
        }
        QCOMPARE(TagType::fromRawValue(QStringLiteral("nosuchtype")), std::nullopt);
        for (const char* raw : {"date", "datetime", "datetimez", "partialdate", "digitsdate", "partialtime", "digitstime", "longstring"})
            QVERIFY2(TagType::fromRawValue(QString::fromLatin1(raw)), raw);
    }

    void dateTypesSplitIntoDateAndTimeParts()
    {
        const QStringList dates = {"partialdate", "digitsdate", "date", "datetime", "datetimez"};
        const QStringList times = {"partialtime", "digitstime", "date", "datetime", "datetimez"};
        for (const TagType type : TagType::allCases()) {
            QCOMPARE(type.hasDateComponents(), dates.contains(type.rawValue()));
            QCOMPARE(type.hasTimeComponents(), times.contains(type.rawValue()));
            QCOMPARE(type.isDateTimeOrPartial(), dates.contains(type.rawValue()) || times.contains(type.rawValue()));
        }
        QVERIFY(TagType::dateAndTimeType().hasDateComponents() && TagType::dateAndTimeType().hasTimeComponents());
        QVERIFY(TagType::dateOnlyType().hasDateComponents() && !TagType::dateOnlyType().hasTimeComponents());
        QVERIFY(!TagType::timeOnlyType().hasDateComponents() && TagType::timeOnlyType().hasTimeComponents());
    }

    void numberBounds()
    {
        QCOMPARE(TagType(TagType::Int8u).minimumNumberValue(), 0.0);
        QCOMPARE(TagType(TagType::Int8u).maximumNumberValue(), 255.0);
        QCOMPARE(TagType(TagType::Int16s).minimumNumberValue(), -32768.0);
        QCOMPARE(TagType(TagType::Int32u).maximumNumberValue(), 4294967295.0);
        QCOMPARE(TagType(TagType::Speed).minimumNumberValue(), 0.0);
        QCOMPARE(TagType(TagType::Real).minimumNumberValue(), std::nullopt);
        QCOMPARE(TagType(TagType::String).maximumNumberValue(), std::nullopt);
        QVERIFY(TagType(TagType::String).isShortString());
        QVERIFY(!TagType(TagType::LongString).isShortString());
    }

    void streamsAreTheirNames()
    {
        const QList<TagStream>& all = TagStream::allCases();
        QCOMPARE(all.mid(0, 4), (QList<TagStream>{TagStream::streamEXIF(), TagStream::streamIPTC(),
                                                  TagStream::streamXMP(), TagStream::streamQuickTime()}));
        QCOMPARE(TagStream::streamQuickTime().rawValue(), QStringLiteral("QuickTime"));
        QCOMPARE(QSet<TagStream>(all.begin(), all.end()).size(), all.size());
        QVERIFY(TagStream(QStringLiteral("XMP")) == TagStream::streamXMP());

        QJsonArray stored;
        for (const TagStream& stream : all)
            stored.append(stream.toJson());
        const QJsonArray read = QJsonDocument::fromJson(QJsonDocument(stored).toJson()).array();
        QList<TagStream> decoded;
        for (const QJsonValue& value : read)
            decoded.append(TagStream::fromJson(value).value());
        QCOMPARE(decoded, all);
        QCOMPARE(TagStream::fromJson(QJsonValue(3)), std::nullopt);
        QCOMPARE(TagStream::fromJson(QJsonValue(QString())), std::nullopt);
        QCOMPARE(brisa::decodeJson<QList<TagStream>>(brisa::encodeJson(all)), all);
        QVERIFY_THROWS_EXCEPTION(brisa::DecodingError, brisa::decodeJson<QList<TagStream>>("[\"EXIF\", \"\"]"));
    }
};

QTEST_GUILESS_MAIN(TagTypeTest)
#include "TagTypeTest.moc"
