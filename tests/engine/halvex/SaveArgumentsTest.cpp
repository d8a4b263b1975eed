#include "engine/halvex/tasks/SaveArguments.h"
#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/TagDatabase.h"

#include <QTest>

using namespace halvex;

namespace {

// "Group:Name" deletes; "Group:Name=a|b" sets the items a and b ("Group:Name=a" one value).
QList<TagEdit> parseEdits(const QStringList& specs)
{
    QList<TagEdit> edits;
    for (const QString& spec : specs) {
        const qsizetype equals = spec.indexOf(QLatin1Char('='));
        TagEdit edit;
        edit.tagName = ostrak::TagName::fromRawValue(equals < 0 ? spec : spec.left(equals));
        if (equals >= 0)
            edit.values = spec.mid(equals + 1).split(QLatin1Char('|'));
        edits.append(edit);
    }
    return edits;
}

QStringList options(bool preserveDate = true, bool fixOffsets = true)
{
    QStringList arguments;
    if (preserveDate)
        arguments << QStringLiteral("-P");
    if (fixOffsets)
        arguments << QStringLiteral("-F");
    return arguments << QStringLiteral("-api") << QStringLiteral("QuickTimeUTC=1") << QStringLiteral("-api")
                     << QStringLiteral("LargeFileSupport=1");
}

const QString digestNew = QStringLiteral("-Photoshop:IPTCDigest=new");
const QString markUTF8 = QStringLiteral("-IPTC:CodedCharacterSet=UTF8");

} // namespace

class SaveArgumentsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(ostrak::TagDatabase::shared().origin() != ostrak::TagDatabase::Origin::Unavailable,
                 qPrintable(ostrak::TagDatabase::shared().errorString()));
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<bool>("updateFileModifyDate");
        QTest::addColumn<bool>("fixInvalidOffsets");
        QTest::addColumn<bool>("iptcAsUTF8");
        QTest::addColumn<int>("digest");
        QTest::addColumn<QString>("fileCharacterSet"); // "-" when the file has no IPTC
        QTest::addColumn<bool>("fileHasDigest");
        QTest::addColumn<QString>("levels"); // Keys, ItemList, UserData
        QTest::addColumn<QString>("xmpToolkit");
        QTest::addColumn<QStringList>("expected");

        const int ignore = int(IPTCDigestUpdate::ignore);
        const int remove = int(IPTCDigestUpdate::delete_);
        const int update = int(IPTCDigestUpdate::update);
        const int ifExists = int(IPTCDigestUpdate::updateIfExists);
        const QString defaultLevels = QStringLiteral("2,0,1");
        auto row = [&](const char* name, const QStringList& edits, const QStringList& expected) {
            QTest::newRow(name) << edits << false << true << true << ifExists << QStringLiteral("-") << false
                                << defaultLevels << QString() << expected;
        };

        row("printed value", {QStringLiteral("XMP-dc:Title=Café – Zürich")},
            options() << QStringLiteral("-XMP-dc:Title=Café – Zürich"));
        QTest::newRow("modify date updated, offsets left")
            << QStringList{QStringLiteral("IFD0:Make=X")} << true << false << true << ifExists << QStringLiteral("-")
            << false << defaultLevels << QString() << (options(false, false) << QStringLiteral("-IFD0:Make=X"));
        row("choice as stored value", {QStringLiteral("IFD0:Orientation=3")},
            options() << QStringLiteral("-IFD0:Orientation#=3"));
        row("choice as printed text", {QStringLiteral("IFD0:Orientation=Rotate 180")},
            options() << QStringLiteral("-IFD0:Orientation=Rotate 180"));
        row("list items stay whole", {QStringLiteral("XMP-dc:Subject=harbour|dawn, mist||boats")},
            options() << QStringLiteral("-XMP-dc:Subject=harbour") << QStringLiteral("-XMP-dc:Subject=dawn, mist")
                      << QStringLiteral("-XMP-dc:Subject=boats"));
        row("deletion, empty value, empty list",
            {QStringLiteral("Keys:Title"), QStringLiteral("UserData:Title="), QStringLiteral("XMP-dc:Subject=|")},
            options() << QStringLiteral("-Keys:Title=") << QStringLiteral("-UserData:Title=")
                      << QStringLiteral("-XMP-dc:Subject="));
        row("QuickTime tag goes to the preferred blocks", {QStringLiteral("QuickTime:Title=T")},
            options() << QStringLiteral("-Keys:Title=T") << QStringLiteral("-UserData:Title=T"));
        row("QuickTime tag deleted from every block", {QStringLiteral("QuickTime:Title")},
            options() << QStringLiteral("-ItemList:Title=") << QStringLiteral("-UserData:Title=")
                      << QStringLiteral("-Keys:Title="));
        row("movie header tag keeps its group", {QStringLiteral("QuickTime:CreateDate=2024:05:01 12:00:00+02:00")},
            options() << QStringLiteral("-QuickTime:CreateDate=2024:05:01 12:00:00+02:00"));
        QTest::newRow("other block levels")
            << QStringList{QStringLiteral("QuickTime:Artist=A")} << false << true << true << ifExists
            << QStringLiteral("-") << false << QStringLiteral("0,2,0") << QString()
            << (options() << QStringLiteral("-ItemList:Artist=A"));

        // IPTC character set and digest.
        auto iptcRow = [&](const char* name, const QStringList& edits, bool utf8, int digest,
                           const QString& characterSet, bool hasDigest, const QStringList& expected) {
            QTest::newRow(name) << edits << false << true << utf8 << digest << characterSet << hasDigest
                                << defaultLevels << QString() << expected;
        };
        const QString keywords = QStringLiteral("IPTC:Keywords=café|lake, evening");
        const QStringList keywordArguments{QStringLiteral("-IPTC:Keywords=café"),
                                           QStringLiteral("-IPTC:Keywords=lake, evening")};
        iptcRow("Latin IPTC recoded as UTF-8", {keywords, QStringLiteral("IPTC:City")}, true, ignore, QString(),
                false,
                options() << QStringLiteral("-tagsFromFile") << QStringLiteral("@") << QStringLiteral("-IPTC:all")
                          << QStringLiteral("--IPTC:Keywords") << QStringLiteral("--IPTC:City") << markUTF8
                          << keywordArguments << QStringLiteral("-IPTC:City="));
        iptcRow("first IPTC marked UTF-8", {keywords}, true, ignore, QStringLiteral("-"), false,
                options() << markUTF8 << keywordArguments);
        iptcRow("UTF-8 IPTC stays as it is", {keywords}, true, ignore, QStringLiteral("UTF8"), false,
                options() << keywordArguments);
        iptcRow("no character set asked for", {keywords}, false, ignore, QString(), false,
                options() << keywordArguments);
        iptcRow("deleting needs no character set", {QStringLiteral("IPTC:City")}, true, ignore, QString(), false,
                options() << QStringLiteral("-IPTC:City="));
        // However the mark arrives, the Latin values the file holds are recoded with it.
        const QStringList recodedBesideEdits{QStringLiteral("-tagsFromFile"), QStringLiteral("@"), QStringLiteral("-IPTC:all"),
                                             QStringLiteral("--IPTC:CodedCharacterSet"), QStringLiteral("--IPTC:Keywords")};
        for (const bool utf8 : {true, false}) {
            iptcRow(utf8 ? "character set edited itself" : "character set edited, none asked",
                    {QStringLiteral("IPTC:CodedCharacterSet=UTF8"), keywords}, utf8, ignore, QString(), false,
                    options() << recodedBesideEdits << markUTF8 << keywordArguments);
        }
        iptcRow("character set edited in a UTF-8 file", {QStringLiteral("IPTC:CodedCharacterSet=UTF8"), keywords}, true,
                ignore, QStringLiteral("UTF8"), false, options() << markUTF8 << keywordArguments);

        // A signed EXIF coordinate takes its hemisphere into the Ref tag, unless that is edited too.
        row("signed coordinates", {QStringLiteral("GPS:GPSLatitude=-33.8568"), QStringLiteral("GPS:GPSLongitude=-70.25 ")},
            options() << QStringLiteral("-GPS:GPSLatitude=-33.8568") << QStringLiteral("-GPS:GPSLongitude=-70.25 ")
                      << QStringLiteral("-GPS:GPSLatitudeRef#=S") << QStringLiteral("-GPS:GPSLongitudeRef#=W"));
        row("plain decimal and letters", {QStringLiteral("GPS:GPSLatitude=48.8584"), QStringLiteral("GPS:GPSLongitude=2 17 40 W")},
            options() << QStringLiteral("-GPS:GPSLatitude=48.8584") << QStringLiteral("-GPS:GPSLongitude=2 17 40 W")
                      << QStringLiteral("-GPS:GPSLatitudeRef#=N") << QStringLiteral("-GPS:GPSLongitudeRef#=W"));
        row("Ref edited too", {QStringLiteral("GPS:GPSLatitude=-33.8568"), QStringLiteral("GPS:GPSLatitudeRef=N")},
            options() << QStringLiteral("-GPS:GPSLatitude=-33.8568") << QStringLiteral("-GPS:GPSLatitudeRef#=N"));
        row("degrees without a hemisphere", {QStringLiteral("GPS:GPSLatitude=33 deg 51' 24.48\"")},
            options() << QStringLiteral("-GPS:GPSLatitude=33 deg 51' 24.48\""));
        iptcRow("digest deleted", {keywords}, true, remove, QStringLiteral("UTF8"), true,
                options() << keywordArguments << QStringLiteral("-Photoshop:IPTCDigest="));
        iptcRow("digest updated", {keywords}, true, update, QStringLiteral("UTF8"), false,
                options() << keywordArguments << digestNew);
        iptcRow("digest updated where it exists", {keywords}, true, ifExists, QStringLiteral("UTF8"), true,
                options() << keywordArguments << digestNew);
        iptcRow("no digest to update", {keywords}, true, ifExists, QStringLiteral("UTF8"), false,
                options() << keywordArguments);
        iptcRow("digest untouched without IPTC edits", {QStringLiteral("XMP-dc:Title=T")}, true, update,
                QStringLiteral("UTF8"), true, options() << QStringLiteral("-XMP-dc:Title=T"));

        QTest::newRow("XMP toolkit with XMP")
            << QStringList{QStringLiteral("XMP-dc:Title=T")} << false << true << true << ifExists << QStringLiteral("-")
            << false << defaultLevels << QStringLiteral("Corvelle 1")
            << (options() << QStringLiteral("-XMP-dc:Title=T") << QStringLiteral("-XMP-x:XMPToolkit=Corvelle 1"));
        QTest::newRow("no XMP toolkit without XMP")
            << QStringList{QStringLiteral("IFD0:Make=X")} << false << true << true << ifExists << QStringLiteral("-")
            << false << defaultLevels << QStringLiteral("Corvelle 1") << (options() << QStringLiteral("-IFD0:Make=X"));
    }

    void arguments()
    {
        QFETCH(QStringList, edits);
        QFETCH(bool, updateFileModifyDate);
        QFETCH(bool, fixInvalidOffsets);
        QFETCH(bool, iptcAsUTF8);
        QFETCH(int, digest);
        QFETCH(QString, fileCharacterSet);
        QFETCH(bool, fileHasDigest);
        QFETCH(QString, levels);
        QFETCH(QString, xmpToolkit);
        QFETCH(QStringList, expected);

        SaveArguments::Options options;
        options.updateFileModifyDate = updateFileModifyDate;
        options.fixInvalidOffsets = fixInvalidOffsets;
        options.iptcAsUTF8 = iptcAsUTF8;
        options.iptcDigestUpdate = IPTCDigestUpdate(digest);
        options.xmpToolkit = xmpToolkit;
        SaveArguments::FileState file;
        file.hasIPTC = fileCharacterSet != u"-";
        file.iptcCharacterSet = file.hasIPTC ? fileCharacterSet : QString();
        file.hasIPTCDigest = fileHasDigest;
        ostrak::ETSettings settings;
        const QStringList level = levels.split(QLatin1Char(','));
        settings.setQuickTimeKeysLevel(level[0].toInt());
        settings.setQuickTimeItemListLevel(level[1].toInt());
        settings.setQuickTimeUserDataLevel(level[2].toInt());

        const SaveArguments built(parseEdits(edits), options, file, settings, ostrak::TagDatabase::shared());
        QCOMPARE(built.arguments(), expected);
    }

    // The tags that must hold each edit after the write; a QuickTime tag that no block can hold
    // has none, so the save can report it.
    void destinations()
    {
        ostrak::ETSettings settings;
        const SaveArguments built(parseEdits({QStringLiteral("IPTC:City=Zürich"), QStringLiteral("QuickTime:Title=T"),
                                              QStringLiteral("QuickTime:NoSuchTag=x"), QStringLiteral("QuickTime:Title=")}),
                                  {}, {}, settings, ostrak::TagDatabase::shared());
        using ostrak::TagName;
        const QList<SaveArguments::Destination> expected{
            {{TagName(QStringLiteral("IPTC"), QStringLiteral("City"))}, {QStringLiteral("Zürich")}},
            {{TagName(QStringLiteral("Keys"), QStringLiteral("Title")),
              TagName(QStringLiteral("UserData"), QStringLiteral("Title"))}, {QStringLiteral("T")}},
            {{}, {QStringLiteral("x")}},
            {{TagName(QStringLiteral("ItemList"), QStringLiteral("Title")),
              TagName(QStringLiteral("UserData"), QStringLiteral("Title")),
              TagName(QStringLiteral("Keys"), QStringLiteral("Title"))}, {}}};
        QCOMPARE(built.destinations(), expected);
        QVERIFY(built.writesIPTC());
    }
};

QTEST_GUILESS_MAIN(SaveArgumentsTest)
#include "SaveArgumentsTest.moc"
