#include "engine/halvex/libraries/TagSet.h"
#include "engine/ostrak/TagDatabase.h"

#include "LibraryTestSupport.h"

#include <QtTest>

using namespace halvex;
using ostrak::TagItem;
using ostrak::TagName;

class TagSetTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void builtInSetsHoldKnownTagsUnderTranslatedSections_data()
    {
        QTest::addColumn<TagSet>("tagSet");
        QTest::newRow("for videos") << TagSet::forVideos();
        QTest::newRow("popular") << TagSet::popular();
    }

    void builtInSetsHoldKnownTagsUnderTranslatedSections()
    {
        QFETCH(TagSet, tagSet);
        QVERIFY(ostrak::TagDatabase::shared().origin() != ostrak::TagDatabase::Origin::Unavailable);
        QVERIFY(tagSet.count() > 0);
        QVERIFY2(tagSet.entry(0).isSection(), "a tag before the first section");

        QSet<TagName> seen;
        for (const TagSet::FlatEntry& entry : tagSet.entries()) {
            if (entry.isSection()) {
                QVERIFY(entry.section().isBuiltIn());
                QVERIFY(!entry.section().title().isEmpty());
                librarytest::verifyTranslatable({entry.section().localizedName()});
                continue;
            }
            const TagName name = *entry.tagName();
            QVERIFY2(!seen.contains(name), qPrintable(name.rawValue() + QStringLiteral(" twice")));
            seen.insert(name);
            const std::optional<TagItem> item = entry.tagItem();
            QVERIFY2(item && !item->isFallback(), qPrintable(name.rawValue() + QStringLiteral(" is unknown")));
            QVERIFY2(item->isWritable(), qPrintable(name.rawValue() + QStringLiteral(" is not writable")));
        }
        QCOMPARE(tagSet.tagItems().size(), seen.size());
        QCOMPARE(tagSet.tagNames().size(), seen.size());
    }

    // A set built from any tag of the database stores and loads back whole.
    void everyDatabaseTagSurvivesCoding()
    {
        QList<TagSet::FlatEntry> entries;
        for (const TagItem& item : TagItem::allCases())
            entries.append(item.tagName());
        const TagSet all(entries);
        QVERIFY(all.count() > 10000);
        const QJsonValue json = brisa::JsonCoding<TagSet>::encode(all);
        QCOMPARE(brisa::JsonCoding<TagSet>::decode(json, {}), all);
    }

    void sectionsShowTheirTitleOrTheirTranslation()
    {
        const TagSection user(QStringLiteral("Mes tags ⭐"));
        QVERIFY(!user.isBuiltIn());
        QCOMPARE(user.localizedName(), (LocalizedText{QStringLiteral("TagSectionUserTitle"), {user.title()}}));
        librarytest::verifyTranslatable({user.localizedName()});

        const TagSection movie = TagSection::builtIn(QStringLiteral("TagSetSectionMovie"));
        QCOMPARE(movie.title(), QStringLiteral("Movie"));
        QCOMPARE(movie.localizedName(), (LocalizedText{QStringLiteral("TagSetSectionMovie"), {}}));
        QVERIFY(movie != TagSection(QStringLiteral("Movie")));
    }

    void entriesTellSectionsFromTags()
    {
        const TagSet tagSet({TagSection(QStringLiteral("Mine")), TagItem::itemEXIFMake().tagName(),
                             TagName(QStringLiteral("Nowhere"), QStringLiteral("Nothing"))});
        QVERIFY(tagSet.entry(0).isSection());
        QVERIFY(!tagSet.entry(0).tagName() && !tagSet.entry(0).tagItem());
        QCOMPARE(tagSet.entry(1).tagItem(), TagItem::itemEXIFMake());
        QVERIFY(!tagSet.entry(2).tagItem());
        QCOMPARE(tagSet.tagNames(), (QList<TagName>{TagItem::itemEXIFMake().tagName(),
                                                    TagName(QStringLiteral("Nowhere"), QStringLiteral("Nothing"))}));
        QCOMPARE(tagSet.tagItems(), QSet<TagItem>{TagItem::itemEXIFMake()});
    }
};

QTEST_GUILESS_MAIN(TagSetTest)
#include "TagSetTest.moc"
