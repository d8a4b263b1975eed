#include "engine/halvex/libraries/TagSetManager.h"
#include "tags/ReducedTagSetTagItems.h"

#include <QTest>

using namespace corvelle;
using halvex::TagSection;
using halvex::TagSet;
using halvex::TagSetManager;
using ostrak::TagItem;
using ostrak::TagName;
using Domain = TagSetManager::Domain;

Q_DECLARE_METATYPE(corvelle::ReducedTagSetUserChoice)
Q_DECLARE_METATYPE(TagSetManager::Domain)

namespace {

TagName tag(const char* group, const char* name)
{
    return TagName(QString::fromLatin1(group), QString::fromLatin1(name));
}

QStringList rawNames(const QList<TagItem>& items)
{
    QStringList names;
    for (const TagItem& item : items)
        names << item.tagName().rawValue();
    return names;
}

} // namespace

class ReducedTagSetTagItemsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void allIsTheWholeDatabaseInItsOrder()
    {
        const QList<TagItem> items = reducedTagSetTagItems(ReducedTagSetUserChoice::all);
        QVERIFY(items.size() > 10000);
        QCOMPARE(rawNames(items), rawNames(TagItem::allCases()));
    }

    void setsAreSortedByGroupThenName_data()
    {
        QTest::addColumn<ReducedTagSetUserChoice>("choice");
        QTest::addColumn<Domain>("domain");
        QTest::newRow("chosen") << ReducedTagSetUserChoice::choosen << Domain::chosen;
        QTest::newRow("popular") << ReducedTagSetUserChoice::popular << Domain::popular;
    }

    void setsAreSortedByGroupThenName()
    {
        QFETCH(ReducedTagSetUserChoice, choice);
        QFETCH(Domain, domain);
        TagSetManager& manager = TagSetManager::shared();
        // Out of order, under sections, with a tag the database does not list and a repeat.
        const TagSet tagSet({TagSection(QStringLiteral("Z")), tag("XMP-dc", "Title"), tag("ItemList", "Title"),
                             tag("XMP-dc", "Creator"), tag("Nowhere", "Nothing"), TagSection(QStringLiteral("A")),
                             tag("ItemList", "Artist"), tag("IFD0", "Make"), tag("ExifIFD", "DateTimeOriginal"),
                             tag("XMP-dc", "Title")});
        manager.replace(domain, [&tagSet](const TagSet&) { return tagSet; });

        QCOMPARE(rawNames(reducedTagSetTagItems(choice)),
                 QStringList({"ExifIFD:DateTimeOriginal", "IFD0:Make", "ItemList:Artist", "ItemList:Title",
                              "XMP-dc:Creator", "XMP-dc:Title"}));

        manager.replace(domain, [](const TagSet&) { return TagSet({TagSection(QStringLiteral("Only"))}); });
        QVERIFY(reducedTagSetTagItems(choice).isEmpty());
        manager.restoreDefault(domain);
        QCOMPARE(reducedTagSetTagItems(choice).size(), manager.tagSet(domain).tagItems().size());
    }
};

QTEST_GUILESS_MAIN(ReducedTagSetTagItemsTest)
#include "ReducedTagSetTagItemsTest.moc"
