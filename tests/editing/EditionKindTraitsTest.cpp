#include "EditingTestSupport.h"
#include "editing/EditionKindTraits.h"
#include "editing/ValueDisplayTexts.h"
#include "engine/ostrak/ValueConverter.h"

#include <QTest>

using namespace corvelle;
using corvelle::test::firstTagItem;
using corvelle::test::tagItem;
using halvex::MultiValuedString;
using halvex::TagValueTableRowValue;

Q_DECLARE_METATYPE(corvelle::EditionKind)
Q_DECLARE_METATYPE(halvex::PresetEdition)
Q_DECLARE_METATYPE(halvex::MultiValuedString)
Q_DECLARE_METATYPE(corvelle::ContentValue::Item)

namespace {

ContentValue rowContent(const ostrak::TagItem& item, const MultiValuedString& value, bool edited = false,
                        bool writable = true)
{
    const TagValueTableRowValue row(item, value, edited, writable);
    return EditionKindTraits::of(EditionKindTraits::editionViewControllerKind(item)).contentValue(row);
}

ContentValue entryContent(const ostrak::TagItem& item, const halvex::PresetEdition& edition)
{
    const PresetEditionRowValue row{item, edition};
    return EditionKindTraits::of(EditionKindTraits::editionViewControllerKind(item)).presetEditionContentValue(row);
}

halvex::PresetEdition customValue(const QString& value,
                                  halvex::PresetValueInsertion insertion = halvex::PresetValueInsertion::replace)
{
    return halvex::PresetEdition::useCustomValue({value, insertion});
}

} // namespace

class EditionKindTraitsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void chooserPicksTheEditorOfEachTag_data()
    {
        using ostrak::TagItem;
        using ostrak::TagType;
        QTest::addColumn<TagItem>("item");
        QTest::addColumn<EditionKind>("kind");
        QTest::addColumn<EditionKind>("actionKind");
        QTest::newRow("text list") << tagItem("IPTC:Keywords") << EditionKind::keyword << EditionKind::keyword;
        QTest::newRow("text bag") << tagItem("XMP-dc:Subject") << EditionKind::keyword << EditionKind::keyword;
        QTest::newRow("number list") << firstTagItem([](const TagItem& item) {
            return item.type().isNumber() && item.isInSequence();
        }) << EditionKind::text << EditionKind::text;
        QTest::newRow("choices") << tagItem("IFD0:Orientation") << EditionKind::enumeration << EditionKind::enumeration;
        QTest::newRow("yes/no choices win over the boolean type") << firstTagItem([](const TagItem& item) {
            return item.type() == TagType::Boolean && !item.choices().isEmpty() && !item.isInSequence();
        }) << EditionKind::enumeration << EditionKind::enumeration;
        QTest::newRow("speed") << tagItem("GPS:GPSSpeed") << EditionKind::speed << EditionKind::speed;
        QTest::newRow("country") << tagItem("IPTC:Country-PrimaryLocationCode") << EditionKind::country
                                 << EditionKind::country;
        QTest::newRow("short text") << tagItem("IFD0:Make") << EditionKind::text << EditionKind::text;
        QTest::newRow("long text") << firstTagItem([](const TagItem& item) {
            return item.type() == TagType::LongString && !item.isInSequence() && item.choices().isEmpty();
        }) << EditionKind::text << EditionKind::text;
        QTest::newRow("real") << tagItem("IFD0:XResolution") << EditionKind::number << EditionKind::number;
        QTest::newRow("integer") << tagItem("ExifIFD:ISO") << EditionKind::number << EditionKind::number;
        QTest::newRow("boolean") << firstTagItem([](const TagItem& item) {
            return item.type() == TagType::Boolean && item.choices().isEmpty() && !item.isInSequence();
        }) << EditionKind::boolean << EditionKind::boolean;
        QTest::newRow("date and time") << tagItem("ExifIFD:DateTimeOriginal") << EditionKind::dateTime
                                       << EditionKind::dateTimeAction;
        QTest::newRow("date alone") << tagItem("GPS:GPSDateStamp") << EditionKind::dateTime << EditionKind::dateTimeAction;
        QTest::newRow("cover art") << tagItem("ItemList:CoverArt") << EditionKind::imageB64 << EditionKind::imageB64;
        QTest::newRow("structure") << firstTagItem([](const TagItem& item) {
            return item.type() == TagType::Struct && !item.isInSequence() && item.choices().isEmpty();
        }) << EditionKind::unknown << EditionKind::unknown;
    }

    void chooserPicksTheEditorOfEachTag()
    {
        QFETCH(ostrak::TagItem, item);
        QFETCH(EditionKind, kind);
        QFETCH(EditionKind, actionKind);
        QCOMPARE(EditionKindTraits::editionViewControllerKind(item), kind);
        QCOMPARE(EditionKindTraits::actionEditionViewControllerKind(item), actionKind);
        QCOMPARE(EditionKindTraits::of(kind).kind, kind);
    }

    // The three value states, each edited or not and writable or not.
    void rowsShowTheirStateEditionAndWritability_data()
    {
        QTest::addColumn<MultiValuedString>("value");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        const MultiValuedString one = MultiValuedString::single(QStringLiteral("Corvelle"));
        for (const bool edited : {false, true}) {
            for (const bool writable : {true, false}) {
                const QByteArray suffix = QByteArray(edited ? ", edited" : "") + (writable ? "" : ", read-only");
                const int editedBit = edited ? 1 : 0;
                QTest::newRow(QByteArray("one value" + suffix).constData()) << one << edited << writable << "Corvelle" << editedBit;
                QTest::newRow(QByteArray("shared empty value" + suffix).constData())
                    << MultiValuedString::single(QString()) << edited << writable << "" << editedBit;
                QTest::newRow(QByteArray("several values" + suffix).constData())
                    << MultiValuedString::multiple() << edited << writable << "Multiple values" << 4 + editedBit;
                QTest::newRow(QByteArray("no value" + suffix).constData())
                    << MultiValuedString::none() << edited << writable << "No value" << 6 + editedBit;
            }
        }
    }

    void rowsShowTheirStateEditionAndWritability()
    {
        QFETCH(MultiValuedString, value);
        QFETCH(bool, edited);
        QFETCH(bool, writable);
        QFETCH(QString, text);
        QFETCH(int, mode);
        const ostrak::TagItem item = tagItem("IFD0:Model");
        const ContentValue content = rowContent(item, value, edited, writable);
        QCOMPARE(content.title, item.title());
        QCOMPARE(content.alternateTitle, std::optional<QString>(QStringLiteral("IFD0:Model")));
        QCOMPARE(content.item.text(), text);
        QCOMPARE(content.mode.rawValue(), mode);
        QCOMPARE(content.subtitle.has_value(), !writable);
        if (!writable)
            QCOMPARE(*content.subtitle, QStringLiteral("This tag cannot be edited"));
        QVERIFY(!content.notes);
        QCOMPARE(content.source.metaType(), QMetaType::fromType<TagValueTableRowValue>());
        QVERIFY(*static_cast<const TagValueTableRowValue*>(content.source.constData())
                == TagValueTableRowValue(item, value, edited, writable));
    }

    // Each editor shows a single value its own way; other states keep the placeholders.
    void editorsShowOneValueTheirWay_data()
    {
        QTest::addColumn<ostrak::TagItem>("item");
        QTest::addColumn<QString>("value");
        QTest::addColumn<ContentValue::Item>("shown");
        QTest::newRow("text in an action box") << tagItem("IFD0:Make") << "Corvelle"
                                              << ContentValue::Item::action(std::nullopt, QStringLiteral("Corvelle"));
        QTest::newRow("number formatted") << tagItem("IFD0:XResolution") << "72" << ContentValue::Item::text(QStringLiteral("72.00"));
        QTest::newRow("unreadable number as stored") << tagItem("IFD0:XResolution") << "n/a"
                                                     << ContentValue::Item::text(QStringLiteral("n/a"));
        QTest::newRow("choice by description") << tagItem("IFD0:Orientation") << "6"
                                               << ContentValue::Item::text(QStringLiteral("Rotate 90 CW"));
        QTest::newRow("unknown choice as stored") << tagItem("IFD0:Orientation") << "42"
                                                  << ContentValue::Item::text(QStringLiteral("42"));
        QTest::newRow("country by name") << tagItem("IPTC:Country-PrimaryLocationCode") << "CHE"
                                         << ContentValue::Item::text(QStringLiteral("Switzerland (CHE)"));
        QTest::newRow("unknown country as stored") << tagItem("IPTC:Country-PrimaryLocationCode") << "Atlantis"
                                                   << ContentValue::Item::text(QStringLiteral("Atlantis"));
        QTest::newRow("cover art as base64") << tagItem("ItemList:CoverArt") << "base64:/9j/4AAQ"
                                             << ContentValue::Item::text(QStringLiteral("Image"));
        // How a file read without its binary data holds the picture.
        QTest::newRow("cover art as read from a file") << tagItem("ItemList:CoverArt")
                                                       << "(Binary data 1290 bytes, use -b option to extract)"
                                                       << ContentValue::Item::text(QStringLiteral("Image"));
        QTest::newRow("cover art of another form") << tagItem("ItemList:CoverArt") << "cover.jpg"
                                                   << ContentValue::Item::text(QStringLiteral("Data in an unknown format"));
    }

    void editorsShowOneValueTheirWay()
    {
        QFETCH(ostrak::TagItem, item);
        QFETCH(QString, value);
        QFETCH(ContentValue::Item, shown);
        QCOMPARE(rowContent(item, MultiValuedString::single(value)).item, shown);
        QCOMPARE(rowContent(item, MultiValuedString::multiple()).item.text(), QStringLiteral("Multiple values"));
    }

    void notesGoWithTheMovieInformationTags()
    {
        const ContentValue cast = rowContent(ostrak::TagItem::itemPLISTCast(), MultiValuedString::none());
        const ContentValue studio = rowContent(ostrak::TagItem::itemPLISTStudio(), MultiValuedString::none());
        QVERIFY(cast.notes && !cast.notes->isEmpty());
        QCOMPARE(studio.notes, cast.notes);
    }

    void presetEntriesDescribeTheirEdition_data()
    {
        using Insertion = halvex::PresetValueInsertion;
        QTest::addColumn<ostrak::TagItem>("item");
        QTest::addColumn<halvex::PresetEdition>("edition");
        QTest::addColumn<ContentValue::Item>("shown");
        QTest::addColumn<int>("mode");
        const ostrak::TagItem make = tagItem("IFD0:Make");
        const auto text = [](const char* value) { return ContentValue::Item::text(QString::fromUtf8(value)); };
        halvex::CopyTagValueSettings copy;
        copy.tagName = ostrak::TagName::fromRawValue(QStringLiteral("IFD0:Model"));
        copy.formatter = halvex::CopyTagValueSettings::Formatter::pretty;
        copy.insertion = Insertion::append;
        halvex::SearchAndReplaceSettings search;
        search.searchString = QStringLiteral("%2");
        search.replaceString = QStringLiteral("%1");

        QTest::newRow("keep") << make << halvex::PresetEdition::keepCurrentValue() << text("Keep current value") << 6;
        QTest::newRow("custom action") << make << *FlatPresetEdition(FlatPresetEdition::uppercaseText).presetEdition()
                                       << text("Make uppercase") << 4;
        QTest::newRow("copy pretty append") << make << halvex::PresetEdition::copyTagValue(copy)
                                            << text("Add the value of IFD0:Model after") << 4;
        QTest::newRow("placeholders in search texts stay as typed") << make << halvex::PresetEdition::searchAndReplace(search)
                                                                    << text("Replace “%2” with “%1”") << 4;
        QTest::newRow("text replace") << make << customValue(QStringLiteral("A %1 B"))
                                      << ContentValue::Item::action(QStringLiteral("Replace with"), QStringLiteral("A %1 B")) << 0;
        QTest::newRow("text append") << make << customValue(QStringLiteral("x"), Insertion::append)
                                     << ContentValue::Item::action(QStringLiteral("Add after"), QStringLiteral("x")) << 0;
        QTest::newRow("text replace by nothing") << make << customValue(QString()) << text("Remove current value") << 4;
        QTest::newRow("text prepend nothing") << make << customValue(QString(), Insertion::prepend)
                                              << text("Keep current value") << 6;
        QTest::newRow("number, prepend shown as the number") << tagItem("IFD0:XResolution")
                                                             << customValue(QStringLiteral("300"), Insertion::prepend)
                                                             << text("300.00") << 0;
        QTest::newRow("choice") << tagItem("IFD0:Orientation") << customValue(QStringLiteral("1")) << text("Horizontal (normal)") << 0;
        QTest::newRow("country") << tagItem("IPTC:Country-PrimaryLocationCode") << customValue(QStringLiteral("FRA"))
                                 << text("France (FRA)") << 0;
        const ostrak::TagItem boolean = firstTagItem([](const ostrak::TagItem& item) {
            return item.type() == ostrak::TagType::Boolean && item.choices().isEmpty() && !item.isInSequence();
        });
        QTest::newRow("boolean capitalised") << boolean << customValue(boolean.converter().stringValueFromTypedValue(true).value())
                                             << text("Yes") << 0;
        QTest::newRow("boolean unreadable reads no") << boolean << customValue(QStringLiteral("maybe")) << text("No") << 0;
    }

    void presetEntriesDescribeTheirEdition()
    {
        QFETCH(ostrak::TagItem, item);
        QFETCH(halvex::PresetEdition, edition);
        QFETCH(ContentValue::Item, shown);
        QFETCH(int, mode);
        const ContentValue content = entryContent(item, edition);
        QCOMPARE(content.item, shown);
        QCOMPARE(content.mode.rawValue(), mode);
        QCOMPARE(content.title, item.title());
        QVERIFY(!content.subtitle && !content.notes);
    }

    void editorsOfferTheOperationsTheirValuesTake()
    {
        const auto raws = [](EditionKind kind) {
            QStringList raw;
            for (const FlatPresetEdition edition : EditionKindTraits::of(kind).supportedPresetEditions())
                raw << edition.rawValue();
            return raw.join(QLatin1Char(' '));
        };
        const QString typed = QStringLiteral("keep_current_value remove_current_value restore_original_value "
                                             "copy_other_value edit_current_value search_and_replace trim_whitespaces_text");
        QCOMPARE(raws(EditionKind::number), typed);
        QCOMPARE(raws(EditionKind::enumeration), typed);
        QCOMPARE(raws(EditionKind::country), typed);
        QCOMPARE(raws(EditionKind::boolean), QString(typed).remove(QStringLiteral(" search_and_replace")));
        QCOMPARE(raws(EditionKind::unknown), QStringLiteral("keep_current_value"));
        QCOMPARE(raws(EditionKind::notWritable), QStringLiteral("keep_current_value"));
        QCOMPARE(EditionKindTraits::of(EditionKind::text).supportedPresetEditions().size(), 10);
        QVERIFY(EditionKindTraits::of(EditionKind::text).supportsInsertion());
        QVERIFY(!EditionKindTraits::of(EditionKind::number).supportsInsertion());

        const QList<FlatActionEdition> numberActions = EditionKindTraits::of(EditionKind::number).supportedActionEditions();
        QCOMPARE(numberActions.size(), 7);
        QVERIFY(numberActions.last() == FlatActionEdition::fromPresetEdition(FlatPresetEdition::trimWhitespacesText));
    }
};

QTEST_MAIN(EditionKindTraitsTest)
#include "EditionKindTraitsTest.moc"
