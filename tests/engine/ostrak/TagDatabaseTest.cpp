#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagDatabaseCache.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using ostrak::TagDatabase;
using ostrak::TagDatabaseCache;
using ostrak::TagItem;
using ostrak::TagName;
using ostrak::TagStream;
using ostrak::TagType;

namespace {

// A stand-in for ExifTool that reports another version and forwards everything else.
void writeExifToolWrapper(const QString& path, const QString& version, const QString& listCommand = QString())
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QString exifTool = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    file.write(QStringLiteral("#!/bin/sh\nif [ \"$1\" = \"-ver\" ]; then echo %1; exit 0; fi\n%2\n")
                   .arg(version, listCommand.isEmpty() ? QStringLiteral("exec '%1' \"$@\"").arg(exifTool) : listCommand)
                   .toUtf8());
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

} // namespace

class TagDatabaseTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    TagDatabase fresh_;

    TagDatabase::Options options(const QString& cacheName, const QString& program = QStringLiteral("exiftool")) const
    {
        TagDatabase::Options options;
        options.exifToolProgram = program;
        options.cacheFilePath = dir_.filePath(cacheName);
        return options;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        fresh_ = TagDatabase::build(options(QStringLiteral("unused.bin")));
        QVERIFY2(fresh_.origin() == TagDatabase::Origin::ExifTool, qPrintable(fresh_.errorString()));
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("unused.bin"))));
    }

    void freshBuildHoldsExifToolsWholeTagList()
    {
        QVERIFY(fresh_.tableCount() > 1000);
        QVERIFY(fresh_.allItems().size() > 20000);
        QCOMPARE(fresh_.exifToolVersion(), QStringLiteral("12.57"));
        QSet<TagName> names;
        for (const TagItem& item : fresh_.allItems())
            names.insert(item.tagName());
        QCOMPARE(names.size(), fresh_.allItems().size()); // one item per group and name
    }

    void knownItemsHaveTheirTypeAndFlags_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("sequence");
        QTest::addColumn<QString>("title");

        QTest::newRow("orientation") << "IFD0" << "Orientation" << "int16u" << true << false << "Orientation";
        QTest::newRow("date original") << "ExifIFD" << "DateTimeOriginal" << "datetime" << true << false << "Date/Time Original";
        QTest::newRow("gps date stamp") << "GPS" << "GPSDateStamp" << "partialdate" << true << false << "GPS Date Stamp";
        QTest::newRow("gps time stamp") << "GPS" << "GPSTimeStamp" << "partialtime" << true << false << "GPS Time Stamp";
        QTest::newRow("gps speed") << "GPS" << "GPSSpeed" << "speed" << true << false << "GPS Speed";
        QTest::newRow("exposure time") << "ExifIFD" << "ExposureTime" << "real" << true << false << "Exposure Time";
        QTest::newRow("gps latitude, three numbers") << "GPS" << "GPSLatitude" << "string" << true << false << "GPS Latitude";
        QTest::newRow("image description") << "IFD0" << "ImageDescription" << "longstring" << true << false << "Image Description";
        QTest::newRow("iptc date") << "IPTC" << "DateCreated" << "digitsdate" << true << false << "Date Created";
        QTest::newRow("iptc time") << "IPTC" << "TimeCreated" << "digitstime" << true << false << "Time Created";
        QTest::newRow("iptc keywords") << "IPTC" << "Keywords" << "string" << true << true << "Keywords";
        QTest::newRow("iptc country") << "IPTC" << "Country-PrimaryLocationCode" << "country" << true << false << "Country-Primary Location Code";
        QTest::newRow("xmp subject") << "XMP-dc" << "Subject" << "string" << true << true << "Subject";
        QTest::newRow("xmp date") << "XMP-xmp" << "CreateDate" << "date" << true << false << "Create Date";
        QTest::newRow("xmp boolean") << "XMP-xmpRights" << "Marked" << "boolean" << true << false << "Marked";
        QTest::newRow("keys gps") << "Keys" << "GPSCoordinates" << "string" << true << false << "GPS Coordinates";
        QTest::newRow("keys creation date") << "Keys" << "CreationDate" << "datetimez" << true << false << "Creation Date";
        QTest::newRow("movie create date") << "QuickTime" << "CreateDate" << "datetimez" << true << false << "Create Date";
        QTest::newRow("cover art") << "ItemList" << "CoverArt" << "base64image" << true << false << "Cover Art";
        QTest::newRow("item list title, writable variant kept") << "ItemList" << "Title" << "string" << true << false << "Title";
        QTest::newRow("item list free date") << "ItemList" << "ContentCreateDate" << "date" << true << false << "Content Create Date";
        QTest::newRow("item list season") << "ItemList" << "TVSeason" << "int32u" << true << false << "TV Season";
        QTest::newRow("file name") << "System" << "FileName" << "string" << true << false << "File Name";
        QTest::newRow("file path") << "System" << "FilePath" << "string" << false << false << "File Path";
        QTest::newRow("file date") << "System" << "FileModifyDate" << "datetimez" << true << false << "File Modification Date/Time";
        QTest::newRow("movie credits") << "XML" << "Cast" << "string" << false << true << "Cast";
    }

    void knownItemsHaveTheirTypeAndFlags()
    {
        QFETCH(QString, group);
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(bool, writable);
        QFETCH(bool, sequence);
        QFETCH(QString, title);
        const auto item = fresh_.item(TagName(group, name));
        QVERIFY(item);
        QCOMPARE(item->tagName(), TagName(group, name));
        QCOMPARE(item->type().rawValue(), type);
        QCOMPARE(item->isWritable(), writable);
        QCOMPARE(item->isInSequence(), sequence);
        QCOMPARE(item->title(), title);
        QVERIFY(!item->isFallback());
    }

    void enumeratedValuesKeepExifToolsOrder()
    {
        const auto orientation = fresh_.item(TagName(QStringLiteral("IFD0"), QStringLiteral("Orientation")));
        QVERIFY(orientation);
        QCOMPARE(orientation->choices().size(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(orientation->choices()[i].first, QString::number(i + 1));
        QCOMPARE(orientation->descriptionOfValue(QStringLiteral("1")), QStringLiteral("Horizontal (normal)"));
        QCOMPARE(orientation->descriptionAtIndex(2), QStringLiteral("Rotate 180"));
        QCOMPARE(orientation->indexOfValue(QStringLiteral("8")), 7);
        QCOMPARE(orientation->valueOfDescription(QStringLiteral("rotate 90 cw")), QStringLiteral("6"));
        QCOMPARE(orientation->indexOfValue(QStringLiteral("9")), std::nullopt);
        QCOMPARE(orientation->descriptionAtIndex(8), std::nullopt);

        // ExifTool lists some tags with two value lists (one per variant): each value once.
        for (const TagItem& item : fresh_.allItems()) {
            QSet<QString> values;
            for (const auto& choice : item.choices())
                values.insert(choice.first);
            QVERIFY2(values.size() == item.choices().size(), qPrintable(item.tagName().rawValue()));
        }
    }

    void reportedGroupsFindTheItemTheyRepeat_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("type");
        QTest::newRow("numbered track, template group") << "Track1:MediaCreateDate" << "datetimez";
        QTest::newRow("numbered track, movie group") << "Track2:HandlerType" << "string";
        QTest::newRow("thumbnail directory") << "IFD1:Orientation" << "int16u";
        QTest::newRow("duplicate copy") << "Track1:Copy1:TrackCreateDate" << "datetimez";
        QTest::newRow("language variant") << "ItemList:Title-fra-FR" << "string";
        QTest::newRow("xmp language variant") << "XMP-dc:Description-de" << "longstring";
    }

    void reportedGroupsFindTheItemTheyRepeat()
    {
        QFETCH(QString, raw);
        QFETCH(QString, type);
        const TagName name = TagName::fromRawValue(raw);
        const auto item = fresh_.item(name);
        QVERIFY(item);
        QCOMPARE(item->tagName(), name);
        QCOMPARE(item->type().rawValue(), type);
    }

    void unknownTagsFallBack()
    {
        const TagName unknown(QStringLiteral("Keys"), QStringLiteral("NoSuchTag"));
        QVERIFY(!fresh_.item(unknown));
        QVERIFY(!fresh_.item(TagName(QStringLiteral("Track1"), QStringLiteral("NoSuchTag"))));
        const TagItem fallback = fresh_.itemOrFallback(unknown);
        QVERIFY(fallback.isFallback());
        QCOMPARE(fallback.tagName(), unknown);
        QCOMPARE(fallback.type(), TagType(TagType::String));
        QVERIFY(!fallback.isWritable());
        QCOMPARE(fallback.title(), QStringLiteral("NoSuchTag"));
    }

    void streamsGatherTheirFamilies()
    {
        const QList<TagItem> keys = fresh_.items(TagStream(QStringLiteral("Keys")));
        QCOMPARE(keys.size(), fresh_.itemsInGroup(QStringLiteral("Keys")).size());
        QVERIFY(keys.size() > 50);
        for (const TagItem& item : keys)
            QCOMPARE(item.tagName().group(), QStringLiteral("Keys"));

        const QList<TagItem> quickTime = fresh_.items(TagStream::streamQuickTime());
        QVERIFY(quickTime.contains(fresh_.itemOrFallback(TagName(QStringLiteral("Keys"), QStringLiteral("Title")))));
        QVERIFY(quickTime.contains(fresh_.itemOrFallback(TagName(QStringLiteral("QuickTime"), QStringLiteral("CreateDate")))));
        for (const TagItem& item : quickTime)
            QCOMPARE(item.family0Group(), QStringLiteral("QuickTime"));

        const QList<TagItem> xmp = fresh_.items(TagStream::streamXMP());
        QVERIFY(xmp.size() > 1000);
        QVERIFY(xmp.contains(fresh_.itemOrFallback(TagName(QStringLiteral("XMP-dc"), QStringLiteral("Subject")))));
        QVERIFY(fresh_.items(TagStream(QStringLiteral("NoSuchStream"))).isEmpty());
        for (const TagStream& stream : TagStream::allCases())
            QVERIFY2(!fresh_.items(stream).isEmpty(), qPrintable(stream.name()));
    }

    void cacheReadsBackWhatWasBuilt()
    {
        const TagDatabase::Options cached = options(QStringLiteral("round-trip.bin"));
        const TagDatabase first = TagDatabase::load(cached);
        QCOMPARE(first.origin(), TagDatabase::Origin::ExifTool);
        QVERIFY(first.errorString().isEmpty());
        const TagDatabase second = TagDatabase::load(cached);
        QCOMPARE(second.origin(), TagDatabase::Origin::Cache);
        QCOMPARE(second.exifToolVersion(), fresh_.exifToolVersion());
        QCOMPARE(second.tableCount(), fresh_.tableCount());
        QCOMPARE(second.allItems().size(), fresh_.allItems().size());
        for (qsizetype i = 0; i < fresh_.allItems().size(); ++i)
            QVERIFY2(second.allItems()[i].isIdenticalTo(fresh_.allItems()[i]),
                     qPrintable(fresh_.allItems()[i].tagName().rawValue()));
    }

    void damagedCacheIsRejected_data()
    {
        QTest::addColumn<int>("damage");
        QTest::newRow("empty file") << 0;
        QTest::newRow("cut in half") << 1;
        QTest::newRow("one byte changed") << 2;
        QTest::newRow("other file") << 3;
        QTest::newRow("other format version") << 4;
    }

    void damagedCacheIsRejected()
    {
        QFETCH(int, damage);
        const QString path = dir_.filePath(QStringLiteral("damaged.bin"));
        QVERIFY(TagDatabaseCache::write(path, {QStringLiteral("stamp"), {QStringLiteral("12.57"), 3, fresh_.allItems().mid(0, 500)}}, nullptr));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        QVERIFY(TagDatabaseCache::read(path, nullptr));
        switch (damage) {
        case 0: bytes.clear(); break;
        case 1: bytes.truncate(bytes.size() / 2); break;
        case 2: bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20); break;
        case 3: bytes = QByteArrayLiteral("<?xml version='1.0'?><taginfo/>"); break;
        case 4: bytes[8] = char(bytes[8] + 1); break;
        }
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        QString error;
        QVERIFY(!TagDatabaseCache::read(path, &error));
        QVERIFY(!error.isEmpty());
    }

    void damagedCacheIsRebuilt()
    {
        const TagDatabase::Options cached = options(QStringLiteral("rebuilt.bin"));
        QFile file(cached.cacheFilePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        const TagDatabase rebuilt = TagDatabase::load(cached);
        QCOMPARE(rebuilt.origin(), TagDatabase::Origin::ExifTool);
        QCOMPARE(rebuilt.allItems().size(), fresh_.allItems().size());
        QVERIFY2(rebuilt.errorString().contains(cached.cacheFilePath), qPrintable(rebuilt.errorString()));
        QCOMPARE(TagDatabase::load(cached).origin(), TagDatabase::Origin::Cache);
    }

    void newExifToolVersionRebuilds()
    {
        const QString wrapper = dir_.filePath(QStringLiteral("exiftool-wrapper"));
        const TagDatabase::Options real = options(QStringLiteral("versions.bin"));
        const TagDatabase::Options wrapped = options(QStringLiteral("versions.bin"), wrapper);
        QCOMPARE(TagDatabase::load(real).origin(), TagDatabase::Origin::ExifTool);

        writeExifToolWrapper(wrapper, QStringLiteral("99.01"));
        const TagDatabase upgraded = TagDatabase::load(wrapped);
        QCOMPARE(upgraded.origin(), TagDatabase::Origin::ExifTool);
        QCOMPARE(upgraded.exifToolVersion(), QStringLiteral("99.01"));
        QCOMPARE(TagDatabase::load(wrapped).origin(), TagDatabase::Origin::Cache);

        // Reinstalled with the same version: the cache stays, under the program's new date.
        QFile program(wrapper);
        QVERIFY(program.open(QIODevice::ReadWrite));
        QVERIFY(program.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        program.close();
        const TagDatabase reinstalled = TagDatabase::load(wrapped);
        QCOMPARE(reinstalled.origin(), TagDatabase::Origin::Cache);
        QCOMPARE(reinstalled.exifToolVersion(), QStringLiteral("99.01"));

        writeExifToolWrapper(wrapper, QStringLiteral("99.02"));
        const TagDatabase again = TagDatabase::load(wrapped);
        QCOMPARE(again.origin(), TagDatabase::Origin::ExifTool);
        QCOMPARE(again.exifToolVersion(), QStringLiteral("99.02"));
    }

    void missingOrBrokenExifToolIsNeverFatal()
    {
        const QString missing = dir_.filePath(QStringLiteral("no-such-exiftool"));
        const TagDatabase none = TagDatabase::load(options(QStringLiteral("missing.bin"), missing));
        QCOMPARE(none.origin(), TagDatabase::Origin::Unavailable);
        QVERIFY(none.allItems().isEmpty());
        QVERIFY(none.errorString().contains(QStringLiteral("ExifTool")));
        QVERIFY(none.itemOrFallback(TagName(QStringLiteral("IFD0"), QStringLiteral("Make"))).isFallback());
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("missing.bin"))));

        // A list cut short is refused, not half used.
        const QString broken = dir_.filePath(QStringLiteral("broken-exiftool"));
        writeExifToolWrapper(broken, QStringLiteral("12.57"),
                             QStringLiteral("exec '%1' \"$@\" | head -c 100000").arg(QStandardPaths::findExecutable(QStringLiteral("exiftool"))));
        const TagDatabase cut = TagDatabase::load(options(QStringLiteral("broken.bin"), broken));
        QCOMPARE(cut.origin(), TagDatabase::Origin::Unavailable);
        QVERIFY2(cut.errorString().contains(QStringLiteral("ends early")), qPrintable(cut.errorString()));

        // With a cache at hand, the last list ExifTool gave is used.
        const TagDatabase::Options cached = options(QStringLiteral("kept.bin"));
        QCOMPARE(TagDatabase::load(cached).origin(), TagDatabase::Origin::ExifTool);
        TagDatabase::Options gone = cached;
        gone.exifToolProgram = missing;
        const TagDatabase kept = TagDatabase::load(gone);
        QCOMPARE(kept.origin(), TagDatabase::Origin::Cache);
        QCOMPARE(kept.allItems().size(), fresh_.allItems().size());
        QVERIFY(!kept.errorString().isEmpty());
    }

    void unwritableCacheFolderStillGivesTheDatabase()
    {
        // A file where the cache folder should be: no folder can be made there, not even by root.
        const QString blocker = dir_.filePath(QStringLiteral("not-a-folder"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        TagDatabase::Options readOnly;
        readOnly.cacheFilePath = blocker + QStringLiteral("/tag-database.bin");
        const TagDatabase database = TagDatabase::load(readOnly);
        QCOMPARE(database.origin(), TagDatabase::Origin::ExifTool);
        QCOMPARE(database.allItems().size(), fresh_.allItems().size());
        QVERIFY2(database.errorString().contains(readOnly.cacheFilePath), qPrintable(database.errorString()));
    }
};

QTEST_GUILESS_MAIN(TagDatabaseTest)
#include "TagDatabaseTest.moc"
