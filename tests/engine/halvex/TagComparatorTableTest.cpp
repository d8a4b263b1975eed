#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/tags/TagComparatorExporter.h"
#include "engine/halvex/tags/TagComparatorSource.h"
#include "engine/halvex/tags/TagComparatorTable.h"
#include "engine/halvex/tags/TagStorageValueProvider.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/TagDatabase.h"

#include "TagEditorTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace halvex;
using ostrak::TagName;
using Providers = QList<std::shared_ptr<const TagComparatorProvider>>;
using Range = std::optional<std::pair<qsizetype, qsizetype>>;

Q_DECLARE_METATYPE(Range)

namespace {

std::shared_ptr<const TagComparatorProvider> provider(const QString& filename,
                                                      const QList<std::pair<QString, QString>>& values)
{
    TagStorage storage(TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/nowhere/") + filename)));
    for (const auto& [name, value] : values)
        storage.setValue(TagName::fromRawValue(name), TagValue(value));
    return std::make_shared<TagStorageValueProvider>(filename, std::move(storage));
}

// "[Heading]" for a heading, the tag's full name for a tag.
QStringList layout(const QList<TagComparatorRow>& rows)
{
    QStringList lines;
    for (const auto& row : rows)
        lines << (row.isHeading() ? u'[' + row.heading() + u']' : row.entry().tagName().rawValue());
    return lines;
}

QStringList layout(const TagComparatorSource& source)
{
    QList<TagComparatorRow> rows;
    for (int i = 0; i < source.numberOfRows(); ++i)
        rows << source.row(i);
    return layout(rows);
}

// Flags, text and search text of a cell, in the struct's order.
QString describe(const TagComparatorSearchValue& cell)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(cell.isBold ? "bold" : "")
        .arg(cell.text.value_or(QStringLiteral("<none>")))
        .arg(cell.searchText.value_or(QStringLiteral("<none>")))
        .arg(cell.keepsLeftAlignment ? "left" : "")
        .arg(cell.isFaded ? "faded" : "")
        .arg(cell.isAccented ? "accent" : "");
}

// Two files: groups and tags met first in the first file come first, a later file's own tags
// after them in their group, a group only the later file has last.
Providers orderingFixture()
{
    return {provider("first.mp4", {{"ItemList:Title", "Eiffel Tower at Dusk"},
                                   {"Keys:Title", "Keys title"},
                                   {"ItemList:Genre", "Documentary"}}),
            provider("second.mov", {{"Keys:Make", "Corvelle"},
                                    {"ItemList:Artist", "Corvelle Ensemble"},
                                    {"Keys:Title", "Keys title (mov)"},
                                    {"UserData:Title", "UserData title"},
                                    {"ItemList:Genre", "Documentary"}})};
}

} // namespace

class TagComparatorTableTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void ordering()
    {
        const TagComparatorTable grouped(orderingFixture(), true);
        QCOMPARE(grouped.numberOfColumns(), 3);
        QCOMPARE(grouped.columnTitle(0), QString());
        QCOMPARE(grouped.columnTitle(1), QStringLiteral("first.mp4"));
        QCOMPARE(grouped.columnTitle(2), QStringLiteral("second.mov"));
        QCOMPARE(grouped.columnTitle(3), QString());
        QCOMPARE(layout(grouped.rows()),
                 (QStringList{"[ItemList]", "ItemList:Title", "ItemList:Genre", "ItemList:Artist", "[Keys]", "Keys:Title",
                              "Keys:Make", "[UserData]", "UserData:Title"}));

        const TagComparatorTable flat(orderingFixture(), false);
        QCOMPARE(layout(flat.rows()), (QStringList{"ItemList:Title", "ItemList:Genre", "ItemList:Artist", "Keys:Title",
                                                   "Keys:Make", "UserData:Title"}));

        // The files' order decides.
        const Providers fixture = orderingFixture();
        const TagComparatorTable reversed({fixture.at(1), fixture.at(0)}, true);
        QCOMPARE(layout(reversed.rows()),
                 (QStringList{"[Keys]", "Keys:Make", "Keys:Title", "[ItemList]", "ItemList:Artist", "ItemList:Genre",
                              "ItemList:Title", "[UserData]", "UserData:Title"}));
        QCOMPARE(reversed.columnTitle(1), QStringLiteral("second.mov"));
    }

    void cells_data()
    {
        QTest::addColumn<QString>("tagName");
        QTest::addColumn<bool>("hidesStream");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("showName");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("expected");

        const QString title = ostrak::TagItem::itemEXIFDateTimeOriginal().title();
        QVERIFY(title != u"DateTimeOriginal");
        QTest::newRow("tag column: the title")
            << "ExifIFD:DateTimeOriginal" << true << 0 << false << "" << "bold|" + title + "|<none>|||";
        QTest::newRow("tag column: the name under its heading")
            << "ExifIFD:DateTimeOriginal" << true << 0 << true << "" << "bold|DateTimeOriginal|<none>|||";
        QTest::newRow("tag column: the full name without headings")
            << "ExifIFD:DateTimeOriginal" << false << 0 << true << "" << "bold|ExifIFD:DateTimeOriginal|<none>|||";
        QTest::newRow("a tag the database does not list is titled by its name")
            << "Other:NoSuchTag" << true << 0 << false << "" << "bold|NoSuchTag|<none>|||";
        QTest::newRow("a value every file shares") << "ItemList:Genre" << true << 2 << false << ""
                                                   << "|Documentary|<none>|left||";
        QTest::newRow("a value that differs") << "Keys:Title" << true << 1 << false << ""
                                              << "|Keys title|<none>|left||accent";
        QTest::newRow("a file lacking the tag") << "UserData:Title" << true << 1 << false << ""
                                                << "|<none>|<none>|left||";
        QTest::newRow("the search text goes along") << "Keys:Title" << true << 2 << false << "mov"
                                                    << "|Keys title (mov)|mov|left||accent";
        QTest::newRow("a column past the files") << "Keys:Title" << true << 3 << false << "" << "|<none>|<none>|left||";
    }

    void cells()
    {
        QFETCH(QString, tagName);
        QFETCH(bool, hidesStream);
        QFETCH(int, column);
        QFETCH(bool, showName);
        QFETCH(QString, search);
        QFETCH(QString, expected);

        // The tag column's cases read a file of their own.
        const Providers providers = column == 0 ? Providers{provider("photo.jpg", {{tagName, "2022:07:14 18:45:12"}})}
                                                : orderingFixture();
        const TagComparatorTable table(providers, hidesStream);
        for (const auto& row : table.rows()) {
            if (!row.isHeading() && row.entry().tagName() == TagName::fromRawValue(tagName)) {
                QCOMPARE(describe(row.entry().search(column, search.isEmpty() ? std::nullopt : std::optional(search),
                                                     showName)),
                         expected);
                return;
            }
        }
        QFAIL("no such row");
    }

    void rangeOf_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Range>("expected");

        QTest::newRow("in any case") << "DUSK" << "Eiffel Tower at Dusk" << Range(std::pair(16, 4));
        QTest::newRow("the first of two") << "a" << "banana" << Range(std::pair(1, 1));
        QTest::newRow("counted in UTF-16 units") << QString::fromUtf8("caf\u00E9") << QString::fromUtf8("\U0001F600 Caf\u00C9")
                                                 << Range(std::pair(3, 4));
        QTest::newRow("not there") << "dawn" << "Eiffel Tower at Dusk" << Range();
        QTest::newRow("empty search") << "" << "Eiffel Tower at Dusk" << Range();
    }

    void rangeOf()
    {
        QFETCH(QString, search);
        QFETCH(QString, text);
        QFETCH(Range, expected);
        QCOMPARE(TagComparatorSearchValue::rangeOf(search, text), expected);
    }

    void sourceNarrowsBySearch()
    {
        TagComparatorSource source;
        QVERIFY(source.isEmpty());
        QCOMPARE(source.numberOfRows(), 0);
        QCOMPARE(source.numberOfColumns(), 0);
        QVERIFY(!source.exportTable());
        QVERIFY(source.row(0).isHeading());
        source.setSearch(QStringLiteral("title"));
        QCOMPARE(source.numberOfRows(), 0);

        source.setTable(std::make_shared<const TagComparatorTable>(orderingFixture(), true));
        QVERIFY(!source.isEmpty());
        QVERIFY(!source.table()->disablesSearch());
        QCOMPARE(source.numberOfColumns(), 3);
        // In names and titles; headings only above kept rows.
        QCOMPARE(layout(source), (QStringList{"[ItemList]", "ItemList:Title", "[Keys]", "Keys:Title", "[UserData]",
                                              "UserData:Title"}));
        // In values, in any case.
        source.setSearch(QStringLiteral("CORVELLE"));
        QCOMPARE(layout(source), (QStringList{"[ItemList]", "ItemList:Artist", "[Keys]", "Keys:Make"}));
        // A heading keeps its group.
        source.setSearch(QStringLiteral("userdata"));
        QCOMPARE(layout(source), (QStringList{"[UserData]", "UserData:Title"}));
        QCOMPARE(layout(source.exportTable()->rows()), layout(source));
        // Nothing found: no rows and nothing to export, but the comparison is not empty.
        source.setSearch(QStringLiteral("nowhere to be found"));
        QCOMPARE(source.numberOfRows(), 0);
        QVERIFY(!source.exportTable());
        QVERIFY(!source.isEmpty());
        source.setSearch(QStringLiteral("  "));
        QCOMPARE(source.numberOfRows(), 9);
        QVERIFY(source.row(9).isHeading());

        source.setTable(std::make_shared<const TagComparatorTable>(Providers{}, true));
        QVERIFY(source.isEmpty());
        QVERIFY(source.table()->disablesSearch());
        QCOMPARE(source.numberOfColumns(), 1);
        QCOMPARE(source.numberOfRows(), 0);
    }

    // Stored values of real files, read by ExifTool: binary data is faded, differing values
    // accented.
    void fixtureFiles()
    {
        const QDir dir(dir_.path());
        const QStringList paths{test::copyFixture(dir, QStringLiteral("movie.mp4")),
                                test::copyFixture(dir, QStringLiteral("audio.m4a"))};
        ostrak::ExifToolPool pool(2);
        const auto task = test::importFiles(paths, &pool);
        QCOMPARE(task->editors().size(), 2);
        Providers providers;
        for (const auto& editor : task->editors())
            providers << std::make_shared<TagStorageValueProvider>(editor->fileName(), editor->storage());
        const TagComparatorTable table(providers, true);
        QCOMPARE(table.columnTitle(1), QStringLiteral("movie.mp4"));
        QCOMPARE(table.columnTitle(2), QStringLiteral("audio.m4a"));

        QHash<QString, const TagComparatorGroupEntry*> entries;
        QStringList headings;
        for (const auto& row : table.rows()) {
            if (row.isHeading())
                headings << row.heading();
            else
                entries.insert(row.entry().tagName().rawValue(), &row.entry());
        }
        QCOMPARE(headings.mid(0, 2), (QStringList{"ExifTool", "System"}));
        QVERIFY(headings.contains(QStringLiteral("ItemList")));
        QCOMPARE(headings.size(), QSet<QString>(headings.begin(), headings.end()).size());

        QCOMPARE(describe(entries.value("ItemList:Title")->search(1, std::nullopt, false)),
                 QStringLiteral("|Eiffel Tower at Dusk|<none>|left||accent"));
        QCOMPARE(describe(entries.value("ItemList:Title")->search(2, std::nullopt, false)),
                 QStringLiteral("|Fixture Tone|<none>|left||accent"));
        const TagComparatorSearchValue coverArt = entries.value("ItemList:CoverArt")->search(2, std::nullopt, false);
        QVERIFY(coverArt.isFaded && coverArt.text->contains(QStringLiteral("Binary data")));
        QVERIFY(!entries.value("ItemList:CoverArt")->search(1, std::nullopt, false).text);
    }

    void exports()
    {
        const Providers providers{
            provider("first, \"one\".mp4", {{"ItemList:Title", "Line one\nline two"},
                                              {"ItemList:Comment", "=HYPERLINK(\"http://x\")"},
                                              {"Keys:GPSCoordinates", "-74.0445"},
                                              {"Keys:Description", "-2+3+cmd"}}),
            provider("second.mov", {{"ItemList:Title", "Z\u00FCrich {caf\u00E9}\t\\ \U0001F600"}, {"Keys:Description", "@sum"}}),
        };
        const auto table = std::make_shared<const TagComparatorTable>(providers, true);
        const TagComparatorExporter exporter(table);
        const auto read = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
        };

        const QString txt = dir_.filePath(QStringLiteral("table.txt"));
        exporter.exportAsTXT(txt);
        QCOMPARE(QString::fromUtf8(read(txt)),
                 QStringLiteral("\tfirst, \"one\".mp4\tsecond.mov\n"
                                "[ItemList]\n"
                                "ItemList:Title\tLine one line two\tZ\u00FCrich {caf\u00E9} \\ \U0001F600\n"
                                "ItemList:Comment\t=HYPERLINK(\"http://x\")\t\n"
                                "[Keys]\n"
                                "Keys:GPSCoordinates\t-74.0445\t\n"
                                "Keys:Description\t-2+3+cmd\t@sum\n"));

        const QString csv = dir_.filePath(QStringLiteral("table.csv"));
        exporter.exportAsCSV(csv);
        QCOMPARE(QString::fromUtf8(read(csv)),
                 QStringLiteral(",\"first, \"\"one\"\".mp4\",second.mov\r\n"
                                "ItemList:Title,\"Line one\nline two\",Z\u00FCrich {caf\u00E9}\t\\ \U0001F600\r\n"
                                "ItemList:Comment,\"'=HYPERLINK(\"\"http://x\"\")\",\r\n"
                                "Keys:GPSCoordinates,-74.0445,\r\n"
                                "Keys:Description,'-2+3+cmd,'@sum\r\n"));

        const QString rtf = dir_.filePath(QStringLiteral("table.rtf"));
        exporter.exportAsRTF(rtf);
        const QByteArray document = read(rtf);
        QVERIFY(document.startsWith("{\\rtf1\\ansi"));
        QVERIFY(document.endsWith("}\n"));
        QVERIFY(document.contains("{\\b \\tab first, \"one\".mp4\\tab second.mov}\\par\n"));
        QVERIFY(document.contains("{\\b ItemList}\\par\n"));
        QVERIFY(document.contains("{ItemList:Title\\tab Line one\\line line two\\tab "
                                  "Z\\u252?rich \\{caf\\u233?\\}\\tab \\\\ \\u-10179?\\u-8704?}\\par\n"));
        // Plain ASCII only: every other character is escaped.
        QVERIFY(std::all_of(document.begin(), document.end(), [](char c) { return c > 0; }));
    }

    void exportFailureNamesTheFile()
    {
        const QString blocker = dir_.filePath(QStringLiteral("not-a-folder"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString path = blocker + QStringLiteral("/table.csv");
        const TagComparatorExporter exporter(std::make_shared<const TagComparatorTable>(orderingFixture(), true));
        for (const auto& write : {&TagComparatorExporter::exportAsTXT, &TagComparatorExporter::exportAsRTF,
                                  &TagComparatorExporter::exportAsCSV}) {
            try {
                (exporter.*write)(path);
                QFAIL("written");
            } catch (const LibraryError& error) {
                QVERIFY(!error.texts().isEmpty());
                QVERIFY(error.texts().first().arguments.contains(path));
            }
        }
        QVERIFY(QFileInfo(blocker).isFile());
    }
};

QTEST_GUILESS_MAIN(TagComparatorTableTest)
#include "TagComparatorTableTest.moc"
