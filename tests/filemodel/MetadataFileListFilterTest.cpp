#include "engine/halvex/tags/ETTagEditor.h"
#include "filemodel/FileModelTestSupport.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListFilter.h"

#include <QtTest>

using namespace corvelle;
using Filter = MetadataFileListFilter;
using String = Filter::StringConstraint;
using corvelle::test::memoryFile;

namespace {

const ostrak::TagName title("XMP-dc", "Title");
const ostrak::TagName make("IFD0", "Make");

// A file whose answers are given here, and which notes every question asked of it.
class ScriptedCandidate : public Filter::Candidate {
public:
    QString name = QStringLiteral("clip.mov");
    bool edited = false;
    bool folder = false;
    QList<std::pair<ostrak::TagName, std::optional<QString>>> values;
    bool gpsEdited = false;
    bool gpsValues = false;

    mutable QStringList asked;

    QString filename() const override { return note("filename"), name; }
    bool hasEdits() const override { return note("hasEdits"), edited; }
    bool isFolder() const override { return note("isFolder"), folder; }
    QList<ostrak::TagName> tagNames() const override
    {
        note("tagNames");
        QList<ostrak::TagName> names;
        for (const auto& entry : values)
            names.append(entry.first);
        return names;
    }
    std::optional<QString> currentValue(const ostrak::TagName& tagName) const override
    {
        note("value " + tagName.name());
        for (const auto& entry : values) {
            if (entry.first == tagName)
                return entry.second;
        }
        return std::nullopt;
    }
    bool oneOrMoreExifLocationTagsAreEdited() const override { return note("gpsEdited"), gpsEdited; }
    bool hasOneOrMoreExifLocationValues() const override { return note("gpsValues"), gpsValues; }

private:
    void note(const QString& question) const { asked.append(question); }
};

Filter byName(const String& constraint)
{
    Filter filter;
    filter.filenameConstraint = constraint;
    return filter;
}

Filter byTagValue(const String& constraint)
{
    Filter filter;
    filter.tagValueConstraint = constraint;
    return filter;
}

// Every combination of the payload-free cases with three string constraints.
QList<Filter> everyCombination()
{
    const QList<String> strings{String::none(), String::contains(QStringLiteral("beach  sunset\n")),
                                String::matches(QStringLiteral("IMG_[0-9]+\\.(mov|MOV)"))};
    QList<Filter> filters;
    for (const String& name : strings)
        for (auto edition : brisa::allCases<Filter::FileEditionConstraint>())
            for (auto media : brisa::allCases<Filter::FileMediaConstraint>())
                for (const String& values : strings)
                    for (auto gpsEdition : brisa::allCases<Filter::GpsEditionConstraint>())
                        for (auto gpsValue : brisa::allCases<Filter::GpsValueConstraint>()) {
                            Filter filter;
                            filter.filenameConstraint = name;
                            filter.fileEditionConstraint = edition;
                            filter.fileMediaConstraint = media;
                            filter.tagValueConstraint = values;
                            filter.gpsEditionConstraint = gpsEdition;
                            filter.gpsValueConstraint = gpsValue;
                            filters.append(filter);
                        }
    return filters;
}

} // namespace

Q_DECLARE_METATYPE(String)
Q_DECLARE_METATYPE(Filter)
Q_DECLARE_METATYPE(brisa::DecodingError::Kind)

class MetadataFileListFilterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textTests_data()
    {
        QTest::addColumn<String>("constraint");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("passes");

        QTest::newRow("none") << String::none() << "anything" << true;
        QTest::newRow("words in order") << String::contains("beach sunset") << "beach at sunset.mov" << true;
        QTest::newRow("words out of order") << String::contains("beach sunset") << "sunset at the beach.mov" << false;
        QTest::newRow("words do not overlap") << String::contains("aa aa") << "aaa.mov" << false;
        QTest::newRow("a word twice") << String::contains("aa aa") << "aaaa.mov" << true;
        QTest::newRow("case and accents ignored") << String::contains("cafe") << "CAFÉ.mov" << true;
        QTest::newRow("accents in the words ignored") << String::contains("ZÜRICH") << "zurich.jpg" << true;
        QTest::newRow("full-width letters") << String::contains("abc") << QStringLiteral("\uFF21\uFF22\uFF23.mov") << true;
        QTest::newRow("tabs, line breaks and runs of spaces") << String::contains("\tbeach \n\n  sunset ") << "beach sunset" << true;
        QTest::newRow("empty words pass") << String::contains("") << "clip.mov" << true;
        QTest::newRow("only spaces pass") << String::contains("   ") << "clip.mov" << true;
        QTest::newRow("missing word") << String::contains("beach dawn") << "beach at sunset.mov" << false;
        QTest::newRow("regex finds") << String::matches("IMG_[0-9]+") << "IMG_0042.MOV" << true;
        QTest::newRow("regex is case-sensitive") << String::matches("IMG_[0-9]+") << "img_0042.mov" << false;
        QTest::newRow("regex is unanchored") << String::matches("0042") << "IMG_0042.MOV" << true;
        QTest::newRow("regex word letters beyond ASCII") << String::matches("^\\w+\\.mov$") << "Zürich.mov" << true;
        QTest::newRow("invalid regex finds nothing") << String::matches("IMG_[0-9") << "IMG_[0-9" << false;
        QTest::newRow("invalid regex, empty text") << String::matches("(") << "" << false;
    }

    void textTests()
    {
        QFETCH(String, constraint);
        QFETCH(QString, text);
        QFETCH(bool, passes);
        QCOMPARE(constraint.test(text), passes);
        // The same rule on file names and on tag values.
        ScriptedCandidate candidate;
        candidate.name = text;
        candidate.values = {{make, "Corvelle"}, {title, text}};
        QCOMPARE(byName(constraint).matches(candidate), passes);
        QCOMPARE(byTagValue(constraint).matches(candidate), passes || constraint.kind() == String::Case::none);
    }

    // Constraints are asked in field order, each only when the ones before it passed; tag values
    // are read until the first that passes.
    void questionsStopAtTheFirstFailure_data()
    {
        QTest::addColumn<Filter>("filter");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QStringList>("asked");

        Filter everything;
        everything.filenameConstraint = String::contains("clip");
        everything.fileEditionConstraint = Filter::FileEditionConstraint::unedited;
        everything.fileMediaConstraint = Filter::FileMediaConstraint::files;
        everything.tagValueConstraint = String::contains("second");
        everything.gpsEditionConstraint = Filter::GpsEditionConstraint::unedited;
        everything.gpsValueConstraint = Filter::GpsValueConstraint::without;
        const QStringList all{"filename", "hasEdits", "isFolder", "tagNames", "value Make", "value Title",
                              "gpsEdited", "gpsValues"};
        QTest::newRow("all pass") << everything << true << all;

        Filter failsName = everything;
        failsName.filenameConstraint = String::matches("^CLIP");
        QTest::newRow("name fails: nothing else asked") << failsName << false << QStringList{"filename"};

        Filter failsEdition = everything;
        failsEdition.fileEditionConstraint = Filter::FileEditionConstraint::edited;
        QTest::newRow("edition fails") << failsEdition << false << all.mid(0, 2);

        Filter failsMedia = everything;
        failsMedia.fileMediaConstraint = Filter::FileMediaConstraint::folders;
        QTest::newRow("media fails") << failsMedia << false << all.mid(0, 3);

        Filter firstValue = everything;
        firstValue.tagValueConstraint = String::contains("first");
        QStringList untilFirst = all;
        untilFirst.removeAll("value Title");
        QTest::newRow("first value passes: no further value read") << firstValue << true << untilFirst;

        Filter noValue = everything;
        noValue.tagValueConstraint = String::contains("third");
        QTest::newRow("values fail") << noValue << false << all.mid(0, 6);

        Filter failsGpsEdition = everything;
        failsGpsEdition.gpsEditionConstraint = Filter::GpsEditionConstraint::edited;
        QTest::newRow("GPS edition fails") << failsGpsEdition << false << all.mid(0, 7);

        Filter failsGpsValue = everything;
        failsGpsValue.gpsValueConstraint = Filter::GpsValueConstraint::with;
        QTest::newRow("GPS value fails") << failsGpsValue << false << all;

        QTest::newRow("neutral asks nothing") << Filter() << true << QStringList();
    }

    void questionsStopAtTheFirstFailure()
    {
        QFETCH(Filter, filter);
        QFETCH(bool, passes);
        QFETCH(QStringList, asked);
        ScriptedCandidate candidate;
        candidate.values = {{make, "first"}, {title, "second"}};
        QCOMPARE(filter.matches(candidate), passes);
        QCOMPARE(candidate.asked, asked);
    }

    void constraintsOnAnswers_data()
    {
        QTest::addColumn<Filter>("filter");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("gpsEdited");
        QTest::addColumn<bool>("gpsValues");
        QTest::addColumn<bool>("passes");

        const auto with = [](auto set) {
            Filter filter;
            set(filter);
            return filter;
        };
        using FE = Filter::FileEditionConstraint;
        using FM = Filter::FileMediaConstraint;
        using GE = Filter::GpsEditionConstraint;
        using GV = Filter::GpsValueConstraint;
        QTest::newRow("edited, edited file") << with([](Filter& f) { f.fileEditionConstraint = FE::edited; }) << true << false << false << false << true;
        QTest::newRow("edited, unedited file") << with([](Filter& f) { f.fileEditionConstraint = FE::edited; }) << false << false << false << false << false;
        QTest::newRow("unedited, edited file") << with([](Filter& f) { f.fileEditionConstraint = FE::unedited; }) << true << false << false << false << false;
        QTest::newRow("files, a folder") << with([](Filter& f) { f.fileMediaConstraint = FM::files; }) << false << true << false << false << false;
        QTest::newRow("folders, a folder") << with([](Filter& f) { f.fileMediaConstraint = FM::folders; }) << false << true << false << false << true;
        QTest::newRow("folders, a file") << with([](Filter& f) { f.fileMediaConstraint = FM::folders; }) << false << false << false << false << false;
        QTest::newRow("GPS edited") << with([](Filter& f) { f.gpsEditionConstraint = GE::edited; }) << false << false << true << false << true;
        QTest::newRow("GPS unedited, edited") << with([](Filter& f) { f.gpsEditionConstraint = GE::unedited; }) << false << false << true << false << false;
        QTest::newRow("with GPS") << with([](Filter& f) { f.gpsValueConstraint = GV::with; }) << false << false << false << true << true;
        QTest::newRow("with GPS, none") << with([](Filter& f) { f.gpsValueConstraint = GV::with; }) << false << false << false << false << false;
        QTest::newRow("without GPS, some") << with([](Filter& f) { f.gpsValueConstraint = GV::without; }) << false << false << false << true << false;
        QTest::newRow("neutral, an edited folder") << Filter() << true << true << true << true << true;
    }

    void constraintsOnAnswers()
    {
        QFETCH(Filter, filter);
        QFETCH(bool, edited);
        QFETCH(bool, folder);
        QFETCH(bool, gpsEdited);
        QFETCH(bool, gpsValues);
        QFETCH(bool, passes);
        ScriptedCandidate candidate;
        candidate.edited = edited;
        candidate.folder = folder;
        candidate.gpsEdited = gpsEdited;
        candidate.gpsValues = gpsValues;
        QCOMPARE(filter.matches(candidate), passes);
    }

    void tagValuesNeedAValue()
    {
        ScriptedCandidate noTags;
        QVERIFY(!byTagValue(String::contains("")).matches(noTags));
        ScriptedCandidate noValues;
        noValues.values = {{make, std::nullopt}, {title, std::nullopt}};
        QVERIFY(!byTagValue(String::contains("")).matches(noValues));
        QVERIFY(!byTagValue(String::matches("")).matches(noValues));
        ScriptedCandidate oneValue = noValues;
        oneValue.values.append({ostrak::TagName("XMP-dc", "Creator"), QString()});
        QVERIFY(byTagValue(String::contains(" ")).matches(oneValue));
    }

    // A file is a file or a folder as the file system (or the folder editor) says, whatever its
    // name.
    void filesAndFoldersOnDisk()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder.with.dots"));
        QFile readme(dir.filePath("README"));
        QVERIFY(readme.open(QIODevice::WriteOnly));
        readme.close();
        const MetadataFilePointer file = memoryFile(dir.filePath("README"));
        const MetadataFilePointer folder = memoryFile(dir.filePath("folder.with.dots"));
        const auto folderEditor = std::make_shared<halvex::ETTagEditor>(
            halvex::TagStorage(halvex::TagStorageSource(QUrl::fromLocalFile(dir.filePath("gone.folder")))));
        const auto goneFolder = std::make_shared<MetadataFile>(folderEditor);

        Filter files;
        files.fileMediaConstraint = Filter::FileMediaConstraint::files;
        Filter folders;
        folders.fileMediaConstraint = Filter::FileMediaConstraint::folders;
        QVERIFY(files.matches(*file));
        QVERIFY(!folders.matches(*file));
        QVERIFY(folders.matches(*folder));
        QVERIFY(folders.matches(*goneFolder));
        QVERIFY(!files.matches(*goneFolder));
    }

    // Opened fixtures: names, tag values and edits through their tag editors.
    void realFiles()
    {
        MetadataFileList list;
        list.setFiles(corvelle::test::openedFixtures({"movie.mp4", "photo.jpg", "sidecar.xmp", "audio.m4a"}));
        const auto selectedNames = [&] {
            QStringList names;
            for (const MetadataFilePointer& file : list.selectedFiles())
                names.append(file->filename());
            return names;
        };
        list.selectFiles(byTagValue(String::contains("zurich cafe")));
        QCOMPARE(selectedNames(), QStringList{});
        list.selectFiles(byTagValue(String::contains("cafe zurich")));
        QCOMPARE(selectedNames(), QStringList{"photo.jpg"});
        list.selectFiles(byTagValue(String::matches("^Harbour")));
        QCOMPARE(selectedNames(), QStringList{"sidecar.xmp"});
        list.selectFiles(byName(String::matches("\\.m[op]4$")));
        QCOMPARE(selectedNames(), QStringList{"movie.mp4"});

        list.files().at(2)->editor()->setValue(QStringLiteral("Harbour at Noon"), title);
        Filter edited;
        edited.fileEditionConstraint = Filter::FileEditionConstraint::edited;
        list.selectFiles(edited);
        QCOMPARE(selectedNames(), QStringList{"sidecar.xmp"});
        list.selectFiles(Filter());
        QCOMPARE(selectedNames(), (QStringList{"movie.mp4", "photo.jpg", "sidecar.xmp", "audio.m4a"}));

        // GPS in QuickTime, EXIF and XMP tags; none in the audio file.
        Filter withGps;
        withGps.gpsValueConstraint = Filter::GpsValueConstraint::with;
        list.selectFiles(withGps);
        QCOMPARE(selectedNames(), (QStringList{"movie.mp4", "photo.jpg", "sidecar.xmp"}));
        Filter withoutGps;
        withoutGps.gpsValueConstraint = Filter::GpsValueConstraint::without;
        list.selectFiles(withoutGps);
        QCOMPARE(selectedNames(), QStringList{"audio.m4a"});
        list.files().at(3)->editor()->setValue(QStringLiteral("45.5"), ostrak::TagName("GPS", "GPSLatitude"));
        Filter gpsEdited;
        gpsEdited.gpsEditionConstraint = Filter::GpsEditionConstraint::edited;
        list.selectFiles(gpsEdited);
        QCOMPARE(selectedNames(), QStringList{"audio.m4a"});
        gpsEdited.gpsEditionConstraint = Filter::GpsEditionConstraint::unedited;
        list.selectFiles(gpsEdited);
        QCOMPARE(selectedNames(), (QStringList{"movie.mp4", "photo.jpg", "sidecar.xmp"}));
    }

    void neutralFilter()
    {
        const Filter filter;
        QVERIFY(filter.isEmpty());
        QVERIFY(filter.filenameConstraint.kind() == String::Case::none);
        QVERIFY(filter.tagValueConstraint.kind() == String::Case::none);
        Filter changed;
        changed.gpsValueConstraint = Filter::GpsValueConstraint::without;
        QVERIFY(!changed.isEmpty());
        QVERIFY(changed != filter);
        QVERIFY(!byName(String::contains("")).isEmpty());
    }

    void equalityAndHashing()
    {
        QVERIFY(String::contains("a") == String::contains("a"));
        QVERIFY(!(String::contains("a") == String::matches("a")));
        QVERIFY(!(String::contains("a") == String::contains("b")));
        QCOMPARE(qHash(String::contains("a")), qHash(String::contains("a")));
        QVERIFY(qHash(String::contains("a")) != qHash(String::matches("a")));
        QVERIFY(qHash(String::none()) != qHash(String::contains("")));
    }

    void casesAndTitles()
    {
        using FE = Filter::FileEditionConstraint;
        using GV = Filter::GpsValueConstraint;
        QVERIFY(brisa::allCases<FE>() == (QList<FE>{FE::ignore, FE::edited, FE::unedited}));
        QVERIFY(brisa::allCases<GV>() == (QList<GV>{GV::ignore, GV::with, GV::without}));
        QStringList titles;
        for (auto value : brisa::allCases<Filter::FileEditionConstraint>())
            titles << Filter::title(value);
        for (auto value : brisa::allCases<Filter::FileMediaConstraint>())
            titles << Filter::title(value);
        for (auto value : brisa::allCases<Filter::GpsEditionConstraint>())
            titles << Filter::title(value);
        for (auto value : brisa::allCases<Filter::GpsValueConstraint>())
            titles << Filter::title(value);
        QCOMPARE(titles.size(), 12);
        for (const QString& title : std::as_const(titles))
            QVERIFY2(!title.startsWith("EditionFileFilter"), qPrintable(title));
        QCOMPARE(titles.removeDuplicates(), 0);
    }

    void storedForm()
    {
        Filter filter;
        filter.filenameConstraint = String::contains("beach sunset");
        filter.gpsValueConstraint = Filter::GpsValueConstraint::with;
        const QJsonObject empty;
        QCOMPARE(brisa::JsonCoding<Filter>::encode(filter),
                 QJsonValue(QJsonObject{{"filenameConstraint", QJsonObject{{"contains", QJsonObject{{"_0", "beach sunset"}}}}},
                                        {"fileEditionConstraint", QJsonObject{{"ignore", empty}}},
                                        {"fileMediaConstraint", QJsonObject{{"ignore", empty}}},
                                        {"tagValueConstraint", QJsonObject{{"none", empty}}},
                                        {"gpsEditionConstraint", QJsonObject{{"ignore", empty}}},
                                        {"gpsValueConstraint", QJsonObject{{"with", empty}}}}));
        for (const Filter& each : everyCombination()) {
            const Filter decoded = brisa::decodeJson<Filter>(brisa::encodeJson(each));
            QVERIFY(decoded == each);
            // The decoded constraints work, not only compare.
            QCOMPARE(decoded.filenameConstraint.test("IMG_0042.MOV"), each.filenameConstraint.test("IMG_0042.MOV"));
        }
    }

    void wrongShapesAreRefused_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("value");
        QTest::addColumn<brisa::DecodingError::Kind>("kind");
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("description");

        using Kind = brisa::DecodingError::Kind;
        const QString invalidKeys = "Invalid number of keys found, expected one.";
        QTest::newRow("two cases") << "fileEditionConstraint" << R"({"ignore": {}, "edited": {}})" << Kind::TypeMismatch
                                   << QStringList{"fileEditionConstraint"} << invalidKeys;
        QTest::newRow("no case") << "gpsValueConstraint" << "{}" << Kind::TypeMismatch << QStringList{"gpsValueConstraint"}
                                 << invalidKeys;
        QTest::newRow("a case of another type") << "fileMediaConstraint" << R"({"edited": {}})" << Kind::TypeMismatch
                                                << QStringList{"fileMediaConstraint"} << invalidKeys;
        QTest::newRow("two string cases") << "tagValueConstraint" << R"({"none": {}, "matches": {"_0": "x"}})"
                                          << Kind::TypeMismatch << QStringList{"tagValueConstraint"} << invalidKeys;
        QTest::newRow("contains without its text") << "filenameConstraint" << R"({"contains": {}})" << Kind::KeyNotFound
                                                   << QStringList{"filenameConstraint", "contains"}
                                                   << R"(No value associated with key "_0".)";
        QTest::newRow("matches with a number") << "filenameConstraint" << R"({"matches": {"_0": 42}})" << Kind::TypeMismatch
                                               << QStringList{"filenameConstraint", "matches", "_0"}
                                               << "Expected to decode String but found a number instead.";
        QTest::newRow("constraint as a string") << "gpsEditionConstraint" << R"("ignore")" << Kind::TypeMismatch
                                                << QStringList{"gpsEditionConstraint"}
                                                << "Expected to decode Dictionary<String, Any> but found a string instead.";
        QTest::newRow("member missing") << "gpsEditionConstraint" << QString() << Kind::KeyNotFound << QStringList{}
                                        << R"(No value associated with key "gpsEditionConstraint".)";
    }

    // The neutral filter's stored form with one member replaced (or left out).
    void wrongShapesAreRefused()
    {
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(brisa::DecodingError::Kind, kind);
        QFETCH(QStringList, path);
        QFETCH(QString, description);
        QJsonObject stored = brisa::JsonCoding<Filter>::encode(Filter()).toObject();
        if (value.isEmpty())
            stored.remove(member);
        else
            stored.insert(member, brisa::parseJson(value.toUtf8()));
        try {
            brisa::JsonCoding<Filter>::decode(stored, {});
            QFAIL("decoded");
        } catch (const brisa::DecodingError& error) {
            QCOMPARE(int(error.kind()), int(kind));
            QCOMPARE(error.codingPath(), path);
            QCOMPARE(error.description(), description);
        }
    }

    void unknownKeysBesideACaseAreIgnored()
    {
        QJsonObject stored = brisa::JsonCoding<Filter>::encode(Filter()).toObject();
        stored.insert("fileEditionConstraint", QJsonObject{{"ignore", QJsonObject()}, {"sometimes", QJsonObject()}});
        QVERIFY(brisa::JsonCoding<Filter>::decode(stored, {}) == Filter());
    }
};

QTEST_GUILESS_MAIN(MetadataFileListFilterTest)

#include "MetadataFileListFilterTest.moc"
