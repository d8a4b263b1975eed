#include "engine/halvex/places/LocationTagNames.h"
#include "engine/halvex/places/TagEditorLocation.h"
#include "engine/halvex/places/TagEditorLocationList.h"
#include "engine/ostrak/TagDatabase.h"

#include "EditionTestSupport.h"
#include "EndToEndTestSupport.h"

#include <QSet>
#include <QTimeZone>
#include <QTest>

#include <atomic>
#include <cmath>

using namespace halvex;
using ostrak::TagName;
using Editors = QList<std::shared_ptr<TagEditor>>;

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

bool near(double a, double b, double tolerance = 1e-6)
{
    return std::abs(a - b) <= tolerance;
}

// ExifTool's combined position of a file (Composite:GPSPosition), signed.
std::optional<Coordinate> position(const QString& path)
{
    const QStringList numbers = test::EndToEnd::read(path, {QStringLiteral("Composite:GPSPosition")}, true).split(QLatin1Char(' '));
    if (numbers.size() != 2)
        return std::nullopt;
    return Coordinate(numbers[0].toDouble(), numbers[1].toDouble());
}

bool near(const std::optional<Coordinate>& a, const Coordinate& b, double tolerance = 1e-6)
{
    return a && near(a->latitude(), b.latitude(), tolerance) && near(a->longitude(), b.longitude(), tolerance);
}

QString describe(const std::optional<Coordinate>& coordinate)
{
    return coordinate ? QStringLiteral("%1 %2").arg(coordinate->latitude(), 0, 'f', 8).arg(coordinate->longitude(), 0, 'f', 8)
                      : QStringLiteral("none");
}

// Knows one place: the Limmatquai in Zürich.
class FakeGeocoder : public Geocoder {
public:
    std::optional<Location> reverseGeocode(const Coordinate& coordinate) override
    {
        ++calls;
        if (!near(coordinate.latitude(), 47.3769, 0.01) || !near(coordinate.longitude(), 8.5417, 0.01))
            return std::nullopt;
        return place();
    }

    std::optional<Location> geocode(const TextLocation& address) override
    {
        ++calls;
        if (address.city() != QStringLiteral("Zürich"))
            return std::nullopt;
        return place();
    }

    static Location place()
    {
        return Location(47.3769, 8.5417, std::nullopt, std::nullopt, std::nullopt,
                        TextLocation(QStringLiteral("Limmatquai"), QStringLiteral("Limmatquai"), QStringLiteral("1"),
                                     QStringLiteral("Zürich"), QStringLiteral("Zürich"), QStringLiteral("8001"),
                                     QStringLiteral("Switzerland"), QStringLiteral("CH")));
    }

    std::atomic<int> calls = 0;
};

} // namespace

class TagEditorLocationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        files_.emplace();
        QVERIFY(files_->isValid());
        Geocoder::setShared(nullptr);
    }

    void cleanup()
    {
        Geocoder::setShared(nullptr);
        files_.reset();
    }

    // Every name of the lists is a tag ExifTool writes; the full list is the families together.
    void tagNameLists()
    {
        const QList<QList<TagName>> families{LocationTagNames::exifLocationTagNames(),
                                             LocationTagNames::exifGPSDateStampTagNames(),
                                             LocationTagNames::iptcLocationTagNames(),
                                             LocationTagNames::xmpLocationTagNames(),
                                             LocationTagNames::quicktimeLocationTagNames()};
        QList<TagName> all;
        for (const QList<TagName>& family : families)
            all += family;
        QCOMPARE(LocationTagNames::locationTagNames(), all);
        QCOMPARE(QSet<TagName>(all.begin(), all.end()).size(), all.size());
        for (const TagName& name : all) {
            const auto item = ostrak::TagDatabase::shared().item(name);
            QVERIFY2(item && item->isWritable(), qPrintable(name.rawValue()));
        }
        for (const TagName& name : LocationTagNames::gpsTagNames())
            QVERIFY2(all.contains(name) && name.group() != u"IPTC", qPrintable(name.rawValue()));
    }

    // One family's position in each hemisphere, saved and read back by ExifTool in the form the
    // family keeps it, then by the engine.
    void familyWritesReadBack_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        const QList<std::pair<const char*, Coordinate>> places{{"north east", {35.6762, 139.6503}},
                                                               {"north west", {40.6892, -74.0445}},
                                                               {"south east", {-33.8568, 151.2153}},
                                                               {"south west", {-22.9068, -43.1729}}};
        for (const char* family : {"EXIF", "XMP", "QuickTime"}) {
            for (const auto& [name, place] : places) {
                QTest::addRow("%s %s", family, name) << QString::fromLatin1(family) << place.latitude() << place.longitude();
            }
        }
    }

    void familyWritesReadBack()
    {
        QFETCH(QString, family);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const Coordinate place(latitude, longitude);
        const TypedValue value(place);

        const QString fixture = family == u"EXIF" ? QStringLiteral("photo.jpg")
                                : family == u"XMP" ? QStringLiteral("sidecar.xmp")
                                                   : QStringLiteral("movie.mp4");
        const QString path = files_->copy(fixture);
        const auto editor = files_->open(path);
        using Read = std::optional<Coordinate> (*)(const TagEditor&);
        Read read = &quicktimeGPSCoordinate;
        if (family == u"EXIF") {
            QVERIFY(setExifGPSCoordinate(*editor, value));
            read = &exifGPSCoordinate;
        } else if (family == u"XMP") {
            QVERIFY(setXmpGPSCoordinate(*editor, value));
            read = &xmpGPSCoordinate;
        } else {
            QVERIFY(setQuicktimeGPSCoordinate(*editor, value));
        }
        QVERIFY2(near(read(*editor), place), qPrintable(describe(read(*editor))));
        QCOMPARE(files_->save({editor}), QString());

        if (family == u"EXIF") {
            // Unsigned numbers with the hemisphere beside them.
            const QStringList read = test::EndToEnd::read(path, {"GPS:GPSLatitude", "GPS:GPSLatitudeRef", "GPS:GPSLongitude",
                                                                  "GPS:GPSLongitudeRef"},
                                                           true)
                                         .split(QLatin1Char('\n'));
            QVERIFY2(near(read[0].toDouble(), std::abs(latitude)), qPrintable(read[0]));
            QCOMPARE(read[1], latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"));
            QVERIFY2(near(read[2].toDouble(), std::abs(longitude)), qPrintable(read[2]));
            QCOMPARE(read[3], longitude < 0 ? QStringLiteral("W") : QStringLiteral("E"));
        } else if (family == u"XMP") {
            QVERIFY(near(*test::EndToEnd::number(path, QStringLiteral("XMP-exif:GPSLatitude")), latitude));
            QVERIFY(near(*test::EndToEnd::number(path, QStringLiteral("XMP-exif:GPSLongitude")), longitude));
        } else {
            // Both blocks the movie holds; each keeps its altitude.
            for (const QString& block : {QStringLiteral("Keys"), QStringLiteral("UserData")}) {
                const QStringList numbers
                    = test::EndToEnd::read(path, {block + QStringLiteral(":GPSCoordinates")}, true).split(QLatin1Char(' '));
                QCOMPARE(numbers.size(), 3);
                QVERIFY2(near(numbers[0].toDouble(), latitude, 1e-5) && near(numbers[1].toDouble(), longitude, 1e-5),
                         qPrintable(numbers.join(QLatin1Char(' '))));
                QCOMPARE(numbers[2], QStringLiteral("35"));
            }
        }
        // The signs ExifTool's own combined reading gives.
        QVERIFY(near(position(path), place, 1e-5));
        // The engine reads the saved file alike.
        QVERIFY(!editor->hasEdits());
        QVERIFY2(near(read(*editor), place, 1e-5), qPrintable(describe(read(*editor))));
        QVERIFY(near(gpsCoordinate(*editor), place, 1e-5));
    }

    // The combined setter writes the families the file's type takes, and only those.
    void combinedSetterChoosesFamilies_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("untouched");
        QTest::newRow("image") << QStringLiteral("photo.jpg") << QStringList{"GPS:GPSLatitude"}
                               << QStringList{"XMP-exif:GPSLatitude", "Keys:GPSCoordinates"};
        QTest::newRow("movie") << QStringLiteral("movie.mp4") << QStringList{"Keys:GPSCoordinates", "UserData:GPSCoordinates"}
                               << QStringList{"XMP-exif:GPSLatitude", "GPS:GPSLatitude"};
        QTest::newRow("sidecar") << QStringLiteral("sidecar.xmp") << QStringList{"XMP-exif:GPSLatitude"}
                                 << QStringList{"GPS:GPSLatitude"};
    }

    void combinedSetterChoosesFamilies()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, written);
        QFETCH(QStringList, untouched);
        const QString path = files_->copy(fixture);
        const auto editor = files_->open(path);
        const QString before = test::EndToEnd::read(path, untouched, true);
        const Coordinate place(-22.9068, -43.1729);
        QVERIFY(setGPSCoordinate(*editor, TypedValue(place)));
        QCOMPARE(files_->save({editor}), QString());
        // Each written tag holds the latitude (unsigned in EXIF), first of its numbers.
        for (const QString& name : written) {
            const QString numbers = test::EndToEnd::read(path, {name}, true);
            QVERIFY2(near(std::abs(numbers.section(QLatin1Char(' '), 0, 0).toDouble()), 22.9068, 1e-5),
                     qPrintable(name + QLatin1Char(' ') + numbers));
        }
        QVERIFY(near(position(path), place, 1e-5));
        QCOMPARE(test::EndToEnd::read(path, untouched, true), before);
        QVERIFY(near(gpsCoordinate(*editor), place, 1e-5));
        // Writing the same place again stages nothing.
        QVERIFY(!setGPSCoordinate(*editor, TypedValue(place)));
    }

    void readsFamiliesOfFixtures()
    {
        const Editors editors = files_->open({files_->copy(QStringLiteral("movie.mov")), files_->copy(QStringLiteral("photo.jpg")),
                                              files_->copy(QStringLiteral("sidecar.xmp"))});
        QCOMPARE(editors.size(), 3);
        const TagEditor& movie = *editors[0];
        const TagEditor& photo = *editors[1];
        const TagEditor& sidecar = *editors[2];

        QVERIFY(near(quicktimeGPSCoordinate(movie), {40.6892, -74.0445}));
        QVERIFY(!exifGPSCoordinate(movie) && !xmpGPSCoordinate(movie));
        const std::optional<Location> movieLocation = location(movie);
        QVERIFY(movieLocation);
        QVERIFY(near(movieLocation->longitude(), -74.0445));
        QCOMPARE(movieLocation->altitude(), std::optional<double>(93));

        QVERIFY(near(exifGPSCoordinate(photo), {47.3769, 8.5417}));
        QCOMPARE(exifGPSLatitude(photo), std::optional<double>(47.3769));
        const std::optional<TextLocation> iptc = iptcTextLocation(photo);
        QVERIFY(iptc);
        QCOMPARE(iptc->city(), QStringLiteral("Zürich"));
        QCOMPARE(iptc->countryName(), QStringLiteral("Switzerland"));
        QCOMPARE(xmpTextLocation(photo)->city(), QStringLiteral("Zürich"));
        QCOMPARE(location(photo)->altitude(), std::optional<double>(408));
        QCOMPARE(location(photo)->city(), QStringLiteral("Zürich"));

        QVERIFY(near(xmpGPSCoordinate(sidecar), {43.2965, 5.3698}));
        QCOMPARE(location(sidecar)->altitude(), std::optional<double>(12));
        QVERIFY(!iptcTextLocation(sidecar) && !xmpTextLocation(sidecar) && !exifGPSStamp(sidecar));
    }

    // A location writes its position, altitude, direction, date and address; texts too long for
    // IPTC are cut to fit there and kept whole in XMP. A later location without address or
    // altitude removes them, and keeps the date.
    void locationOnAnImage()
    {
        const QString path = files_->copy(QStringLiteral("photo.jpg"));
        const auto editor = files_->open(path);
        const QString longPlace = QStringLiteral("Tour Eiffel – Champ de Mars, côté Seine");
        const TextLocation address(longPlace, QStringLiteral("Avenue Anatole France"), QStringLiteral("5"),
                                   QStringLiteral("Paris"), QStringLiteral("Île-de-France"), QStringLiteral("75007"),
                                   QStringLiteral("France"), QStringLiteral("FR"));
        const QDateTime when(QDate(2024, 5, 1), QTime(12, 0), QTimeZone(2 * 3600));
        const Location place(48.8584, -2.2945, -35.5, when, -88.5, address);
        QVERIFY(setLocation(*editor, TypedValue(place)));
        QCOMPARE(files_->save({editor}), QString());

        const QStringList gps = test::EndToEnd::read(path, {"GPS:GPSLatitudeRef", "GPS:GPSLongitudeRef", "GPS:GPSAltitude",
                                                             "GPS:GPSAltitudeRef", "GPS:GPSImgDirection", "GPS:GPSImgDirectionRef",
                                                             "GPS:GPSDateStamp", "GPS:GPSTimeStamp"},
                                                        true)
                                    .split(QLatin1Char('\n'));
        QCOMPARE(gps, (QStringList{"N", "W", "35.5", "1", "271.5", "T", "2024:05:01", "10:00:00"}));

        const QStringList texts = test::EndToEnd::read(path, {"IPTC:Sub-location", "IPTC:City", "IPTC:Province-State",
                                                               "IPTC:Country-PrimaryLocationName", "IPTC:Country-PrimaryLocationCode",
                                                               "XMP-iptcCore:Location", "XMP-photoshop:City", "XMP-photoshop:State",
                                                               "XMP-photoshop:Country", "XMP-iptcCore:CountryCode"})
                                      .split(QLatin1Char('\n'));
        QVERIFY2(longPlace.startsWith(texts[0]) && texts[0].size() > 20 && texts[0].toUtf8().size() <= 32, qPrintable(texts[0]));
        QCOMPARE(texts.mid(1), (QStringList{"Paris", "Île-de-France", "France", "FRA", longPlace, "Paris", "Île-de-France",
                                            "France", "FRA"}));

        const std::optional<Location> read = location(*editor);
        QVERIFY(read);
        QVERIFY(near(read->latitude(), 48.8584) && near(read->longitude(), -2.2945));
        QCOMPARE(read->altitude(), std::optional<double>(-35.5));
        QCOMPARE(read->direction(), std::optional<double>(271.5));
        QCOMPARE(read->date(), std::optional<QDateTime>(when));
        QCOMPARE(read->city(), QStringLiteral("Paris"));

        QVERIFY(setLocation(*editor, TypedValue(Location(47.0, 8.0))));
        QCOMPARE(files_->save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, {"IPTC:City", "XMP-photoshop:City", "IPTC:Country-PrimaryLocationName", "GPS:GPSAltitude",
                                             "GPS:GPSImgDirection", "GPS:GPSDateStamp"}),
                 QStringLiteral("-\n-\n-\n-\n-\n2024:05:01"));
        QVERIFY(!iptcTextLocation(*editor));
    }

    void locationOnAMovie()
    {
        const QString path = files_->copy(QStringLiteral("movie.mp4"));
        const auto editor = files_->open(path);
        const Location place(51.50073, -0.12463, 12.0, std::nullopt, std::nullopt,
                             TextLocation(std::nullopt, std::nullopt, std::nullopt, QStringLiteral("London"), std::nullopt,
                                          std::nullopt, QStringLiteral("United Kingdom"), QStringLiteral("GB")));
        QVERIFY(setLocation(*editor, TypedValue(place)));
        QCOMPARE(files_->save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, {"Keys:GPSCoordinates", "UserData:GPSCoordinates"}, true),
                 QStringLiteral("51.50073 -0.12463 12\n51.50073 -0.12463 12"));
        QCOMPARE(test::EndToEnd::read(path, {"XMP-photoshop:City", "XMP-photoshop:Country", "XMP-iptcCore:CountryCode"}),
                 QStringLiteral("London\nUnited Kingdom\nGBR"));
    }

    // An editor over no file (the preset library's) takes a location into every family.
    void scratchEditorHoldsEveryFamily()
    {
        TagEditor scratch(TagStorage(TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/")))));
        QVERIFY(setLocation(scratch, TypedValue(Location(-33.8568, 151.2153, 4.0, std::nullopt, std::nullopt,
                                                         TextLocation(QStringLiteral("Opera House"), std::nullopt, std::nullopt,
                                                                      QStringLiteral("Sydney"), QStringLiteral("NSW"),
                                                                      std::nullopt, QStringLiteral("Australia"),
                                                                      QStringLiteral("AUS"))))));
        const QList<TagEdit> edits = scratch.edits();
        QHash<TagName, QString> written;
        for (const TagEdit& edit : edits)
            written.insert(edit.tagName, edit.text().value_or(QString()));
        QCOMPARE(written.value(tag("GPS:GPSLatitudeRef")), QStringLiteral("S"));
        QCOMPARE(written.value(tag("XMP-exif:GPSLatitude")), QStringLiteral("-33.8568"));
        QCOMPARE(written.value(tag("Keys:GPSCoordinates")), QStringLiteral("-33.85680+151.21530+4.000/"));
        QCOMPARE(written.value(tag("IPTC:City")), QStringLiteral("Sydney"));
        QCOMPARE(written.value(tag("XMP-iptcCore:Location")), QStringLiteral("Opera House"));
        // Nothing to remove from an empty editor.
        QVERIFY(std::none_of(edits.begin(), edits.end(), [](const TagEdit& edit) { return edit.isDeletion(); }));
    }

    // A list reads a value only when every file has it alike.
    void combinedReads()
    {
        const Editors photos = files_->open({files_->copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg")),
                                             files_->copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg")),
                                             files_->copy(QStringLiteral("photo.jpg"), QStringLiteral("c.jpg"))});
        QCOMPARE(photos.size(), 3);
        QVERIFY(near(gpsCoordinate(photos), {47.3769, 8.5417}));
        QCOMPARE(iptcTextLocation(photos)->city(), QStringLiteral("Zürich"));
        QVERIFY(location(photos));
        QVERIFY(!gpsCoordinate(Editors()));

        QVERIFY(setExifGPSCoordinate(*photos[2], TypedValue(Coordinate(47.3769, -8.5417))));
        QVERIFY(!gpsCoordinate(photos) && !exifGPSCoordinate(photos) && !location(photos));
        QCOMPARE(exifGPSLatitude(photos), std::optional<double>(47.3769));
        QVERIFY(!exifGPSLongitude(photos));
        QCOMPARE(iptcTextLocation(photos)->city(), QStringLiteral("Zürich"));
        QVERIFY(photos[1]->clearValue(tag("IPTC:City")));
        QVERIFY(!iptcTextLocation(photos));

        // Files of three kinds, one place written into each one's own family.
        const Editors mixed{photos[0], files_->open(files_->copy(QStringLiteral("movie.mp4"))),
                            files_->open(files_->copy(QStringLiteral("sidecar.xmp")))};
        QVERIFY(!gpsCoordinate(mixed));
        const Coordinate london(51.50073, -0.12463);
        // A direct call on several files is one edition: one history flush naming all three.
        test::FlushRecorder flushes;
        QVERIFY(setGPSCoordinate(mixed, TypedValue(london)));
        QCOMPARE(flushes.editions().size(), 1);
        QVERIFY(flushes.allWell());
        QCOMPARE(flushes.editions().first().entries().size(), 3);
        QVERIFY(flushes.editions().first().hasLocationEditions(mixed));
        QVERIFY(near(gpsCoordinate(mixed), london));
        QVERIFY(!exifGPSCoordinate(mixed));
        QCOMPARE(files_->save(mixed), QString());
        for (const auto& editor : mixed)
            QVERIFY(near(position(editor->source().url().toLocalFile()), london, 1e-5));
    }

    void fileFilterQueries()
    {
        const QString bare = files_->copy(QStringLiteral("photo.jpg"), QStringLiteral("bare.jpg"));
        test::EndToEnd::exifTool({QStringLiteral("-GPS:all="), bare});
        const Editors editors = files_->open({files_->copy(QStringLiteral("photo.jpg")), files_->copy(QStringLiteral("movie.mp4")),
                                              files_->copy(QStringLiteral("sidecar.xmp")), bare});
        QCOMPARE(editors.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(hasOneOrMoreExifLocationValues(*editors[i]), i < 3);
            QVERIFY(!oneOrMoreExifLocationTagsAreEdited(*editors[i]));
        }
        TagEditor& bareEditor = *editors[3];
        QVERIFY(setGPSCoordinate(bareEditor, TypedValue(Coordinate(1.5, 2.5))));
        QVERIFY(oneOrMoreExifLocationTagsAreEdited(bareEditor) && hasOneOrMoreExifLocationValues(bareEditor));
        // An address is no GPS location.
        TagEditor& photo = *editors[0];
        QVERIFY(photo.setValue(QStringLiteral("Bern"), tag("IPTC:City")));
        QVERIFY(!oneOrMoreExifLocationTagsAreEdited(photo));
        for (const TagName& name : LocationTagNames::exifLocationTagNames())
            photo.clearValue(name);
        QVERIFY(oneOrMoreExifLocationTagsAreEdited(photo));
        QVERIFY(!hasOneOrMoreExifLocationValues(photo));
    }

    void autocompleteAddressFromPosition()
    {
        auto geocoder = std::make_shared<FakeGeocoder>();
        Geocoder::setShared(geocoder);
        const QString path = files_->copy(QStringLiteral("photo.jpg"));
        const auto editor = files_->open(path);

        QCOMPARE(autocompleteUsingEXIFCoordinate(*editor), AutocompleteResult::completed);
        QVERIFY(!autocompleteMessage(*editor, AutocompleteResult::completed));
        QCOMPARE(files_->save({editor}), QString());
        // Only what was missing: the file's city stays, the sub-location, state and code are added.
        QCOMPARE(test::EndToEnd::read(path, {"IPTC:Sub-location", "IPTC:City", "IPTC:Province-State",
                                             "IPTC:Country-PrimaryLocationCode", "XMP-iptcCore:Location",
                                             "XMP-photoshop:State", "XMP-iptcCore:CountryCode"}),
                 QStringLiteral("Limmatquai\nZürich\nZürich\nCHE\nLimmatquai\nZürich\nCHE"));
        QCOMPARE(autocompleteUsingEXIFCoordinate(*editor), AutocompleteResult::unchanged);
        // The file has no XMP position to start from.
        QCOMPARE(autocompleteUsingXMPCoordinate(*editor), AutocompleteResult::nothingToComplete);

        QVERIFY(setExifGPSCoordinate(*editor, TypedValue(Coordinate(-1.0, -1.0))));
        QCOMPARE(autocompleteUsingEXIFCoordinate(*editor), AutocompleteResult::notFound);
        const std::optional<TaskMessage> message = autocompleteMessage(*editor, AutocompleteResult::notFound);
        QVERIFY(message);
        QCOMPARE(message->reason.key, QStringLiteral("AutocompleteNotFoundWarning"));
    }

    void autocompletePositionFromAddress()
    {
        auto geocoder = std::make_shared<FakeGeocoder>();
        const QString path = files_->copy(QStringLiteral("photo.jpg"));
        test::EndToEnd::exifTool({QStringLiteral("-GPS:all="), path});
        const auto editor = files_->open(path);
        QVERIFY(!gpsCoordinate(*editor));

        QCOMPARE(autocompleteUsingIPTCAddress(*editor, geocoder), AutocompleteResult::completed);
        QCOMPARE(autocompleteUsingXMPAddress(*editor, geocoder), AutocompleteResult::unchanged);
        QCOMPARE(files_->save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, {"GPS:GPSLatitudeRef", "GPS:GPSLongitudeRef"}, true), QStringLiteral("N\nE"));
        QVERIFY(near(*test::EndToEnd::number(path, QStringLiteral("Composite:GPSLatitude")), 47.3769, 1e-5));
        // A sidecar holds no IPTC address.
        const auto sidecar = files_->open(files_->copy(QStringLiteral("sidecar.xmp")));
        QCOMPARE(autocompleteUsingIPTCAddress(*sidecar, geocoder), AutocompleteResult::nothingToComplete);
    }

    // Without a geocoder nothing is asked, nothing changes, and the result says why.
    void autocompleteWithoutGeocoder()
    {
        const auto photo = files_->open(files_->copy(QStringLiteral("photo.jpg")));
        const auto movie = files_->open(files_->copy(QStringLiteral("movie.mp4")));
        QCOMPARE(autocompleteUsingEXIFCoordinate(*photo), AutocompleteResult::noGeocoder);
        QCOMPARE(autocompleteUsingIPTCAddress(*photo), AutocompleteResult::noGeocoder);
        QCOMPARE(autocompleteUsingXMPAddress(*photo), AutocompleteResult::noGeocoder);
        QCOMPARE(autocompleteUsingQuickTimeCoordinate(*movie), AutocompleteResult::noGeocoder);
        QVERIFY(!photo->hasEdits() && !movie->hasEdits());
        const std::optional<TaskMessage> message = autocompleteMessage(*photo, AutocompleteResult::noGeocoder);
        QVERIFY(message);
        QCOMPARE(message->severity, TaskMessage::Severity::warning);
        QCOMPARE(message->reason.key, QStringLiteral("AutocompleteNoGeocoderWarning"));
        QCOMPARE(message->filePath, photo->source().url().toLocalFile());

        // Installed, the shared one serves the movie's position.
        auto geocoder = std::make_shared<FakeGeocoder>();
        Geocoder::setShared(geocoder);
        QCOMPARE(autocompleteUsingQuickTimeCoordinate(*movie), AutocompleteResult::notFound);
        QCOMPARE(geocoder->calls.load(), 1);
    }

private:
    std::optional<test::EndToEnd> files_;
};

QTEST_GUILESS_MAIN(TagEditorLocationTest)
#include "TagEditorLocationTest.moc"
