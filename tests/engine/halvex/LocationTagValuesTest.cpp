#include "engine/halvex/editions/ApplyPresetEntries.h"
#include "engine/halvex/places/LocationTagValues.h"
#include "engine/halvex/tags/TagEditor.h"

#include "EndToEndTestSupport.h"

#include <QTest>

#include <cmath>

using namespace halvex;

// The tag values of a location, made without any file, then set as custom values into a real
// photo: ExifTool reads back the same place.
class LocationTagValuesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valuesPutThePlaceIntoAFile()
    {
        const Location place(-33.8568, 151.2153, 12.0, std::nullopt, std::nullopt,
                             TextLocation(QStringLiteral("Opera House"), std::nullopt, std::nullopt,
                                          QStringLiteral("Sydney"), QStringLiteral("NSW"), std::nullopt,
                                          QStringLiteral("Australia"), QStringLiteral("AU")));
        const QList<std::pair<ostrak::TagName, QString>> values = locationTagValues(place);
        QVERIFY(!values.isEmpty());
        for (qsizetype index = 1; index < values.size(); ++index) {
            const ostrak::TagName& previous = values.at(index - 1).first;
            const ostrak::TagName& current = values.at(index).first;
            QVERIFY(previous.group() < current.group()
                    || (previous.group() == current.group() && previous.name() <= current.name()));
        }

        // Every family is listed; each file takes those its format has room for, so a photo and
        // a movie given the same entries both save without a tag left unwritten.
        const QStringList movieGroups{QStringLiteral("Keys"), QStringLiteral("UserData"), QStringLiteral("ItemList")};
        QVERIFY(std::any_of(values.cbegin(), values.cend(), [&](const auto& value) { return movieGroups.contains(value.first.group()); }));
        QList<PresetItem::Entry> entries;
        for (const auto& [name, text] : values)
            entries.append(PresetItem::Entry(name, PresetEdition::useCustomValue({text, PresetValueInsertion::replace})));

        test::EndToEnd e;
        const QString photoPath = e.copy(QStringLiteral("photo.jpg"));
        const QString moviePath = e.copy(QStringLiteral("movie.mp4"));
        const auto photo = e.open(photoPath);
        const auto movie = e.open(moviePath);
        QVERIFY(photo && movie);
        QVERIFY(applyPresetEntries({photo, movie}, entries).isEmpty());
        for (const auto& edit : photo->edits())
            QVERIFY2(!movieGroups.contains(edit.tagName.group()), qPrintable(edit.tagName.rawValue()));
        QCOMPARE(e.save({photo, movie}), QString());

        for (const QString& path : {photoPath, moviePath}) {
            const QStringList position =
                test::EndToEnd::read(path, {QStringLiteral("Composite:GPSPosition")}, true).split(QLatin1Char(' '));
            QCOMPARE(position.size(), 2);
            QVERIFY(std::abs(position.at(0).toDouble() + 33.8568) < 1e-4);
            QVERIFY(std::abs(position.at(1).toDouble() - 151.2153) < 1e-4);
        }
        QCOMPARE(test::EndToEnd::read(photoPath, {QStringLiteral("XMP-photoshop:City"), QStringLiteral("IPTC:City")}),
                 QStringLiteral("Sydney\nSydney"));
    }
};

QTEST_GUILESS_MAIN(LocationTagValuesTest)
#include "LocationTagValuesTest.moc"
